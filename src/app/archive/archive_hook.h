#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

class NormsPanel;
class ReportDocument;
class TestArchive;
struct RunState;
struct Services;

// Every saved test document becomes a record of the test archive, in the same step: built
// from the report, the vehicle texts and the norms in force, with the graph file saved for
// the same vehicle since the report was last cleared. Saving the same file again, with no
// recording or clearing in between, records a revision of the first record. The archive never
// fails the save: when it did not take the record the operator is told so once, and the
// archive keeps trying.
class ArchiveHook {
public:
    ArchiveHook(const RunState &state, const Services &services, const NormsPanel &norms,
                ReportDocument &document, TestArchive &archive);

    static constexpr char16_t NotTakenMessage[] =
        u"Испытание не записано в архив: %1. Документ сохранен; запись в архив будет повторена.";

private:
    void documentSaved(const QString &path, const QStringList &lines);
    void testChanged(bool cleared);

    const RunState &state_;
    const Services &services_;
    const NormsPanel &norms_;
    const ReportDocument &document_;
    TestArchive &archive_;
    QDateTime testStarted_;
    QString firstRecordId_; // of the last document saved, until the next recording
    QString firstRecordFile_;
};
