#include "header_transfer_display.h"

#include "analyser_commands.h"
#include "status_line.h"
#include "tpagesdlg.h"

#include <QProgressBar>

HeaderTransferDisplay::HeaderTransferDisplay(const TVelantar &analyser, StatusLine &statusLine,
                                             TPagesDlg &options)
    : analyser_(analyser), statusLine_(statusLine), options_(options) {}

void HeaderTransferDisplay::started() {
    statusLine_.progressBar()->setValue(0);
    statusLine_.progressBar()->show();
}

void HeaderTransferDisplay::headerTransferProgress(int percent) {
    statusLine_.progressBar()->setValue(percent);
}

void HeaderTransferDisplay::headerReadComplete() {
    if (showHeaderLines)
        showHeaderLines(AnalyserCommands::headerLinesFromImage(analyser_));
    options_.setSearchProgress(0);
    finished();
}

void HeaderTransferDisplay::headerWriteComplete() {
    finished();
}

void HeaderTransferDisplay::finished() {
    statusLine_.progressBar()->setValue(0);
    statusLine_.progressBar()->hide();
}
