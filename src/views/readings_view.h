#pragma once

#include "readings_text.h"

#include <QDateTime>
#include <QLocale>

#include <array>

class QLineEdit;
class QPlainTextEdit;
class QTableWidget;

// The controls of the readings view, the readings grid and the date and time grid, as their
// panel builders made them. A control that is missing is skipped.
class ReadingsView {
public:
    struct Controls {
        std::array<QLineEdit *, kChannelCount> boxes{}; // Edit8..Edit13
        QPlainTextEdit *coCaption = nullptr;            // Memo3
        QPlainTextEdit *rowFourCaption = nullptr;       // Memo7
        QTableWidget *readingsGrid = nullptr;           // StringGrid1
        QTableWidget *clockGrid = nullptr;              // StringGrid2
    };

    explicit ReadingsView(const Controls &controls) : c_(controls) {}

    // The readings boxes, grid values and the titles a refresh sets.
    void show(const ReadingsTexts &texts);
    // StringGrid2: SYS date (short format of `locale`) and time ("HH:mm:ss") from `now`;
    // PRN cells empty without a built-in printer, else the analyser clock's texts.
    void showClock(const QDateTime &now, const QString &deviceDate, const QString &deviceTime,
                   bool noBuiltInPrinter, const QLocale &locale);
    // The titles as they are while mode indication is off.
    void resetModeTitles();

private:
    void setCoTitles(const QString &gridTitle, const QString &memoLine);
    void setRowFourTitles(const QString &gridTitle, const QString &memoLine);

    Controls c_;
};

// Replaces one line of a memo's text, adding empty lines when it has fewer; a memo that
// already shows the text is left alone.
void setMemoLine(QPlainTextEdit *memo, int line, const QString &text);

// Sets a grid cell's text, creating the item when the cell has none.
void setGridCell(QTableWidget *grid, int row, int column, const QString &text);
