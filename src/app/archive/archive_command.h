#pragma once

#include "archive_record.h"

#include <QObject>
#include <QStringList>

#include <functional>

class ArchiveDialog;
class QAction;
class QWidget;
class ReportDocument;
class TestArchive;
struct RunState;
struct Services;

// The menu item "Архив испытаний...": opens the archive dialog over the window's archive (or
// says there is none), and puts a test's document into the report view as a copy, asking
// first about an unsaved report as closing does.
class ArchiveCommand : public QObject {
    Q_OBJECT

public:
    struct Hooks {
        std::function<TestArchive *()> archive; // null while no archive is open
        std::function<void()> showReport;       // the report view
    };
    static constexpr char16_t NoArchiveMessage[] = u"Архив испытаний не открыт.";

    ArchiveCommand(QAction *item, const RunState &state, const Services &services,
                   ReportDocument &report, QWidget *window, Hooks hooks);

    // The dialog, shown modal to the window (its own loop is not waited on); null when there
    // is no archive.
    ArchiveDialog *open();
    // The record's document in the report view, headed by a line that says it is a copy;
    // false when the operator kept the unsaved report (cancelled, or its save did not happen).
    bool openCopy(const ArchiveRecord &record);
    // The lines the report view shows for the record.
    static QStringList copyLines(const ArchiveRecord &record);

private:
    bool reportMayBeReplaced();

    const RunState &state_;
    const Services &services_;
    ReportDocument &report_;
    QWidget *window_;
    Hooks hooks_;
};
