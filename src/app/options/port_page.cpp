#include "port_page.h"

#include "app_settings.h"
#include "archive_server_group.h"
#include "port_names.h"
#include "radio_group.h"
#include "serial_port_policy.h"
#include "settings_ranges.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>

using SettingsRanges::fieldIndex;

namespace {

constexpr int kPortCount = 8;

QString deviceText(const QString &device) {
    return device.isEmpty() ? QStringLiteral("нет порта") : device;
}

} // namespace

PortPage::PortPage(SettingsStore &settings, UserPrompts &prompts, QWidget *parent)
    : OptionsPage(settings, prompts, parent), accessDenied(SerialPortPolicy::accessDenied) {
    RadioGroup *portMode =
        radioGroup("RadioGroup8", QString(),
                   {QStringLiteral("Опрос портов"), QStringLiteral("Фиксированный порт")},
                   fieldIndex(&AppSettings::PortMode), Applied::AtOnce);
    scanRange_ = radioGroup("RadioGroup4", QStringLiteral("Опрос портов"),
                            {QStringLiteral("  COM1...COM2"), QStringLiteral("  COM1...COM4"),
                             QStringLiteral("  COM1...COM8")},
                            fieldIndex(&AppSettings::PortScanRange), Applied::AtOnce);
    QStringList ports;
    for (int port = 1; port <= kPortCount; ++port)
        ports << PortNames::displayName(port);
    fixedPort_ = radioGroup("RadioGroup7", QStringLiteral("Фиксир.порт"), ports,
                            fieldIndex(&AppSettings::FixedPort), Applied::AtOnce, 2, 1);
    QCheckBox *connectAtStart =
        checkBox("CheckBox5", QStringLiteral("Связь со старта программы"),
                 fieldIndex(&AppSettings::ConnectAtStart), false, Applied::OnOk);

    // Which device each port name stands for, in the columns of RadioGroup7.
    auto *devices = new QWidget(this);
    devices->setObjectName("PortDevices");
    auto *deviceGrid = new QGridLayout(devices);
    deviceGrid->setContentsMargins(0, 0, 0, 0);
    for (int port = 1; port <= kPortCount; ++port) {
        auto *label = new QLabel(devices);
        label->setObjectName(QStringLiteral("PortDevice%1").arg(port));
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        deviceGrid->addWidget(label, (port - 1) % 4, (port - 1) / 4);
        devices_[port - 1] = label;
    }

    auto *connectButton = new QPushButton(QStringLiteral("Связь"), this);
    connectButton->setObjectName("BitBtn1");
    connectButton->setProperty("appliesAtOnce", true);
    connect(connectButton, &QPushButton::clicked, this, &PortPage::connectRequested);
    progress_ = new QProgressBar(this);
    progress_->setObjectName("ProgressBar1");
    progress_->setRange(0, 100);
    progress_->setValue(0);
    portStatus_ = new QLineEdit(QStringLiteral("  Связь не установлена."), this);
    portStatus_->setObjectName("Edit17");
    portStatus_->setReadOnly(true);

    auto *grid = new QGridLayout(this);
    grid->addWidget(portMode, 0, 0);
    grid->addWidget(scanRange_, 1, 0);
    grid->addWidget(fixedPort_, 0, 1, 2, 1);
    grid->addWidget(devices, 2, 0, 1, 2);
    grid->addWidget(connectAtStart, 3, 0, 1, 2);
    grid->addWidget(connectButton, 4, 0);
    grid->addWidget(progress_, 4, 1);
    grid->addWidget(portStatus_, 5, 0, 1, 2);
    archiveServer_ = new ArchiveServerGroup(this);
    grid->addWidget(archiveServer_, 6, 0, 1, 2);
    grid->setRowStretch(7, 1);
}

void PortPage::loaded() {
    followPortMode();
    showDevices();
}

void PortPage::fieldApplied(int field) {
    if (field == fieldIndex(&AppSettings::PortMode))
        followPortMode();
}

void PortPage::followPortMode() {
    scanRange_->setEnabled(settings().PortMode == 0);
    fixedPort_->setEnabled(settings().PortMode == 1);
}

void PortPage::showDevices() {
    // Looked up at every show: adapters come and go.
    for (int port = 1; port <= kPortCount; ++port) {
        const QString device = PortNames::devicePath(port);
        const QString mark = accessDenied(device) ? QStringLiteral(" (нет доступа)") : QString();
        fixedPort_->item(port - 1)->setToolTip(deviceText(device));
        devices_[port - 1]->setText(PortNames::displayName(port) + QStringLiteral(": ") +
                                    deviceText(device) + mark);
    }
}

void PortPage::setPortStatus(const QString &text) {
    portStatus_->setText(text);
}

void PortPage::setSearchProgress(int percent) {
    progress_->setValue(percent);
}
