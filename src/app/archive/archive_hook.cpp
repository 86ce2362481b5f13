#include "archive_hook.h"

#include "archive_record_builder.h"
#include "clock.h"
#include "graph_file_match.h"
#include "norms_panel.h"
#include "report_document.h"
#include "run_state.h"
#include "services.h"
#include "test_archive.h"
#include "user_prompts.h"
#include "working_folder.h"

#include <QUuid>

ArchiveHook::ArchiveHook(const RunState &state, const Services &services, const NormsPanel &norms,
                         ReportDocument &document, TestArchive &archive)
    : state_(state), services_(services), norms_(norms), document_(document), archive_(archive),
      testStarted_(services.clock->now()) {
    document.documentSaved = [this](const QString &path, const QStringList &lines) {
        documentSaved(path, lines);
    };
    document.testChanged = [this](bool cleared) { testChanged(cleared); };
}

void ArchiveHook::testChanged(bool cleared) {
    firstRecordId_.clear();
    firstRecordFile_.clear();
    if (cleared)
        testStarted_ = services_.clock->now();
}

void ArchiveHook::documentSaved(const QString &path, const QStringList &lines) {
    const AppSettings &settings = state_.Settings;
    ArchiveRecord record = BuildArchiveRecord(
        {document_.report(), state_.Vehicle, settings.ReportKind, settings.VehicleCategory,
         settings.CatalystKind, norms_.selectedLimits(), lines, path, services_.clock->now()});
    record.id = QUuid::createUuid().toString(QUuid::WithoutBraces);
    if (!firstRecordId_.isEmpty() && firstRecordFile_ == path) {
        record.revisionOf = firstRecordId_;
    } else {
        firstRecordId_ = record.id;
        firstRecordFile_ = path;
    }
    record.graphFileName = GraphFileFor(services_.folder->filePath(DataFileNames::GraphFolder),
                                        record.vehicleNumber, testStarted_);
    const TestArchive::AddResult added = archive_.add(record);
    if (!added.stored && !added.queued)
        services_.prompts->message(QString::fromUtf16(NotTakenMessage).arg(added.reason));
}
