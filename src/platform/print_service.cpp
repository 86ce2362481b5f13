#include "print_service.h"

#include <QPrintDialog>
#include <QPrinter>

SystemPrintService::SystemPrintService() : printer_(new QPrinter(QPrinter::HighResolution)) {}

SystemPrintService::~SystemPrintService() {
    delete printer_;
}

QPrinter *SystemPrintService::choosePrinter(QWidget *parent) {
    QPrintDialog dialog(printer_, parent);
    return dialog.exec() == QDialog::Accepted ? printer_ : nullptr;
}
