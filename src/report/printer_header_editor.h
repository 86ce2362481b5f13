#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

class FileDialogs;
class UserPrompts;
class QPlainTextEdit;
class QPushButton;

// The header the analyser's built-in printer puts on every printout, edited in the memo
// Memo1 of the printer panel, with the buttons BitBtn11 "Открыть", BitBtn12 "Сохранить" and
// BitBtn13 "Стереть". The memo and the buttons belong to the main window; this class sets
// them up, connects them and keeps the text within the limits of header_normalizer.h after
// every key release and mouse-button release in the memo.
//
// The header lines are the memo's lines as shown, a last empty line included; an empty memo
// has no lines.
class PrinterHeaderEditor : public QObject {
    Q_OBJECT

public:
    PrinterHeaderEditor(QPlainTextEdit *memo, QPushButton *open, QPushButton *save,
                        QPushButton *clear, FileDialogs &dialogs, UserPrompts &prompts,
                        QString programFolder, QObject *parent = nullptr);

    // Switches the main window to the table view; open and save call it first.
    std::function<void()> showTableView;

    QStringList lines() const;
    // Replaces the lines and brings them within the limits.
    void setLines(const QStringList &lines);
    // Replaces the lines exactly as given: the header read back from the analyser.
    void setLinesAsRead(const QStringList &lines);

    // Start-up: the lines of "nastr.set" in the program folder when that file exists (the
    // built-in header otherwise), within the limits.
    void loadAtStart();

public slots:
    // "Открыть": the lines of a chosen header file, or a message when it does not exist.
    void openFile();
    // "Сохранить": the lines into a chosen header file; a failed write leaves the old file and
    // is told with its reason.
    void saveFile();
    // "Стереть": empties the memo.
    void clear();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Applies NormalizeHeader to the memo; leaves it untouched when nothing changes.
    void normalizeMemo();
    QString chosenPath(const QString &dialogAnswer) const;

    QPlainTextEdit *memo_;
    // The memo's viewport, taken once: the event filter only compares against it, so no call
    // reaches a memo that is being destroyed (its viewport goes in its base class destructor).
    const QObject *viewport_;
    FileDialogs &dialogs_;
    UserPrompts &prompts_;
    QString programFolder_;
};

// Four lines within the limits, shown until a header file or the analyser replaces them.
QStringList defaultPrinterHeader();
