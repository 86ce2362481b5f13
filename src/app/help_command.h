#pragma once

#include <QtGlobal>

#include <functional>

class QPlainTextEdit;
class UserPrompts;
class WorkingFolder;

// "Помощь": the help text "readme.txt" of the working folder, shown in the report memo.
namespace HelpCommand {

// A longer help file is shown up to this many bytes.
inline constexpr qint64 MaxTextBytes = 4 * 1024 * 1024;

// When the file exists: showReportView() (the report view's button), the file's lines
// (Windows-1251) replace the memo's content, and the memo takes the keyboard focus.
// Otherwise the message "Файл не найден : readme.txt" and nothing changes. Returns whether
// the text was shown.
bool show(const WorkingFolder &folder, UserPrompts &prompts, QPlainTextEdit &reportMemo,
          const std::function<void()> &showReportView);

} // namespace HelpCommand
