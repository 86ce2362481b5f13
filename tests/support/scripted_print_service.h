#pragma once

#include "print_service.h"

#include <QPrinter>
#include <QString>

// A print dialog for tests: confirms or cancels as told, and its printer writes a PDF file.
class ScriptedPrintService : public PrintService {
public:
    explicit ScriptedPrintService(const QString &pdfPath) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdfPath);
    }

    bool confirm = true;
    int shown = 0;
    QPrinter printer{QPrinter::HighResolution};

    QPrinter *choosePrinter(QWidget *) override {
        ++shown;
        return confirm ? &printer : nullptr;
    }
};
