#include "fault_plan.h"

QString faultName(Fault fault) {
    static const std::array<const char *, kFaultKinds> names = {
        "silence",   "garbage burst",          "port gone and back", "demonstration",
        "\"Связь\"", "graph saved and opened", "report saved",       "full disk save",
    };
    return QString::fromUtf8(names[std::size_t(fault)]);
}

FaultPlan::FaultPlan(unsigned seed, qint64 runMs) : random_(seed), fullDiskAtMs_(runMs / 3) {}

int FaultPlan::draw(int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(random_);
}

FaultStep FaultPlan::next(qint64 elapsedMs) {
    FaultStep step;
    step.pauseMs = draw(3000, 8000);
    // The everyday kinds are all but the full disk, which comes once.
    step.fault = Fault(draw(0, int(Fault::ReportSave)));
    if (!fullDiskDone_ && elapsedMs + step.pauseMs >= fullDiskAtMs_) {
        step.fault = Fault::FullDiskSave;
        fullDiskDone_ = true;
    }
    step.durationMs = draw(2000, 6000);
    step.garbageBytes = draw(1, 600);
    return step;
}
