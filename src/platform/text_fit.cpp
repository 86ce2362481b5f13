#include "text_fit.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDialog>
#include <QEvent>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionFrame>
#include <QStyleOptionGroupBox>

#include <algorithm>

namespace TextFit {

namespace {

// The point size the layout (or the design) gave a control, before any shrinking.
constexpr char kGivenPoints[] = "textFitGivenPoints";
constexpr char kFollowsText[] = "textFitFollowsText";
constexpr char kCaption[] = "textFitCaption";

// Qt's line edit keeps this many pixels free on each side of its text, and one for the cursor.
constexpr int kLineEditSideMargin = 2;
constexpr int kCursorWidth = 1;

QString withoutMnemonic(QString text) {
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    return text;
}

bool fits(const QStringList &lines, const QFont &font, const QSize &room) {
    const QFontMetrics metrics(font);
    int widest = 0;
    for (const QString &line : lines)
        widest = std::max(widest, metrics.horizontalAdvance(line));
    const int height = metrics.height() + (lines.size() - 1) * metrics.lineSpacing();
    return widest <= room.width() && height <= room.height();
}

QSize lineEditRoom(const QLineEdit *edit) {
    QStyleOptionFrame option;
    option.initFrom(edit);
    option.rect = edit->contentsRect();
    option.lineWidth = edit->hasFrame()
                           ? edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit)
                           : 0;
    const QRect contents = edit->style()
                               ->subElementRect(QStyle::SE_LineEditContents, &option, edit)
                               .marginsRemoved(edit->textMargins());
    return {contents.width() - 2 * kLineEditSideMargin - kCursorWidth, contents.height()};
}

QSize buttonRoom(const QPushButton *button) {
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    option.icon = button->icon();
    option.iconSize = button->iconSize();
    if (button->autoDefault())
        option.features |= QStyleOptionButton::AutoDefaultButton;
    if (button->isDefault())
        option.features |= QStyleOptionButton::DefaultButton;
    QRect contents =
        button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
    int width = contents.width();
    if (!button->icon().isNull())
        width -= button->iconSize().width() + 4;
    return {width, contents.height()};
}

QSize checkBoxRoom(const QCheckBox *box) {
    QStyleOptionButton option;
    option.initFrom(box);
    option.text = box->text();
    const QRect contents = box->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, box);
    return {box->width() - contents.left(), box->height()};
}

QSize groupBoxRoom(const QGroupBox *group) {
    QStyleOptionGroupBox option;
    option.initFrom(group);
    option.text = group->title();
    option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
    if (group->isCheckable())
        option.subControls |= QStyle::SC_GroupBoxCheckBox;
    const QRect label = group->style()->subControlRect(QStyle::CC_GroupBox, &option,
                                                       QStyle::SC_GroupBoxLabel, group);
    const int left = label.left();
    return {group->width() - 2 * left, group->height()};
}

QSize memoRoom(const QPlainTextEdit *memo) {
    const int margin = int(memo->document()->documentMargin());
    return memo->viewport()->size() - QSize(2 * margin + kCursorWidth, 2 * margin);
}

} // namespace

QFont fitted(const QStringList &lines, const QFont &font, const QSize &room) {
    QFont candidate = font;
    if (lines.isEmpty() || candidate.pointSize() <= 0)
        return candidate;
    while (candidate.pointSize() > 1 && !fits(lines, candidate, room))
        candidate.setPointSize(candidate.pointSize() - 1);
    return candidate;
}

QStringList shownLines(const QWidget *control) {
    QString text;
    if (const auto *label = qobject_cast<const QLabel *>(control)) {
        if (label->wordWrap() || label->textFormat() == Qt::RichText)
            return {};
        text = label->text();
    } else if (const auto *edit = qobject_cast<const QLineEdit *>(control))
        text = edit->text();
    else if (const auto *button = qobject_cast<const QPushButton *>(control))
        text = withoutMnemonic(button->text());
    else if (const auto *box = qobject_cast<const QCheckBox *>(control))
        text = withoutMnemonic(box->text());
    else if (const auto *group = qobject_cast<const QGroupBox *>(control))
        text = withoutMnemonic(group->title());
    else if (const auto *memo = qobject_cast<const QPlainTextEdit *>(control)) {
        if (!memo->property(kCaption).toBool())
            return {};
        text = memo->toPlainText();
    }
    return text.isEmpty() ? QStringList{} : text.split(QLatin1Char('\n'));
}

QSize textRoom(const QWidget *control) {
    if (const auto *label = qobject_cast<const QLabel *>(control))
        return label->contentsRect().size() - QSize(2 * label->margin(), 2 * label->margin());
    if (const auto *edit = qobject_cast<const QLineEdit *>(control))
        return lineEditRoom(edit);
    if (const auto *button = qobject_cast<const QPushButton *>(control))
        return buttonRoom(button);
    if (const auto *box = qobject_cast<const QCheckBox *>(control))
        return checkBoxRoom(box);
    if (const auto *group = qobject_cast<const QGroupBox *>(control))
        return groupBoxRoom(group);
    if (const auto *memo = qobject_cast<const QPlainTextEdit *>(control))
        return memoRoom(memo);
    return control->size();
}

void markCaption(QPlainTextEdit *memo) {
    memo->setProperty(kCaption, true);
}

void applyPointSize(QWidget *control, int points) {
    if (points > 0)
        control->setProperty(kGivenPoints, points);
    else if (!control->property(kGivenPoints).isValid())
        control->setProperty(kGivenPoints, control->font().pointSize());
    QFont font = control->font();
    font.setPointSize(std::max(1, control->property(kGivenPoints).toInt()));
    // A control not laid out yet has no room to measure; it fits once it gets its size.
    const bool laidOut = control->width() > 0 && control->height() > 0;
    const QFont fitting = laidOut ? fitted(shownLines(control), font, textRoom(control)) : font;
    if (fitting != control->font())
        control->setFont(fitting);
    auto *edit = qobject_cast<QLineEdit *>(control);
    if (edit && !edit->property(kFollowsText).toBool()) {
        edit->setProperty(kFollowsText, true);
        QObject::connect(edit, &QLineEdit::textChanged, edit, [edit] { applyPointSize(edit, 0); });
    }
}

namespace {

// Watches every widget of the application for the moments a dialog's control gets its size.
class DialogTextFilter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() == QEvent::Show || event->type() == QEvent::Resize) {
            auto *control = qobject_cast<QWidget *>(watched);
            if (control && !control->isWindow() && qobject_cast<QDialog *>(control->window()) &&
                !shownLines(control).isEmpty())
                applyPointSize(control, 0);
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

void fitDialogTexts() {
    QCoreApplication *application = QCoreApplication::instance();
    application->installEventFilter(new DialogTextFilter(application));
}

} // namespace TextFit
