#pragma once

#include "fault_plan.h"
#include "memory_watch.h"
#include "sample_watch.h"
#include "written_files.h"

#include <QElapsedTimer>
#include <QStringList>

#include <array>

class Station;

// A station's day, compressed: the program polls the emulator and records the graph while
// faults come every few seconds, each followed by the wait for the readings to come back; at
// the end the checks, and the figures printed.
class SoakRun {
public:
    // memoryLimitKb: the most the peak resident size may grow after the first minute; 0 only
    // reports the growth (a short run cannot tell warm-up from a leak, nor can a sanitizer's
    // quarantine).
    SoakRun(Station &station, unsigned seed, int minutes, qint64 memoryLimitKb);

    // 0 when every check passed.
    int run();

private:
    void perform(const FaultStep &step);
    void silence(int durationMs);
    void garbage(int bytes);
    void portGone(int durationMs);
    void demonstration(int durationMs);
    void graphSavedAndOpened();
    void reportSaved();
    void fullDiskSave();
    // Saves the report into the text folder under the name; true when it was saved.
    bool saveReport(const QString &path);
    // Waits for the readings to come back after a fault and keeps the recording going.
    void recover(Fault fault);
    // Waits for one more sample of the record.
    bool waitSample(int timeoutMs);
    void checkJournal(const char *when);
    void finalChecks();
    void printFigures() const;
    void fail(const QString &what);

    Station &station_;
    const unsigned seed_;
    const qint64 runMs_;
    const qint64 memoryLimitKb_;
    FaultPlan plan_;
    SampleWatch samples_;
    MemoryWatch memory_;
    WrittenFiles files_;
    QElapsedTimer clock_;
    std::array<int, kFaultKinds> faults_{};
    qint64 longestRecoveryMs_ = 0;
    int filesSaved_ = 0;
    MemoryWatch::Figures memoryAtEnd_;
    QStringList failures_;
};
