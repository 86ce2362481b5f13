#include "options_page.h"

#include "app_settings.h"
#include "bgr_color.h"
#include "radio_group.h"
#include "settings_ranges.h"
#include "settings_store.h"
#include "spin_edit_keys.h"
#include "user_prompts.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

namespace {

bool writesAtOnce(Applied applied) {
    return applied == Applied::AtOnce || applied == Applied::AtOnceAndOnOk;
}

bool writesOnOk(Applied applied) {
    return applied == Applied::OnOk || applied == Applied::AtOnceAndOnOk;
}

// How far the arrows and the Up and Down keys move a spin edit: the three intervals move by
// 100 ms and the graph's point counts by 50; every other field by 1.
int spinStep(int field) {
    using SettingsRanges::fieldIndex;
    const std::pair<int, int> steps[] = {{fieldIndex(&AppSettings::ViewInterval, 0), 100},
                                         {fieldIndex(&AppSettings::ViewInterval, 1), 100},
                                         {fieldIndex(&AppSettings::ViewInterval, 2), 100},
                                         {fieldIndex(&AppSettings::PointsOnScreen), 50},
                                         {fieldIndex(&AppSettings::TotalPoints), 50}};
    for (const auto &[stepped, step] : steps)
        if (stepped == field)
            return step;
    return 1;
}

} // namespace

OptionsPage::OptionsPage(SettingsStore &settings, UserPrompts &prompts, QWidget *parent)
    : QWidget(parent), store_(settings), prompts_(prompts) {}

const AppSettings &OptionsPage::settings() const {
    return store_.get();
}

void OptionsPage::load() {
    for (const Binding &binding : bindings_)
        binding.show(settings().field(binding.field));
    showSamples();
    loaded();
}

void OptionsPage::applyOk() {
    for (const Binding &binding : bindings_) {
        if (!writesOnOk(binding.applied))
            continue;
        if (const std::optional<int> value = binding.read())
            store_.setField(binding.field, *value);
    }
}

void OptionsPage::fieldApplied(int) {}

void OptionsPage::bind(QWidget *control, Binding binding) {
    if (writesAtOnce(binding.applied))
        control->setProperty("appliesAtOnce", true);
    bindings_ << std::move(binding);
}

void OptionsPage::writeAtOnce(const Binding &binding) {
    if (const std::optional<int> value = binding.read()) {
        store_.setField(binding.field, *value);
        fieldApplied(binding.field);
    }
}

QSpinBox *OptionsPage::spinEdit(const QString &name, int field) {
    auto *spin = new QSpinBox(this);
    spin->setObjectName(name);
    const SettingsRanges::FieldRange &range = SettingsRanges::of(field);
    spin->setRange(range.min, range.max);
    spin->setSingleStep(spinStep(field));
    SpinEditKeys::watch(spin);
    bind(spin, {field, Applied::OnOk, [spin] { return std::optional<int>(spin->value()); },
                [spin](int value) { spin->setValue(value); }});
    return spin;
}

QCheckBox *OptionsPage::checkBox(const QString &name, const QString &caption, int field,
                                 bool inverted, Applied applied) {
    auto *box = new QCheckBox(caption, this);
    box->setObjectName(name);
    bind(box, {field, applied,
               [box, inverted] { return std::optional<int>(box->isChecked() != inverted); },
               [box, inverted](int value) { box->setChecked((value != 0) != inverted); }});
    if (writesAtOnce(applied)) {
        const qsizetype index = bindings_.size() - 1;
        connect(box, &QCheckBox::clicked, this, [this, index] { writeAtOnce(bindings_[index]); });
    }
    return box;
}

RadioGroup *OptionsPage::radioGroup(const QString &name, const QString &caption,
                                    const QStringList &items, int field, Applied applied,
                                    int columns, int offset) {
    auto *group = new RadioGroup(name, caption, items, columns, this);
    bind(group, {field, applied,
                 [group, offset]() -> std::optional<int> {
                     const int index = group->itemIndex();
                     return index < 0 ? std::nullopt : std::optional<int>(index + offset);
                 },
                 [group, offset](int value) { group->setItemIndex(value - offset); }});
    if (writesAtOnce(applied)) {
        const qsizetype index = bindings_.size() - 1;
        connect(group, &RadioGroup::itemClicked, this,
                [this, index] { writeAtOnce(bindings_[index]); });
    }
    return group;
}

QLineEdit *OptionsPage::sampleBox(const QString &name, const QString &text, int textField,
                                  int backField) {
    auto *box = new QLineEdit(text, this);
    box->setObjectName(name);
    box->setReadOnly(true);
    box->setFocusPolicy(Qt::NoFocus);
    box->setAutoFillBackground(true);
    samples_ << Sample{box, textField, backField};
    return box;
}

QPushButton *OptionsPage::colourButton(const QString &name, const QString &caption, int field) {
    auto *button = new QPushButton(caption, this);
    button->setObjectName(name);
    button->setProperty("appliesAtOnce", true);
    connect(button, &QPushButton::clicked, this, [this, field] {
        if (const std::optional<QColor> chosen =
                prompts_.chooseColor(colorFromBgr(settings().field(field))))
            store_.setField(field, bgrFromColor(*chosen));
        // Applied whether the colour dialog was confirmed or cancelled.
        showSamples();
        emit appearanceChanged();
        fieldApplied(field);
    });
    return button;
}

QWidget *OptionsPage::colourPair(const ColourPair &pair) {
    auto *group = new QGroupBox(QString::fromUtf8(pair.caption), this);
    auto *row = new QHBoxLayout(group);
    row->addWidget(colourButton(pair.fontButton, QStringLiteral("ШРИФТ"), pair.textField));
    row->addWidget(colourButton(pair.backButton, QStringLiteral("ФОН"), pair.backField));
    row->addWidget(
        sampleBox(pair.sample, QString::fromUtf8(pair.sampleText), pair.textField, pair.backField));
    return group;
}

void OptionsPage::showSamples() {
    for (const Sample &sample : samples_) {
        QPalette palette = sample.box->palette();
        const QColor back = colorFromBgr(settings().field(sample.backField));
        palette.setColor(QPalette::Base, back);
        palette.setColor(QPalette::Window, back);
        if (sample.textField >= 0)
            palette.setColor(QPalette::Text, colorFromBgr(settings().field(sample.textField)));
        sample.box->setPalette(palette);
    }
}
