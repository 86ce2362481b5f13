#include "tpagesdlg.h"

#include "app_settings.h"
#include "port_names.h"
#include "radio_group.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

const char *const PageTitles[TPagesDlg::PageCount] = {"Общие", "Цвет", "График", "Управл.",
                                                      "Нормы", "Порт", "Прочее", "Показания"};

} // namespace

TPagesDlg::TPagesDlg(AppSettings &settings, QWidget *parent)
    : QDialog(parent), settings_(settings), pages_(new QTabWidget(this)) {
    setObjectName("PagesDlg");
    setWindowTitle(QStringLiteral("Опции"));
    pages_->setObjectName("PageControl1");
    for (int page = 0; page < PageCount; ++page) {
        QWidget *sheet = page == Port ? buildPortPage() : new QWidget;
        sheet->setObjectName(QStringLiteral("TabSheet%1").arg(page + 1));
        pages_->addTab(sheet, QString::fromUtf8(PageTitles[page]));
    }

    auto *buttons = new QDialogButtonBox(this);
    QPushButton *ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    QPushButton *cancel =
        buttons->addButton(QStringLiteral("Отмена"), QDialogButtonBox::RejectRole);
    ok->setObjectName("OKBtn");
    cancel->setObjectName("CancelBtn");
    connect(ok, &QPushButton::clicked, this, [this] {
        applyOk();
        accept();
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(pages_);
    layout->addWidget(buttons);
}

QWidget *TPagesDlg::buildPortPage() {
    auto *page = new QWidget;
    portMode_ = new RadioGroup(
        "RadioGroup8", QString(),
        {QStringLiteral("Опрос портов"), QStringLiteral("Фиксированный порт")}, 1, page);
    scanRange_ = new RadioGroup("RadioGroup4", QStringLiteral("Опрос портов"),
                                {QStringLiteral("  COM1...COM2"), QStringLiteral("  COM1...COM4"),
                                 QStringLiteral("  COM1...COM8")},
                                1, page);
    QStringList ports;
    for (int port = 1; port <= 8; ++port)
        ports << PortNames::displayName(port);
    fixedPort_ = new RadioGroup("RadioGroup7", QStringLiteral("Фиксир.порт"), ports, 2, page);

    connectAtStart_ = new QCheckBox(QStringLiteral("Связь со старта программы"), page);
    connectAtStart_->setObjectName("CheckBox5");
    auto *connectButton = new QPushButton(QStringLiteral("Связь"), page);
    connectButton->setObjectName("BitBtn1");
    progress_ = new QProgressBar(page);
    progress_->setObjectName("ProgressBar1");
    progress_->setRange(0, 100);
    progress_->setValue(0);
    portStatus_ = new QLineEdit(QStringLiteral("  Связь не установлена."), page);
    portStatus_->setObjectName("Edit17");
    portStatus_->setReadOnly(true);

    // Port choices take effect at once.
    connect(scanRange_, &RadioGroup::itemClicked, this,
            [this](int index) { settings_.PortScanRange = index; });
    connect(fixedPort_, &RadioGroup::itemClicked, this,
            [this](int index) { settings_.FixedPort = index + 1; });
    connect(portMode_, &RadioGroup::itemClicked, this, [this](int index) {
        settings_.PortMode = index;
        followPortMode();
    });
    connect(connectButton, &QPushButton::clicked, this, &TPagesDlg::connectRequested);

    auto *grid = new QGridLayout(page);
    grid->addWidget(portMode_, 0, 0);
    grid->addWidget(scanRange_, 1, 0);
    grid->addWidget(fixedPort_, 0, 1, 2, 1);
    grid->addWidget(connectAtStart_, 2, 0, 1, 2);
    grid->addWidget(connectButton, 3, 0);
    grid->addWidget(progress_, 3, 1);
    grid->addWidget(portStatus_, 4, 0, 1, 2);
    grid->setRowStretch(5, 1);
    return page;
}

void TPagesDlg::followPortMode() {
    scanRange_->setEnabled(settings_.PortMode == 0);
    fixedPort_->setEnabled(settings_.PortMode == 1);
}

void TPagesDlg::loadFromSettings() {
    portMode_->setItemIndex(settings_.PortMode);
    scanRange_->setItemIndex(settings_.PortScanRange);
    fixedPort_->setItemIndex(settings_.FixedPort - 1);
    connectAtStart_->setChecked(settings_.ConnectAtStart != 0);
    followPortMode();
    // Which device stands behind each port name on this computer.
    for (int port = 1; port <= 8; ++port) {
        auto *button =
            fixedPort_->findChild<QRadioButton *>(QStringLiteral("RadioGroup7_%1").arg(port - 1));
        const QString device = PortNames::devicePath(port);
        button->setToolTip(device.isEmpty() ? QStringLiteral("нет порта") : device);
    }
}

void TPagesDlg::showEvent(QShowEvent *event) {
    loadFromSettings();
    QDialog::showEvent(event);
}

void TPagesDlg::applyOk() {
    settings_.ConnectAtStart = connectAtStart_->isChecked() ? 1 : 0;
}

void TPagesDlg::openAt(Page page, bool modal) {
    pages_->setCurrentIndex(page);
    if (modal) {
        exec();
    } else {
        show();
        raise();
    }
}

void TPagesDlg::setPortStatus(const QString &text) {
    portStatus_->setText(text);
}

void TPagesDlg::setSearchProgress(int percent) {
    progress_->setValue(percent);
}
