#include "readings_view.h"

#include "channel_info.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTableWidget>
#include <QTableWidgetItem>

namespace {

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

void ReadingsView::show(const ReadingsTexts &texts) {
    setCoTitles(texts.coGridTitle, texts.coMemoLine);
    if (texts.rowFourGridTitle)
        setGridCell(c_.readingsGrid, 4, 0, *texts.rowFourGridTitle);
    if (texts.rowFourMemoLine)
        setMemoLine(c_.rowFourCaption, 0, *texts.rowFourMemoLine);
    for (int channel = 0; channel < kChannelCount; ++channel) {
        setBox(c_.boxes[channel], texts.boxes[channel]);
        setGridCell(c_.readingsGrid, channel, 1, texts.gridValues[channel]);
    }
}

void ReadingsView::showClock(const QDateTime &now, const QString &deviceDate,
                             const QString &deviceTime, bool noBuiltInPrinter,
                             const QLocale &locale) {
    setGridCell(c_.clockGrid, 0, 1, noBuiltInPrinter ? QString() : deviceDate);
    setGridCell(c_.clockGrid, 1, 1, locale.toString(now.date(), QLocale::ShortFormat));
    setGridCell(c_.clockGrid, 2, 1, noBuiltInPrinter ? QString() : deviceTime);
    // Seconds without the time zone that the locale's long format would add.
    setGridCell(c_.clockGrid, 3, 1, now.time().toString(QStringLiteral("HH:mm:ss")));
}

void ReadingsView::resetModeTitles() {
    setCoTitles(channelInfo(Channel::Co).gridTitle.toString(),
                channelInfo(Channel::Co).memoLines[1].toString());
    setRowFourTitles(channelInfo(Channel::Lambda).gridTitle.toString(),
                     channelInfo(Channel::Lambda).memoLines[0].toString());
}

void ReadingsView::setCoTitles(const QString &gridTitle, const QString &memoLine) {
    setGridCell(c_.readingsGrid, 0, 0, gridTitle);
    setMemoLine(c_.coCaption, 1, memoLine);
}

void ReadingsView::setRowFourTitles(const QString &gridTitle, const QString &memoLine) {
    setGridCell(c_.readingsGrid, 4, 0, gridTitle);
    setMemoLine(c_.rowFourCaption, 0, memoLine);
}
