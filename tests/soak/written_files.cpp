#include "written_files.h"

#include "graph_file.h"
#include "graph_journal.h"
#include "report_file.h"

void WrittenFiles::expectGraph(const QString &path, const GraphBuffer &record) {
    Graph graph{path, {}};
    for (int i = 0; i < record.count(); ++i)
        graph.samples.push_back({record.recorded(i), record.msecsOfDay(i) / 1000});
    graphs_.push_back(std::move(graph));
}

void WrittenFiles::expectReport(const QString &path, const QStringList &lines) {
    reports_.push_back({path, lines});
}

QString WrittenFiles::graphMismatch(const Graph &graph) const {
    const GraphFile::ReadResult file = GraphFile::open(graph.path);
    if (file.status != GraphFile::ReadStatus::Ok)
        return QStringLiteral("not read whole: ") + file.error;
    if (file.samples.size() != graph.samples.size())
        return QStringLiteral("%1 samples, %2 saved")
            .arg(file.samples.size())
            .arg(graph.samples.size());
    for (std::size_t i = 0; i < graph.samples.size(); ++i)
        if (!(file.samples[i].reading == graph.samples[i].reading) ||
            file.samples[i].msecsOfDay / 1000 != graph.samples[i].msecsOfDay)
            return QStringLiteral("sample %1 differs").arg(i);
    return {};
}

QStringList WrittenFiles::check() const {
    QStringList problems;
    for (const Graph &graph : graphs_)
        if (const QString why = graphMismatch(graph); !why.isEmpty())
            problems << graph.path + ": " + why;
    for (const Report &report : reports_) {
        const ReportFile::ReportOpenResult file = ReportFile::openReport(report.path);
        if (!file.ok)
            problems << report.path + ": not read";
        else if (file.lines != report.lines)
            problems << report.path + ": the lines differ from the report saved";
    }
    return problems;
}

QString WrittenFiles::journalMismatch(const QString &journalPath, const GraphBuffer &record) {
    const GraphJournal::Contents journal = GraphJournal::read(journalPath);
    if (journal.status != GraphJournal::ReadStatus::Ok)
        return QStringLiteral("the journal is not whole (status %1)").arg(int(journal.status));
    if (int(journal.samples.size()) != record.count())
        return QStringLiteral("the journal holds %1 samples, the record %2")
            .arg(journal.samples.size())
            .arg(record.count());
    for (int i = 0; i < record.count(); ++i) {
        const GraphJournal::Sample &sample = journal.samples[std::size_t(i)];
        if (!(sample.reading == record.reading(i)) || sample.msecsOfDay != record.msecsOfDay(i))
            return QStringLiteral("journal sample %1 differs from the record").arg(i);
    }
    return {};
}
