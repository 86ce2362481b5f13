#include "readings_source.h"

#include "readings_copy.h"
#include "status_texts.h"

// Nothing has been read at start-up: the readings count as current only once a feed
// delivers them.
ReadingsSource::ReadingsSource(QObject *parent)
    : QObject(parent), linkStatus_(LinkStatus::NotConnected.toString()) {
    readings_.ReadingsCurrent = false;
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
    if (polling_)
        setCurrent(false);
    polling_ = false;
}

void ReadingsSource::demonstrationSwitched(bool running, const QString &linkStatus) {
    demonstrating_ = running;
    // Switched on, its first tick makes the readings current; switched off, its last values
    // are no longer live.
    setCurrent(false);
    setLinkStatus(linkStatus);
}

void ReadingsSource::demonstrationInterrupted() {
    demonstrating_ = false;
    setCurrent(false);
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
