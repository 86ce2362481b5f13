#include "radio_group.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QGridLayout>
#include <QRadioButton>

RadioGroup::RadioGroup(const QString &objectName, const QString &caption, const QStringList &items,
                       int columns, QWidget *parent)
    : QGroupBox(caption, parent), buttons_(new QButtonGroup(this)) {
    setObjectName(objectName);
    auto *grid = new QGridLayout(this);
    const int rows = (int(items.size()) + columns - 1) / columns;
    for (int i = 0; i < items.size(); ++i) {
        auto *button = new QRadioButton(items[i], this);
        button->setObjectName(QStringLiteral("%1_%2").arg(objectName).arg(i));
        buttons_->addButton(button, i);
        grid->addWidget(button, i % rows, i / rows);
    }
    connect(buttons_, &QButtonGroup::idClicked, this, &RadioGroup::itemClicked);
}

int RadioGroup::itemIndex() const {
    return buttons_->checkedId();
}

int RadioGroup::count() const {
    return int(buttons_->buttons().size());
}

void RadioGroup::setItemIndex(int index) {
    if (QAbstractButton *button = buttons_->button(index)) {
        button->setChecked(true);
        return;
    }
    buttons_->setExclusive(false);
    for (QAbstractButton *button : buttons_->buttons())
        button->setChecked(false);
    buttons_->setExclusive(true);
}

QAbstractButton *RadioGroup::item(int index) const {
    return buttons_->button(index);
}
