#pragma once

#include <QByteArray>
#include <QString>

class QWidget;
struct Services;

// Saves bytes the archive dialog made (a CSV export, a register as PDF) into a file the
// operator chooses in the save dialog, starting in the "Text" folder. A name typed without an
// extension gets the filter's. The write goes through SafeFile, so a failed write leaves an
// old file whole and the operator is told why.
namespace ArchiveFileSave {

struct Request {
    QString filter;       // "Файлы CSV (*.csv)"
    QString proposedName; // preselected in the folder
    QString what;         // for the failure message: "Экспорт", "Реестр"
};

// False when the operator cancelled or the write failed (and was told).
bool save(QWidget *parent, const Services &services, const Request &request,
          const QByteArray &bytes);

} // namespace ArchiveFileSave
