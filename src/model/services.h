#pragma once

class Clock;
class FileDialogs;
class PrintService;
class UserPrompts;
class WorkingFolder;

// The outside world as the controllers see it: questions and messages to the operator, the
// clock, the file and print dialogs, and the folder that holds the data files. The program
// passes the real ones; tests pass scripted ones, so nothing waits on a real dialog or the
// wall clock.
struct Services {
    UserPrompts *prompts = nullptr;
    Clock *clock = nullptr;
    FileDialogs *fileDialogs = nullptr;
    PrintService *printer = nullptr;
    const WorkingFolder *folder = nullptr;
};
