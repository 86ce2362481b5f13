#include "archive_wiring.h"

#include "archive_command.h"
#include "archive_hook.h"
#include "archive_server_settings.h"
#include "services.h"
#include "station_archive.h"
#include "status_line.h"
#include "tpagesdlg.h"
#include "user_prompts.h"
#include "working_folder.h"

#include <QDir>

ArchiveWiring::ArchiveWiring(const RunState &state, const Services &services,
                             const NormsPanel &norms, ReportDocument &document,
                             StatusLine &statusLine, QObject *parent)
    : QObject(parent), state_(state), services_(services), document_(document),
      archive_(
          new StationArchive(services.folder->text(), *services.clock, *services.prompts, this)),
      hook_(std::make_unique<ArchiveHook>(state, services, norms, document, *archive_)) {
    connect(archive_, &StationArchive::statusChanged, this,
            [this, &statusLine] { statusLine.showArchiveStatus(archive_->statusText()); });
}

ArchiveWiring::~ArchiveWiring() = default;

TestArchive &ArchiveWiring::archive() const {
    return *archive_;
}

void ArchiveWiring::bindWindow(QAction *menuItem, TPagesDlg &options, QWidget *window,
                               TestArchive *given, std::function<void()> showReport) {
    TestArchive *shown = given ? given : archive_;
    new ArchiveCommand(menuItem, state_, services_, document_, window,
                       {[shown] { return shown; }, std::move(showReport)});
    options.archiveServerSettings = [this] { return serverSettings_; };
    connect(&options, &TPagesDlg::archiveServerChanged, this, &ArchiveWiring::applyServerSettings);
}

void ArchiveWiring::startUp() {
    const ArchiveServerFile::Loaded loaded = ArchiveServerFile::load(services_.folder->text());
    if (!loaded.warning.isEmpty())
        services_.prompts->message(loaded.warning);
    serverSettings_ = loaded.settings;
    // The server first, so the records the last run could not store join its queue.
    archive_->setServer(serverSettings_);
    archive_->storePending();
}

void ArchiveWiring::applyServerSettings(const ArchiveServerSettings &settings) {
    const ArchiveServerFile::Saved saved =
        ArchiveServerFile::save(services_.folder->text(), settings);
    if (!saved.ok)
        services_.prompts->message(QStringLiteral("Настройки архива не сохранены: ") + saved.error);
    serverSettings_ = settings;
    archive_->setServer(settings);
}
