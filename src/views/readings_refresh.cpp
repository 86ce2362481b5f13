#include "readings_refresh.h"

#include "app_settings.h"
#include "clock.h"
#include "current_readings.h"
#include "view_ids.h"

#include <QLocale>
#include <QTimer>

ReadingsRefresh::ReadingsRefresh(QTimer &timerTab, const CurrentReadings &readings,
                                 const AppSettings &settings, const bool &indicationRunning,
                                 const ReadingsView::Controls &controls, Clock &clock,
                                 QObject *parent)
    : QObject(parent), timerTab_(timerTab), readings_(readings), settings_(settings),
      indicationRunning_(indicationRunning), clock_(clock), view_(controls) {
    connect(&timerTab_, &QTimer::timeout, this, &ReadingsRefresh::TimerTabTimer);
}

void ReadingsRefresh::TimerTabTimer() {
    // A slow tick must not be entered again by the next timeout.
    timerTab_.stop();

    const QLocale locale;
    const bool modeIndication = settings_.OldAnalyser == 0;
    // The texts are built from a copy: the readings belong to their source.
    CurrentReadings shown = readings_;
    const ReadingsTexts texts = readingsTexts(shown, modeIndication, locale);
    view_.show(texts);

    if (settings_.CurrentView == ViewId::Table) {
        // The analyser's clock as last read is no clock once the link is lost.
        const bool current = readings_.ReadingsCurrent;
        view_.showClock(clock_.now(), current ? readings_.deviceDateText : QString(),
                        current ? readings_.deviceTimeText : QString(),
                        settings_.NoBuiltInPrinter != 0, locale);
    }

    emit graphPanelTexts(texts.graphPanel);

    if (indicationRunning_) {
        timerTab_.start();
    } else {
        // Frozen: the views keep what was just shown, and the next start runs at the
        // configured pace rather than the 1 ms of the last tick.
        timerTab_.setInterval(qMax(0, settings_.ViewInterval[0]));
    }
}

void ReadingsRefresh::resetModeTitles() {
    view_.resetModeTitles();
}
