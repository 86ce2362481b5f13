#pragma once

#include "services.h"
#include "working_folder.h"

#include <QString>

#include <memory>

class Clock;
class FileDialogs;
class PrintService;
class QWidget;
class UserPrompts;

// The outside world of one run: the services the caller gave, and the desktop's own where it
// gave none (modal message boxes, the computer's clock, the file and print dialogs), with the
// working folder.
class DesktopServices {
public:
    struct Given {
        QString workingDirectory;
        UserPrompts *prompts = nullptr;
        Clock *clock = nullptr;
        FileDialogs *fileDialogs = nullptr;
        PrintService *printer = nullptr;
    };

    // The message boxes belong to `dialogParent`.
    DesktopServices(const Given &given, QWidget *dialogParent);
    ~DesktopServices();
    DesktopServices(const DesktopServices &) = delete;
    DesktopServices &operator=(const DesktopServices &) = delete;

    const Services &services() const { return services_; }
    const WorkingFolder &folder() const { return folder_; }

private:
    std::unique_ptr<UserPrompts> ownPrompts_;
    std::unique_ptr<Clock> ownClock_;
    std::unique_ptr<FileDialogs> ownFileDialogs_;
    std::unique_ptr<PrintService> ownPrinter_;
    WorkingFolder folder_;
    Services services_;
};
