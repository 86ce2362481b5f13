#include "sample_watch.h"

#include "demonstration_controller.h"
#include "graph_view.h"
#include "link_controller.h"
#include "tform1.h"

#include <QTimer>

SampleWatch::SampleWatch(TForm1 &window) : window_(window) {
    auto *timer = window.findChild<QTimer *>("TimerGRP");
    connect(timer, &QTimer::timeout, this, &SampleWatch::afterTick);
    resync();
}

void SampleWatch::resync() {
    const GraphBuffer &record = window_.graph().recorder().buffer();
    count_ = record.count();
    newestMs_ = record.isEmpty() ? -1 : record.msecsOfDay(record.count() - 1);
}

void SampleWatch::afterTick() {
    const int count = count_;
    const qint32 newestMs = newestMs_;
    resync();
    const bool current = window_.state().readings().ReadingsCurrent;
    if (!current && !inGap_)
        ++gaps_;
    inGap_ = !current;
    if (count_ == count && newestMs_ == newestMs)
        return;
    ++samples_;
    if (!current)
        ++notCurrentSamples_;
    if (!window_.link().isPolling() && !window_.demonstration().isRunning())
        ++sourcelessSamples_;
}
