#include "readings_source.h"

#include "readings_copy.h"
#include "status_texts.h"

namespace {

// At start-up nothing has been read, yet the readings count as current until a feed says
// otherwise.
constexpr bool CurrentAtStart = true;

} // namespace

ReadingsSource::ReadingsSource(QObject *parent) : QObject(parent) {
    readings_.ReadingsCurrent = CurrentAtStart;
}

QString ReadingsSource::runningLinkStatus() const {
    if (polling_)
        return readings_.analyserKind == AnalyserKind::TwoComponent
                   ? LinkStatus::TwoComponent.toString()
                   : LinkStatus::FourComponent.toString();
    if (demonstrating_)
        return LinkStatus::Demonstration.toString();
    return LinkStatus::NotConnected.toString();
}

void ReadingsSource::searchStarted() {
    if (polling_)
        setCurrent(false);
    polling_ = false;
    setLinkStatus(LinkStatus::NotConnected.toString());
}

void ReadingsSource::analyserFound(AnalyserKind kind) {
    polling_ = true;
    switch (kind) {
    case AnalyserKind::TwoComponent:
        setLinkStatus(LinkStatus::TwoComponent.toString());
        break;
    case AnalyserKind::FourComponent:
        setLinkStatus(LinkStatus::FourComponent.toString());
        break;
    case AnalyserKind::Unknown:
        setLinkStatus(LinkStatus::UnknownAnalyser.toString());
        break;
    }
    readings_.analyserKind = kind;
    emit readingsChanged();
    setCurrent(false);
}

void ReadingsSource::takeDecoded(const TVelantar &analyser, bool modeIndication) {
    copyDecodedReadings(analyser, modeIndication, readings_);
    emit readingsChanged();
}

void ReadingsSource::takeDeviceClock(const QString &dateText, const QString &timeText) {
    readings_.deviceDateText = dateText;
    readings_.deviceTimeText = timeText;
    emit readingsChanged();
}

void ReadingsSource::cycleAnswered() {
    setCurrent(true);
}

void ReadingsSource::linkLost() {
    polling_ = false;
    setCurrent(false);
    setLinkStatus(LinkStatus::NotConnected.toString());
}

void ReadingsSource::pollingStopped() {
    polling_ = false;
}

void ReadingsSource::demonstrationSwitched(bool running, const QString &linkStatus) {
    demonstrating_ = running;
    setLinkStatus(linkStatus);
}

void ReadingsSource::demonstrationInterrupted() {
    demonstrating_ = false;
}

void ReadingsSource::demonstrationSample(const ReadingSample &sample) {
    readings_.sample = sample;
    emit readingsChanged();
    setCurrent(true);
}

void ReadingsSource::setCurrent(bool current) {
    if (readings_.ReadingsCurrent == current)
        return;
    readings_.ReadingsCurrent = current;
    emit currencyChanged(current);
}

void ReadingsSource::setLinkStatus(const QString &text) {
    linkStatus_ = text;
    emit linkStatusChanged(text);
}
