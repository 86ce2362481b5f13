#pragma once

#include <QString>

#include <array>
#include <random>

// What the soak does to the program, one fault at a time.
enum class Fault {
    Silence,       // the analyser stops answering for a few seconds
    Garbage,       // a burst of random bytes on the line
    PortGone,      // the emulator killed; a new one behind the same COM1 a few seconds later
    Demonstration, // the demonstration on, then off, then "Связь"
    Connect,       // "Связь" while polling
    GraphSaveOpen, // the graph saved, then opened again
    ReportSave,    // a measurement recorded in the report, the report saved
    FullDiskSave,  // one report save on a full disk
};
inline constexpr int kFaultKinds = 8;

QString faultName(Fault fault);

// One step of the plan: the quiet time before the fault, the fault and its size.
struct FaultStep {
    int pauseMs = 0;
    Fault fault = Fault::Connect;
    int durationMs = 0;   // silence, the port gone, the demonstration
    int garbageBytes = 0; // the burst
};

// The faults of a run, drawn from a fixed seed so a run can be repeated: a fault every
// 3..8 s, each of the everyday kinds equally likely, and the full disk once, at the first
// fault after a third of the run.
class FaultPlan {
public:
    FaultPlan(unsigned seed, qint64 runMs);
    FaultStep next(qint64 elapsedMs);

private:
    int draw(int low, int high);

    std::mt19937 random_;
    qint64 fullDiskAtMs_;
    bool fullDiskDone_ = false;
};
