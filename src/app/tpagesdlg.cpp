#include "tpagesdlg.h"

#include "options/archive_server_group.h"
#include "options/colour_page.h"
#include "options/control_page.h"
#include "options/general_page.h"
#include "options/graph_page.h"
#include "options/norms_page.h"
#include "options/other_colours_page.h"
#include "options/port_page.h"
#include "options/readings_colours_page.h"
#include "run_state.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

const char *const PageTitles[TPagesDlg::PageCount] = {"Общие", "Цвет", "График", "Управл.",
                                                      "Нормы", "Порт", "Прочее", "Показания"};

} // namespace

TPagesDlg::TPagesDlg(RunState &state, UserPrompts &prompts, QWidget *parent)
    : QDialog(parent), state_(state), pages_(new QTabWidget(this)) {
    setObjectName("PagesDlg");
    setWindowTitle(QStringLiteral("Опции"));
    pages_->setObjectName("PageControl1");
    pages_->setUsesScrollButtons(false); // the dialog is as wide as its eight page tabs

    SettingsStore &settings = state_.Store;
    general_ =
        new GeneralPage(settings, prompts, [this] { return state_.readings().analyserKind; });
    port_ = new PortPage(settings, prompts);
    pageWidgets_ = {general_,
                    new ColourPage(settings, prompts),
                    new GraphPage(settings, prompts),
                    new ControlPage(settings, prompts),
                    new NormsPage(settings, prompts),
                    port_,
                    new OtherColoursPage(settings, prompts),
                    new ReadingsColoursPage(settings, prompts)};
    for (int index = 0; index < PageCount; ++index) {
        OptionsPage *sheet = pageWidgets_[index];
        sheet->setObjectName(QStringLiteral("TabSheet%1").arg(index + 1));
        pages_->addTab(sheet, QString::fromUtf8(PageTitles[index]));
        connect(sheet, &OptionsPage::appearanceChanged, this, &TPagesDlg::appearanceChanged);
        connect(sheet, &OptionsPage::graphSettingsChanged, this, &TPagesDlg::graphSettingsChanged);
    }
    connect(general_, &GeneralPage::modeIndicationSwitchedOff, this,
            &TPagesDlg::modeIndicationSwitchedOff);
    connect(general_, &GeneralPage::normalPollingRequested, this,
            &TPagesDlg::normalPollingRequested);
    connect(general_, &GeneralPage::defaultsConfirmed, this, &TPagesDlg::defaultsConfirmed);
    connect(port_, &PortPage::connectRequested, this, &TPagesDlg::connectRequested);

    auto *buttons = new QDialogButtonBox(this);
    QPushButton *ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    QPushButton *cancel =
        buttons->addButton(QStringLiteral("Отмена"), QDialogButtonBox::RejectRole);
    ok->setObjectName("OKBtn");
    cancel->setObjectName("CancelBtn");
    connect(ok, &QPushButton::clicked, this, &TPagesDlg::OKBtnClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(pages_);
    layout->addWidget(buttons);
}

void TPagesDlg::showEvent(QShowEvent *event) {
    for (OptionsPage *sheet : pageWidgets_)
        sheet->load();
    archiveServerShown_ = archiveServerSettings ? archiveServerSettings() : ArchiveServerSettings{};
    port_->archiveServer()->show(archiveServerShown_);
    QDialog::showEvent(event);
}

void TPagesDlg::OKBtnClick() {
    for (OptionsPage *sheet : pageWidgets_)
        sheet->applyOk();
    // What the rest of the window does with the new values, in this order: the refresh
    // intervals; the graph's line width, scrolling, legend and full scales; the window mode,
    // only after a click on its group; the report view's panels; the readings colours.
    emit intervalsChanged();
    emit graphSettingsChanged();
    if (general_->windowModeClicked() && general_->windowMode() >= 0)
        emit windowModeChanged(general_->windowMode());
    emit reportKindChanged();
    emit appearanceChanged();
    const ArchiveServerSettings archiveServer = port_->archiveServer()->entered();
    if (archiveServer != archiveServerShown_)
        emit archiveServerChanged(archiveServer);
    accept();
}

void TPagesDlg::defaultsConfirmed() {
    state_.Flags.ResetSettings = true;
    reject();
    emit resetRequested();
}

void TPagesDlg::openAt(Page page, bool modal) {
    pages_->setCurrentIndex(page);
    if (modal && !modalRunning_) {
        // A dialog already shown non-modally (after a failed search) would stay non-modal
        // under a second show: it opens anew, and modally.
        hide();
        const QScopedValueRollback running(modalRunning_, true);
        runModal(*this);
    } else {
        show();
        raise();
    }
}

void TPagesDlg::setPortStatus(const QString &text) {
    port_->setPortStatus(text);
}

void TPagesDlg::setSearchProgress(int percent) {
    port_->setSearchProgress(percent);
}
