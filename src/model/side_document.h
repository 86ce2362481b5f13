#pragma once

#include <QDateTime>
#include <QString>

// The question about an unsaved graph, asked on closing and before a graph file replaces it.
inline constexpr char16_t kGraphUnsavedQuestion[] = u"Текущий график не сохранен.  Сохранить ?";
// The question about an unsaved report, asked on closing and before an archived copy
// replaces it.
inline constexpr char16_t kReportUnsavedQuestion[] = u"Текущий отчет не сохранен.  Сохранить ?";

// A document the side panel's shared buttons act on: the graph in the graph view, the test
// report in the other views. Each button asks whichever document the current view shows.
class SideDocument {
public:
    virtual ~SideDocument() = default;

    virtual void save() = 0;      // "Сохранить" (BitBtn1)
    virtual void open() = 0;      // "Открыть" (BitBtn2)
    virtual void clear() = 0;     // "Стереть" (BitBtn3)
    virtual void print() = 0;     // "Печать" (BitBtn4)
    virtual void configure() = 0; // "Настроить" (BitBtn5)
    // Work that closing the program would lose.
    virtual bool unsaved() const = 0;
    // The program is being ended from outside (a termination signal, a logout) while this
    // work is unsaved: save it into `folder` ("Graph" or "Text" of the working folder), asking
    // nothing, under the name RecoveredFiles::pathFor gives for `now`. Returns the path
    // written, or an empty string when there was nothing to save or the write failed. By
    // default nothing is saved.
    virtual QString saveRecovered(const QString &folder, const QDateTime &now) {
        Q_UNUSED(folder);
        Q_UNUSED(now);
        return {};
    }
};
