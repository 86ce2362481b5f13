#include "link_controller.h"

#include "app_settings.h"
#include "link_view.h"
#include "port_names.h"
#include "readings_copy.h"
#include "serial_channel.h"
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

LinkController::LinkController(SerialChannel &serial, TVelantar &analyser, AppSettings &settings,
                               CurrentReadings &readings, LinkView &view, UserPrompts &prompts,
                               QObject *parent)
    : QObject(parent), serial_(serial), analyser_(analyser), settings_(settings),
      readings_(readings), view_(view), prompts_(prompts), cycle_(analyser, serial) {
    StartTimer.setObjectName("StartTimer");
    Timer1.setObjectName("Timer1");
    Timer2.setObjectName("Timer2");
    StartTimer.setInterval(DetectionIntervalMs);
    Timer1.setInterval(IntervalAfterReset);
    Timer2.setInterval(IntervalAfterReset);
    Timer1.setTimerType(Qt::PreciseTimer);
    Timer2.setTimerType(Qt::PreciseTimer);
    connect(&StartTimer, &QTimer::timeout, this, &LinkController::StartTimerTimer);
    connect(&Timer1, &QTimer::timeout, this, &LinkController::Timer1Timer);
    connect(&Timer2, &QTimer::timeout, this, &LinkController::Timer2Timer);

    formatDate = [](const QDate &date) { return QLocale().toString(date, QLocale::ShortFormat); };
    formatTime = [](const QTime &time) { return time.toString(QStringLiteral("HH:mm:ss")); };
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
    view_.linkStarting();
    view_.setLinkStatus(LinkStatus::NotConnected.toString());
    view_.setIndicationToggleEnabled(false);
    view_.setSearchProgress(0);
    view_.setSearchProgressVisible(true);

    analyser_.Reset();
    cycle_.resetForConnection();
    Timer1.stop();
    Timer2.stop();
    Timer1.setInterval(IntervalAfterReset);
    Timer2.setInterval(IntervalAfterReset);
    analyser_.FrameAssembler.count = 0;

    StartTimer.start();
}

void LinkController::stop() {
    StartTimer.stop();
    Timer1.stop();
    Timer2.stop();
}

void LinkController::StartTimerTimer() {
    const int ports = portCount();
    view_.setSearchProgress((analyser_.attempts + 1) * 100 / (2 * ports + 1));

    const bool fixedMode = settings_.PortMode == 1;
    if (analyser_.Detect(serial_, ports, fixedMode, settings_.FixedPort))
        found();
    else if (analyser_.attempts > 2 * ports)
        giveUp();
}

void LinkController::giveUp() {
    StartTimer.stop();
    view_.setPortStatus(QStringLiteral("Прибор не обнаружен."));
    view_.setSearchProgress(0);
    view_.showPortPage();
    prompts_.warningOkCancel(QStringLiteral("Прибор не обнаружен !"));
    view_.setSearchProgressVisible(false);
    view_.setIndicationToggleEnabled(true);
}

void LinkController::found() {
    StartTimer.stop();
    Timer1.start();
    Timer2.start();

    const int port = serial_.PortNumber();
    view_.setPortStatus(QStringLiteral("Тип прибора: ") + analyser_.typeName +
                        QStringLiteral("  Порт: ") + PortNames::displayName(port));
    view_.setSearchProgress(0);
    view_.setSearchProgressVisible(false);
    settings_.FixedPort = port;

    AnalyserKind kind = AnalyserKind::Unknown;
    if (analyser_.typeName == TVelantar::TwoComponentTypeName) {
        kind = AnalyserKind::TwoComponent;
        view_.setLinkStatus(LinkStatus::TwoComponent.toString());
        settings_.OldAnalyser = 1;
    } else if (analyser_.typeName == TVelantar::FourComponentTypeName) {
        kind = AnalyserKind::FourComponent;
        view_.setLinkStatus(LinkStatus::FourComponent.toString());
    } else {
        view_.setLinkStatus(LinkStatus::UnknownAnalyser.toString());
    }
    readings_.analyserKind = kind;
    analyser_.SelectAddressMap(kind);
    view_.analyserFound(kind);
    view_.setIndicationToggleEnabled(true);
}

void LinkController::portVanished() {
    Timer1.stop();
    Timer2.stop();
    view_.setLinkStatus(LinkStatus::NotConnected.toString());
    prompts_.message(QStringLiteral("Прибор не подключен!"));
}

void LinkController::Timer1Timer() {
    Timer1.setInterval(ReceiveIntervalMs);

    const int waiting = serial_.BytesWaiting();
    if (waiting > 0) {
        std::vector<quint8> buffer(std::min(waiting, 0xFFFF));
        const int got = serial_.Read(buffer.data(), quint16(buffer.size()));
        if (got > 0)
            analyser_.ParsePollingBytes(std::span(buffer.data(), size_t(got)));
    } else if (analyser_.StateFlags & TVelantar::TypeRequestOutstanding) {
        Timer1.setInterval(LostIntervalMs);
        Timer1.stop();
        prompts_.message(QStringLiteral("Прибор не подключен!"));
        view_.analyserLost();
        return;
    } else if (!serial_.IsOpen()) {
        portVanished();
        return;
    }

    const bool modeIndicationOn = settings_.OldAnalyser == 0;
    copyDecodedReadings(analyser_, modeIndicationOn, readings_);
    if (settings_.CurrentView == ViewId::Table) {
        readings_.deviceDateText = formatDate(analyser_.deviceDate);
        readings_.deviceTimeText = formatTime(analyser_.deviceTime);
    }
    if (modeIndicationOn)
        showModes();
}

void LinkController::showModes() {
    const ModeIndication::Update update =
        indication_.apply(readings_.pumpFlags, readings_.modeFlags, readings_.menuFlags);
    view_.showSettingsMenu(update.settingsMenu);
    if (update.pump)
        view_.setPumpIndicator(*update.pump);
    if (update.zeroSettingEnded)
        cycle_.startAfterZeroCycle();
    view_.setFuelIndicator(update.fuel);
}

void LinkController::Timer2Timer() {
    Timer2.setInterval(Timer1.interval() + SendAfterReceiveMs);
    PollCycle::Conditions conditions;
    conditions.modeIndication = settings_.OldAnalyser == 0;
    conditions.printerAndTable =
        settings_.NoBuiltInPrinter == 0 && settings_.CurrentView == ViewId::Table;
    cycle_.tick(conditions);
}
