#include "graph_page.h"

#include "app_settings.h"
#include "graph_file_estimate.h"
#include "settings_ranges.h"

#include <QCheckBox>
#include <QEvent>
#include <QFormLayout>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QVBoxLayout>

using SettingsRanges::fieldIndex;

GraphPage::GraphPage(SettingsStore &settings, UserPrompts &prompts, QWidget *parent)
    : OptionsPage(settings, prompts, parent) {
    auto *rows = new QFormLayout;
    rows->addRow(QStringLiteral("Точек времени на экране (масшт.)"),
                 spinEdit("SpinEdit4", fieldIndex(&AppSettings::PointsOnScreen)));
    shiftPercent_ = spinEdit("SpinEdit5", fieldIndex(&AppSettings::ShiftPercent));
    rows->addRow(QStringLiteral("Сдвиг по заполнении экрана,%"), shiftPercent_);
    totalPoints_ = spinEdit("SpinEdit6", fieldIndex(&AppSettings::TotalPoints));
    rows->addRow(QStringLiteral("Всего точек времени"), totalPoints_);
    rows->addRow(checkBox("CheckBox1", QStringLiteral("Сдвиг на одну точку"),
                          fieldIndex(&AppSettings::ShiftByOnePoint), false, Applied::AtOnce));
    interval_ = spinEdit("SpinEdit3", fieldIndex(&AppSettings::ViewInterval, 2));
    rows->addRow(QStringLiteral("Интервал заполнения графика,мсек"), interval_);

    fileText_ = new QPlainTextEdit(this);
    fileText_->setObjectName("Memo9");
    fileText_->setReadOnly(true);
    fileText_->setLineWrapMode(QPlainTextEdit::NoWrap);
    fileText_->setFixedHeight(fileText_->fontMetrics().lineSpacing() * 3);
    QPalette green = fileText_->palette();
    green.setColor(QPalette::Base, QColor(0, 128, 0));
    green.setColor(QPalette::Text, Qt::white);
    fileText_->setPalette(green);
    fileText_->viewport()->installEventFilter(this);

    // Recomputed on every change, on leaving either box and on Enter in it (editingFinished),
    // and on a click on the text.
    for (QSpinBox *spin : {totalPoints_, interval_}) {
        connect(spin, &QSpinBox::valueChanged, this, &GraphPage::updateFileText);
        connect(spin, &QSpinBox::editingFinished, this, &GraphPage::updateFileText);
    }

    auto *column = new QVBoxLayout(this);
    column->addLayout(rows);
    column->addWidget(fileText_);
    column->addStretch(1);
}

void GraphPage::updateFileText() {
    fileText_->setPlainText(
        GraphFileEstimate::memoLines(totalPoints_->value(), interval_->value()).join('\n'));
}

void GraphPage::loaded() {
    shiftPercent_->setEnabled(settings().ShiftByOnePoint == 0);
    updateFileText();
}

void GraphPage::fieldApplied(int field) {
    if (field != fieldIndex(&AppSettings::ShiftByOnePoint))
        return;
    shiftPercent_->setEnabled(settings().ShiftByOnePoint == 0);
    emit graphSettingsChanged();
}

bool GraphPage::eventFilter(QObject *watched, QEvent *event) {
    if (watched == fileText_->viewport() && event->type() == QEvent::MouseButtonPress)
        updateFileText();
    return OptionsPage::eventFilter(watched, event);
}
