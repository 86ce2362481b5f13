#include "help_command.h"

#include "info_pages.h"
#include "text_file_1251.h"
#include "user_prompts.h"
#include "working_folder.h"

#include <QFileInfo>
#include <QPlainTextEdit>

namespace HelpCommand {

bool show(const WorkingFolder &folder, UserPrompts &prompts, QPlainTextEdit &reportMemo,
          const std::function<void()> &showReportView) {
    const QString path = folder.filePath(HelpFile::Name);
    const TextFile1251::ReadResult text = QFileInfo(path).isFile()
                                              ? TextFile1251::readLines(path, MaxTextBytes)
                                              : TextFile1251::ReadResult{};
    if (!text.ok) {
        prompts.message(HelpFile::MissingMessage.toString());
        return false;
    }
    if (showReportView)
        showReportView();
    reportMemo.setPlainText(text.lines.join(u'\n'));
    reportMemo.setFocus();
    return true;
}

} // namespace HelpCommand
