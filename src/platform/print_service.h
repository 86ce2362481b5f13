#pragma once

class QPrinter;
class QWidget;

// The print dialog. The program keeps one printer for the run, so the user's choice of
// printer and its settings carry over from one print to the next; tests pass a scripted
// service whose printer writes a PDF file.
class PrintService {
public:
    virtual ~PrintService() = default;

    // Shows the print dialog; the printer to print on when the user confirmed, otherwise
    // null.
    virtual QPrinter *choosePrinter(QWidget *parent) = 0;
};

// The desktop's print dialog over one printer kept for the run.
class SystemPrintService : public PrintService {
public:
    SystemPrintService();
    ~SystemPrintService() override;

    QPrinter *choosePrinter(QWidget *parent) override;

private:
    QPrinter *printer_;
};
