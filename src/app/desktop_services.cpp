#include "desktop_services.h"

#include "clock.h"
#include "file_dialogs.h"
#include "message_box_prompts.h"
#include "print_service.h"

namespace {

// The given service, or a real one made and kept in `own`.
template <typename Service, typename Real, typename... Args>
Service *givenOrOwn(Service *given, std::unique_ptr<Service> &own, Args &&...args) {
    if (given)
        return given;
    own = std::make_unique<Real>(std::forward<Args>(args)...);
    return own.get();
}

} // namespace

DesktopServices::DesktopServices(const Given &given, QWidget *dialogParent)
    : folder_(given.workingDirectory) {
    services_.prompts =
        givenOrOwn<UserPrompts, MessageBoxPrompts>(given.prompts, ownPrompts_, dialogParent);
    services_.clock = givenOrOwn<Clock, SystemClock>(given.clock, ownClock_);
    services_.fileDialogs =
        givenOrOwn<FileDialogs, SystemFileDialogs>(given.fileDialogs, ownFileDialogs_);
    services_.printer = givenOrOwn<PrintService, SystemPrintService>(given.printer, ownPrinter_);
    services_.folder = &folder_;
}

DesktopServices::~DesktopServices() = default;
