#pragma once

#include "readings_text.h"

#include <QDateTime>
#include <QLocale>

#include <array>

class QLineEdit;
class QPlainTextEdit;
class QTableWidget;
class QWidget;

// The controls of the readings view, the readings grid, the date and time grid and the
// graph panel value boxes, found once by name under the main window's client area. A
// control that is missing is skipped.
class ReadingsView {
public:
    explicit ReadingsView(QWidget *root);

    // The readings boxes, grid values and the titles a refresh sets.
    void show(const ReadingsTexts &texts);
    // Edit1..Edit6.
    void showGraphPanel(const ChannelTexts &texts);
    // StringGrid2: SYS date (short format of `locale`) and time ("HH:mm:ss") from `now`;
    // PRN cells empty without a built-in printer, else the analyser clock's texts.
    void showClock(const QDateTime &now, const QString &deviceDate, const QString &deviceTime,
                   bool noBuiltInPrinter, const QLocale &locale);
    // The titles as they are while mode indication is off.
    void resetModeTitles();

private:
    void setCoTitles(const QString &gridTitle, const QString &memoLine);
    void setRowFourTitles(const QString &gridTitle, const QString &memoLine);

    std::array<QLineEdit *, kChannelCount> boxes_{};      // Edit8..Edit13
    std::array<QLineEdit *, kChannelCount> graphPanel_{}; // Edit1..Edit6
    QPlainTextEdit *coCaption_ = nullptr;                 // Memo3
    QPlainTextEdit *rowFourCaption_ = nullptr;            // Memo7
    QTableWidget *readingsGrid_ = nullptr;                // StringGrid1
    QTableWidget *clockGrid_ = nullptr;                   // StringGrid2
};

// Replaces one line of a memo's text, adding empty lines when it has fewer; a memo that
// already shows the text is left alone.
void setMemoLine(QPlainTextEdit *memo, int line, const QString &text);

// Sets a grid cell's text, creating the item when the cell has none.
void setGridCell(QTableWidget *grid, int row, int column, const QString &text);
