#include "archive_file_save.h"

#include "file_dialogs.h"
#include "safe_file.h"
#include "services.h"
#include "user_prompts.h"
#include "working_folder.h"

#include <QDir>
#include <QFileInfo>

namespace ArchiveFileSave {

bool save(QWidget *parent, const Services &services, const Request &request,
          const QByteArray &bytes) {
    QString path = services.fileDialogs->saveFileNameConfirmingOverwrite(
        parent, services.folder->filePath(DataFileNames::TextFolder), request.filter,
        request.proposedName);
    if (path.isEmpty())
        return false;
    if (QFileInfo(path).suffix().isEmpty())
        path += u'.' + FileDialogs::filterSuffix(request.filter);
    const SafeFile::WriteResult written = SafeFile::write(path, bytes);
    if (!written.ok) {
        services.prompts->message(request.what + QStringLiteral(" не сохранен в файл ") +
                                  QDir::toNativeSeparators(path) + QStringLiteral(": ") +
                                  written.error);
        return false;
    }
    return true;
}

} // namespace ArchiveFileSave
