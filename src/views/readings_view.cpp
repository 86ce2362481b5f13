#include "readings_view.h"

#include "channel_info.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTableWidget>
#include <QTableWidgetItem>
#include <QWidget>

namespace {

template <typename Widget> Widget *find(QWidget *root, const QString &name) {
    return root ? root->findChild<Widget *>(name) : nullptr;
}

void setBox(QLineEdit *box, const QString &text) {
    if (box && box->text() != text)
        box->setText(text);
}

} // namespace

void setMemoLine(QPlainTextEdit *memo, int line, const QString &text) {
    if (!memo || line < 0)
        return;
    QStringList lines = memo->toPlainText().split(QLatin1Char('\n'));
    while (lines.size() <= line)
        lines << QString();
    if (lines[line] == text)
        return;
    lines[line] = text;
    memo->setPlainText(lines.join(QLatin1Char('\n')));
}

void setGridCell(QTableWidget *grid, int row, int column, const QString &text) {
    if (!grid || row >= grid->rowCount() || column >= grid->columnCount())
        return;
    if (QTableWidgetItem *item = grid->item(row, column)) {
        if (item->text() != text)
            item->setText(text);
    } else {
        grid->setItem(row, column, new QTableWidgetItem(text));
    }
}

ReadingsView::ReadingsView(QWidget *root) {
    for (int channel = 0; channel < kChannelCount; ++channel) {
        boxes_[channel] = find<QLineEdit>(root, QStringLiteral("Edit%1").arg(8 + channel));
        graphPanel_[channel] = find<QLineEdit>(root, QStringLiteral("Edit%1").arg(1 + channel));
    }
    coCaption_ = find<QPlainTextEdit>(root, QStringLiteral("Memo3"));
    rowFourCaption_ = find<QPlainTextEdit>(root, QStringLiteral("Memo7"));
    readingsGrid_ = find<QTableWidget>(root, QStringLiteral("StringGrid1"));
    clockGrid_ = find<QTableWidget>(root, QStringLiteral("StringGrid2"));
}

void ReadingsView::show(const ReadingsTexts &texts) {
    setCoTitles(texts.coGridTitle, texts.coMemoLine);
    if (texts.rowFourGridTitle)
        setGridCell(readingsGrid_, 4, 0, *texts.rowFourGridTitle);
    if (texts.rowFourMemoLine)
        setMemoLine(rowFourCaption_, 0, *texts.rowFourMemoLine);
    for (int channel = 0; channel < kChannelCount; ++channel) {
        setBox(boxes_[channel], texts.boxes[channel]);
        setGridCell(readingsGrid_, channel, 1, texts.gridValues[channel]);
    }
}

void ReadingsView::showGraphPanel(const ChannelTexts &texts) {
    for (int channel = 0; channel < kChannelCount; ++channel)
        setBox(graphPanel_[channel], texts[channel]);
}

void ReadingsView::showClock(const QDateTime &now, const QString &deviceDate,
                             const QString &deviceTime, bool noBuiltInPrinter,
                             const QLocale &locale) {
    setGridCell(clockGrid_, 0, 1, noBuiltInPrinter ? QString() : deviceDate);
    setGridCell(clockGrid_, 1, 1, locale.toString(now.date(), QLocale::ShortFormat));
    setGridCell(clockGrid_, 2, 1, noBuiltInPrinter ? QString() : deviceTime);
    // Seconds without the time zone that the locale's long format would add.
    setGridCell(clockGrid_, 3, 1, now.time().toString(QStringLiteral("HH:mm:ss")));
}

void ReadingsView::resetModeTitles() {
    setCoTitles(channelInfo(Channel::Co).gridTitle.toString(),
                channelInfo(Channel::Co).memoLines[1].toString());
    setRowFourTitles(channelInfo(Channel::Lambda).gridTitle.toString(),
                     channelInfo(Channel::Lambda).memoLines[0].toString());
}

void ReadingsView::setCoTitles(const QString &gridTitle, const QString &memoLine) {
    setGridCell(readingsGrid_, 0, 0, gridTitle);
    setMemoLine(coCaption_, 1, memoLine);
}

void ReadingsView::setRowFourTitles(const QString &gridTitle, const QString &memoLine) {
    setGridCell(readingsGrid_, 4, 0, gridTitle);
    setMemoLine(rowFourCaption_, 0, memoLine);
}
