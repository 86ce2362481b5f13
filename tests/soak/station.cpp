#include "station.h"

#include "graph_view.h"
#include "link_controller.h"
#include "tform1.h"

#include <QFile>
#include <QToolButton>
#include <QtTest>

Station::Station() : com1_(folder_.filePath("COM1")) {}

Station::~Station() {
    window_.reset();
    emulator_.reset();
}

bool Station::startEmulator() {
    emulator_ = std::make_unique<EmulatorProcess>();
    if (!emulator_->start())
        return false;
    QFile::remove(com1_);
    return QFile::link(emulator_->devicePath(), com1_);
}

bool Station::start() {
    if (!folder_.isValid() || !startEmulator())
        return false;
    qputenv("VELANTAR_PORTS", com1_.toLocal8Bit());
    TForm1::Environment environment;
    environment.workingDirectory = folder_.path();
    environment.prompts = &prompts_;
    environment.fileDialogs = &dialogs_;
    window_ = std::make_unique<TForm1>(environment);
    window_->show();
    return true;
}

bool Station::live() const {
    return window_->link().isPolling() && window_->state().readings().ReadingsCurrent;
}

bool Station::waitLive(int timeoutMs) {
    return QTest::qWaitFor([this] { return live(); }, timeoutMs);
}

void Station::killEmulator() {
    emulator_->kill();
}

bool Station::restartEmulator() {
    return startEmulator();
}

void Station::click(const char *buttonName) {
    window_->findChild<QToolButton *>(buttonName)->click();
}

void Station::keepRecording() {
    if (!window_->graph().isRecording())
        window_->graph().BitBtn7Click();
}
