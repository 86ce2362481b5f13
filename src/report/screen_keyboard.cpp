#include "screen_keyboard.h"

#include "screen_keyboard_keys.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

constexpr int kKeyWidth = 28;
constexpr int kKeyHeight = 30;

QPushButton *keyboardButton(QWidget *parent, const char *name, const QString &caption) {
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

} // namespace

ScreenKeyboard::ScreenKeyboard(QWidget *parent)
    : QGroupBox(QStringLiteral("      Набор заголовка"), parent),
      keys_(new QTableWidget(ScreenKeyboardKeys::kRows, ScreenKeyboardKeys::kColumns, this)),
      input_(new QLineEdit(this)), indicator_(new QLineEdit(this)) {
    setObjectName(QStringLiteral("GroupBox1"));

    keys_->setObjectName(QStringLiteral("StringGrid1"));
    keys_->horizontalHeader()->hide();
    keys_->verticalHeader()->hide();
    keys_->horizontalHeader()->setMinimumSectionSize(1);
    keys_->verticalHeader()->setMinimumSectionSize(1);
    keys_->horizontalHeader()->setDefaultSectionSize(kKeyWidth);
    keys_->verticalHeader()->setDefaultSectionSize(kKeyHeight);
    keys_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    keys_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    keys_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    keys_->setSelectionMode(QAbstractItemView::NoSelection);
    keys_->setFocusPolicy(Qt::NoFocus);
    const int frame = 2 * keys_->frameWidth();
    keys_->setFixedSize(ScreenKeyboardKeys::kColumns * kKeyWidth + frame,
                        ScreenKeyboardKeys::kRows * kKeyHeight + frame);
    QFont large = keys_->font();
    large.setPointSize(14);
    large.setBold(true);
    keys_->setFont(large);
    // The second click of a fast pair arrives as a double click and never as cellClicked;
    // every click types its key, however fast the operator taps.
    connect(keys_, &QTableWidget::cellClicked, this, &ScreenKeyboard::pressKey);
    connect(keys_, &QTableWidget::cellDoubleClicked, this, &ScreenKeyboard::pressKey);

    input_->setObjectName(QStringLiteral("Edit4"));
    input_->setFont(large);
    indicator_->setObjectName(QStringLiteral("Edit5"));
    indicator_->setReadOnly(true);
    indicator_->setFocusPolicy(Qt::NoFocus);
    indicator_->setFixedWidth(kKeyWidth);

    auto *caps = keyboardButton(this, "BitBtn4", QStringLiteral("Caps Lock"));
    auto *back = keyboardButton(this, "BitBtn5", QStringLiteral("Backspace"));
    auto *ok = keyboardButton(this, "BitBtn6", QStringLiteral("ОК"));
    auto *cancel = keyboardButton(this, "BitBtn7", QStringLiteral("Отмена"));
    connect(caps, &QPushButton::clicked, this, &ScreenKeyboard::toggleCase);
    connect(back, &QPushButton::clicked, this, &ScreenKeyboard::backspace);
    connect(ok, &QPushButton::clicked, this, [this] { emit accepted(text()); });
    connect(cancel, &QPushButton::clicked, this, &ScreenKeyboard::cancelled);

    auto *side = new QGridLayout;
    side->addWidget(indicator_, 0, 0);
    side->addWidget(caps, 0, 1);
    side->addWidget(back, 1, 0, 1, 2);
    side->setRowStretch(2, 1);
    side->addWidget(ok, 3, 0, 1, 2);
    side->addWidget(cancel, 4, 0, 1, 2);
    auto *body = new QHBoxLayout;
    body->addWidget(keys_);
    body->addLayout(side);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(input_);
    layout->addLayout(body);

    showCase();
}

void ScreenKeyboard::begin(const QString &text, int limit) {
    input_->setText(text);
    limit_ = limit;
    input_->setFocus();
}

QString ScreenKeyboard::text() const {
    return input_->text();
}

void ScreenKeyboard::pressKey(int row, int column) {
    const QTableWidgetItem *key = keys_->item(row, column);
    if (!key || key->text().isEmpty())
        return;
    QString typed = input_->text();
    if (ScreenKeyboardKeys::appendKey(typed, key->text().front(), limit_))
        input_->setText(typed);
}

void ScreenKeyboard::backspace() {
    input_->setText(input_->text().chopped(input_->text().isEmpty() ? 0 : 1));
}

void ScreenKeyboard::toggleCase() {
    capitalLetters_ = !capitalLetters_;
    showCase();
}

void ScreenKeyboard::showCase() {
    QPalette palette = indicator_->palette();
    palette.setColor(QPalette::Base, capitalLetters_ ? QColor(0, 255, 0) : QColor(Qt::black));
    indicator_->setPalette(palette);

    const ScreenKeyboardKeys::KeyTable table = ScreenKeyboardKeys::table(capitalLetters_);
    for (int row = 0; row < ScreenKeyboardKeys::kRows; ++row)
        for (int column = 0; column < ScreenKeyboardKeys::kColumns; ++column) {
            auto *key = new QTableWidgetItem(QString(table[row][column]));
            key->setTextAlignment(Qt::AlignCenter);
            keys_->setItem(row, column, key);
        }
}
