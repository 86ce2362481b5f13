#pragma once

#include "options_page.h"

#include <array>
#include <functional>

class ArchiveServerGroup;
class QLabel;
class QLineEdit;
class QProgressBar;
class RadioGroup;

// "Порт": how the analyser is searched for (the range of ports, or one fixed port), whether
// the link starts with the program, the "Связь" button, and the link's state: the search
// progress and the status field. It also tells which device stands behind each port name.
class PortPage : public OptionsPage {
    Q_OBJECT

public:
    PortPage(SettingsStore &settings, UserPrompts &prompts, QWidget *parent = nullptr);

    void setPortStatus(const QString &text);
    void setSearchProgress(int percent);
    // The station's archive server, below the link's controls.
    ArchiveServerGroup *archiveServer() const { return archiveServer_; }

    // Whether this user may not open a device; the page marks such a device "нет доступа".
    // Tests that run as root, whom no device refuses, give their own.
    std::function<bool(const QString &)> accessDenied;

signals:
    // "Связь".
    void connectRequested();

protected:
    void loaded() override;
    void fieldApplied(int field) override;

private:
    void followPortMode();
    void showDevices();

    RadioGroup *scanRange_;             // RadioGroup4
    RadioGroup *fixedPort_;             // RadioGroup7
    std::array<QLabel *, 8> devices_{}; // the devices of COM1..COM8
    QLineEdit *portStatus_;             // Edit17
    QProgressBar *progress_;            // ProgressBar1
    ArchiveServerGroup *archiveServer_;
};
