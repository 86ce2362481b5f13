#pragma once

#include "archive_server_settings.h"

#include <QObject>

#include <functional>
#include <memory>

class ArchiveHook;
class QAction;
class QWidget;
class TPagesDlg;
class NormsPanel;
class ReportDocument;
class StationArchive;
class StatusLine;
class TestArchive;
struct RunState;
struct Services;

// The test archive in the main window: the post's archive in the working folder (and the
// station server its "archive.ini" names), the record of every saved document, and the
// archive's trouble in the status line.
class ArchiveWiring : public QObject {
    Q_OBJECT

public:
    ArchiveWiring(const RunState &state, const Services &services, const NormsPanel &norms,
                  ReportDocument &document, StatusLine &statusLine, QObject *parent);
    ~ArchiveWiring() override;

    TestArchive &archive() const;
    // The menu item "Архив испытаний..." over the given archive (tests), else the post's own,
    // and the options dialog's server group.
    void bindWindow(QAction *menuItem, TPagesDlg &options, QWidget *window, TestArchive *given,
                    std::function<void()> showReport);
    // Start-up: the server settings read; a password file others may read is told about.
    void startUp();
    // The options changed the server settings: saved and used from now on.
    void applyServerSettings(const ArchiveServerSettings &settings);
    // The server settings in force (no host: the archive stays on this post).
    const ArchiveServerSettings &serverSettings() const { return serverSettings_; }

private:
    const RunState &state_;
    const Services &services_;
    ReportDocument &document_;
    StationArchive *archive_;
    std::unique_ptr<ArchiveHook> hook_;
    ArchiveServerSettings serverSettings_;
};
