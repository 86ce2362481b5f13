#include "link_controller.h"

#include "app_settings.h"
#include "link_view.h"
#include "log_categories.h"
#include "port_names.h"
#include "readings_source.h"
#include "serial_channel.h"
#include "settings_store.h"
#include "status_texts.h"
#include "tvelantar.h"
#include "user_prompts.h"
#include "view_ids.h"

#include <QLocale>

#include <algorithm>
#include <span>
#include <vector>

namespace {

constexpr int LostIntervalMs = 10000;
constexpr int SendAfterReceiveMs = 20;

} // namespace

LinkController::LinkController(SerialChannel &serial, TVelantar &analyser, SettingsStore &settings,
                               ReadingsSource &source, LinkView &view, UserPrompts &prompts,
                               QObject *parent)
    : QObject(parent), serial_(serial), analyser_(analyser), store_(settings),
      settings_(settings.get()), source_(source), view_(view), prompts_(prompts),
      cycle_(analyser, serial) {
    StartTimer.setObjectName("StartTimer");
    Timer1.setObjectName("Timer1");
    Timer2.setObjectName("Timer2");
    ReconnectTimer.setObjectName("ReconnectTimer");
    ReconnectTimer.setSingleShot(true);
    ReconnectTimer.setInterval(LinkLossPolicy::RetryIntervalMs);
    StartTimer.setInterval(DetectionIntervalMs);
    Timer1.setInterval(IntervalAfterReset);
    Timer2.setInterval(IntervalAfterReset);
    Timer1.setTimerType(Qt::PreciseTimer);
    Timer2.setTimerType(Qt::PreciseTimer);
    connect(&StartTimer, &QTimer::timeout, this, &LinkController::StartTimerTimer);
    connect(&Timer1, &QTimer::timeout, this, &LinkController::Timer1Timer);
    connect(&Timer2, &QTimer::timeout, this, &LinkController::Timer2Timer);
    connect(&ReconnectTimer, &QTimer::timeout, this, &LinkController::ReconnectTimerTimer);

    monotonic_.start();
    elapsedMs = [this] { return monotonic_.elapsed(); };
    formatDate = [](const QDate &date) { return QLocale().toString(date, QLocale::ShortFormat); };
    formatTime = [](const QTime &time) { return time.toString(QStringLiteral("HH:mm:ss")); };
    identifyPort = &PortNames::identityOf;
    findPort = &PortNames::portNumberOf;
}

int LinkController::portCount() const {
    if (settings_.PortMode == 1)
        return 1;
    switch (settings_.PortScanRange) {
    case 1:
        return 4;
    case 2:
        return 8;
    default:
        return 2;
    }
}

void LinkController::startConnection() {
    startSearch(false);
}

void LinkController::ReconnectTimerTimer() {
    startSearch(true);
}

void LinkController::startSearch(bool automatic) {
    const bool wasPolling = isPolling();
    ReconnectTimer.stop();
    automaticSearch_ = automatic;
    // A read failure during a search the link started itself is no reason for a box.
    analyser_.setPrompts(automatic ? nullptr : &prompts_);
    if (!automatic) {
        view_.linkStarting();
        view_.setIndicationToggleEnabled(false);
    }
    source_.searchStarted();
    view_.setSearchProgress(0);
    view_.setSearchProgressVisible(true);

    analyser_.Reset();
    cycle_.resetForConnection();
    stopPolling();
    Timer1.setInterval(IntervalAfterReset);
    Timer2.setInterval(IntervalAfterReset);
    analyser_.discardPartialFrame();
    if (wasPolling)
        showModesUnknown();

    StartTimer.start();
}

void LinkController::stop() {
    StartTimer.stop();
    stopPolling();
    ReconnectTimer.stop();
    lost_ = false;
    automaticSearch_ = false;
}

void LinkController::StartTimerTimer() {
    // After a loss the link looks only where the analyser was (0: that device is gone).
    const bool pinned = automaticSearch_ && !analyserPort_.isNull();
    const int ports = pinned ? 1 : portCount();
    view_.setSearchProgress((analyser_.attempts() + 1) * 100 / (2 * ports + 1));

    const bool fixedMode = pinned || settings_.PortMode == 1;
    const int fixedPort = pinned ? findPort(analyserPort_) : settings_.FixedPort;
    if (analyser_.Detect(serial_, ports, fixedMode, fixedPort))
        found();
    else if (analyser_.attempts() > 2 * ports)
        giveUp();
}

void LinkController::giveUp() {
    StartTimer.stop();
    const LinkLossPolicy::AfterGivingUp next =
        LinkLossPolicy::afterGivingUp(automaticSearch_, lost_);
    view_.setPortStatus(QStringLiteral("Прибор не обнаружен."));
    view_.setSearchProgress(0);
    if (next.tellUser) {
        view_.showPortPage();
        prompts_.warningOkCancel(analyser_.refusedPorts().notFoundWarning());
    }
    view_.setSearchProgressVisible(false);
    view_.setIndicationToggleEnabled(true);
    // The box may have waited for the user while something else started the link again.
    if (next.retry && !isSearching() && !isPolling())
        ReconnectTimer.start();
}

void LinkController::startPolling() {
    Timer1.start();
    Timer2.start();
}

void LinkController::stopPolling() {
    Timer1.stop();
    Timer2.stop();
    source_.pollingStopped();
}

void LinkController::found() {
    StartTimer.stop();
    startPolling();

    const int port = serial_.PortNumber();
    view_.setPortStatus(LinkStatus::AnalyserTypeLabel.toString() + analyser_.typeName() +
                        QStringLiteral("  Порт: ") + PortNames::displayName(port));
    view_.setSearchProgress(0);
    view_.setSearchProgressVisible(false);
    store_.set(&AppSettings::FixedPort, port);
    analyserPort_ = identifyPort(port);
    const bool reconnect = automaticSearch_;

    const AnalyserKind kind = analyser_.kind();
    if (kind == AnalyserKind::TwoComponent)
        store_.set(&AppSettings::OldAnalyser, 1);
    // Nothing has been read from this analyser yet: its readings become current at the end
    // of the first whole poll cycle with answers, so a graph started now records no zeros.
    source_.analyserFound(kind);
    analyser_.SelectAddressMap(kind);
    if (!reconnect)
        view_.analyserFound(kind);
    view_.setIndicationToggleEnabled(true);

    lastAnswerMs_ = elapsedMs();
    requestsSinceAnswer_ = 0;
    answeredSinceDecode_ = false;
    decodePassesSeen_ = cycle_.decodePasses();
    automaticSearch_ = false;
    if (lost_) {
        lost_ = false;
        view_.linkRestored();
    }
}

void LinkController::linkLost(LinkLossPolicy::Health why) {
    Timer1.stop();
    Timer2.stop();
    serial_.Close();
    source_.linkLost();
    lost_ = true;
    // No settings menu of the analyser stays on screen once nothing is polled.
    view_.showSettingsMenu(ModeIndication::NoMenu);
    showModesUnknown();
    view_.linkLost(LinkLossPolicy::lossNotice(why));
    qCWarning(lcLink).noquote() << "link lost:" << LinkLossPolicy::lossNotice(why);
    ReconnectTimer.start();
}

void LinkController::Timer1Timer() {
    Timer1.setInterval(ReceiveIntervalMs);

    const qint64 now = elapsedMs();
    const int waiting = serial_.BytesWaiting();
    if (waiting > 0) {
        std::vector<quint8> buffer(std::min(waiting, 0xFFFF));
        const int got = serial_.Read(buffer.data(), quint16(buffer.size()));
        if (got > 0) {
            analyser_.ParsePollingBytes(std::span(buffer.data(), size_t(got)));
            lastAnswerMs_ = now;
            requestsSinceAnswer_ = 0;
            answeredSinceDecode_ = true;
        }
    } else if (analyser_.stateFlags() & TVelantar::TypeRequestOutstanding) {
        Timer1.setInterval(LostIntervalMs);
        Timer1.stop();
        source_.pollingStopped();
        qCWarning(lcLink) << "no analyser answered on the ports searched";
        prompts_.message(QStringLiteral("Прибор не подключен!"));
        view_.analyserLost();
        return;
    }
    const LinkLossPolicy::Health health =
        LinkLossPolicy::judge(serial_.IsOpen(), now - lastAnswerMs_, requestsSinceAnswer_);
    if (health != LinkLossPolicy::Health::Alive) {
        linkLost(health);
        return;
    }

    const bool modeIndicationOn = settings_.OldAnalyser == 0;
    source_.takeDecoded(analyser_, modeIndicationOn);
    if (settings_.CurrentView == ViewId::Table)
        source_.takeDeviceClock(formatDate(analyser_.decoded().deviceDate),
                                formatTime(analyser_.decoded().deviceTime));
    if (modeIndicationOn)
        showModes();
}

void LinkController::showModes() {
    const CurrentReadings &readings = source_.readings();
    const ModeIndication::Update update =
        indication_.apply(readings.pumpFlags, readings.modeFlags, readings.menuFlags);
    view_.showSettingsMenu(update.settingsMenu);
    if (update.pump)
        view_.setPumpIndicator(*update.pump);
    if (update.zeroSettingEnded)
        cycle_.startAfterZeroCycle();
    view_.setFuelIndicator(update.fuel);
}

void LinkController::showModesUnknown() {
    // With the mode indication off the fields show their plain texts, which stay.
    if (settings_.OldAnalyser != 0)
        return;
    // A zero setting still running after the analyser is back is shown again.
    indication_.zeroSettingShown = false;
    view_.setPumpIndicator(ModeIndication::Unknown);
    view_.setFuelIndicator(ModeIndication::Unknown);
}

void LinkController::Timer2Timer() {
    Timer2.setInterval(Timer1.interval() + SendAfterReceiveMs);
    PollCycle::Conditions conditions;
    conditions.modeIndication = settings_.OldAnalyser == 0;
    conditions.printerAndTable =
        settings_.NoBuiltInPrinter == 0 && settings_.CurrentView == ViewId::Table;
    if (cycle_.tick(conditions))
        ++requestsSinceAnswer_;
    if (cycle_.decodePasses() != decodePassesSeen_) {
        // A whole cycle has asked for every value again: with answers among them, the
        // readings follow the analyser once more.
        decodePassesSeen_ = cycle_.decodePasses();
        if (answeredSinceDecode_)
            source_.cycleAnswered();
        answeredSinceDecode_ = false;
    }
}
