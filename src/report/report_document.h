#pragma once

#include "side_document.h"
#include "test_report.h"

#include <QObject>
#include <QStringList>

#include <functional>

class QPlainTextEdit;
struct RunState;
struct Services;

// The test document of the report view: the recorded values (TestReport) and the text in the
// memo Memo10 built from them, saved to and opened from the "Text" folder and printed. It is
// the report's side of the side panel's shared buttons.
//
// The memo holds the last built document, the last opened file or the user's edits; saving
// and printing take whatever it shows. A rebuild replaces it.
class ReportDocument : public QObject, public SideDocument {
    Q_OBJECT

public:
    // Sets up the memo: bold monospace, read-only, both scroll bars.
    ReportDocument(RunState &state, const Services &services, QPlainTextEdit *memo,
                   QObject *parent = nullptr);

    // "Оформить": the vehicle data dialog, run modally.
    std::function<void()> editVehicleData;
    // "Настроить" in the extended protocol: the calibration gas editor, run modally; the
    // caller then hands the working kit to applyWorkingKit.
    std::function<void()> editCalibrationGas;
    // "Настроить" otherwise: the options dialog at its graph page.
    std::function<void()> openGraphOptions;
    // After "Сохранить" or the save of unsaved work at an outside end wrote the document file:
    // its path and the lines as written (the test archive records them).
    std::function<void(const QString &path, const QStringList &lines)> documentSaved;
    // A record command took readings, or ClearReport emptied the report: the next save is
    // another document, not a revision of the last one.
    std::function<void(bool cleared)> testChanged;

    // Start-up: the caption of DetailText from the settings, the references of the working
    // kit, then the document.
    void startUp(const CalibrationGasKit &workingKit);
    // Builds the document of the current kind into the memo, dated now.
    void rebuild();
    // A record command ("Nмин.", "Nпов.", "ПГС 1".."ПГС 3"): the shown readings (frozen while
    // the indication is stopped) into slot 0..2; the document is then unsaved and rebuilt.
    // Readings that are not current (the link is lost) are not recorded: the user is told
    // NotCurrentMessage instead.
    void record(int slot);
    static constexpr char16_t NotCurrentMessage[] =
        u"Показания не записаны: нет связи с газоанализатором.";
    // "Оформить": trims the number and detail lines, runs the vehicle data dialog, rebuilds.
    void arrange();
    // After the calibration gas editor: new references, the deviations of every recorded slot
    // against them, the document rebuilt.
    void applyWorkingKit(const CalibrationGasKit &workingKit);
    // "EDIT": the memo can be edited by hand for the rest of the run.
    void allowHandEditing();

    // A document from elsewhere (the test archive's copy) shown as an opened file is: neither
    // TestReport nor ReportUnsaved change, and a rebuild replaces it.
    void showCopy(const QStringList &lines) { show(lines); }

    // The memo's lines, as saved and printed.
    QStringList lines() const;
    const TestReport &report() const { return report_; }

    // SideDocument
    void save() override;      // SaveReport
    void open() override;      // OpenReport
    void clear() override;     // ClearReport, no question
    void print() override;     // PrintReport
    void configure() override; // the calibration gas editor or the options
    bool unsaved() const override;
    // The memo's lines into a "Восстановлен_..." file, as "Сохранить" would save them.
    QString saveRecovered(const QString &folder, const QDateTime &now) override;

protected:
    // Esc released in the memo rebuilds the document, dropping edits and opened files.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QString textFolder() const;
    void show(const QStringList &lines);

    RunState &state_;
    const Services &services_;
    QPlainTextEdit *memo_;
    TestReport report_;
};
