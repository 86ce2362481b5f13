#pragma once

#include "poll_cycle.h"

#include <QStringList>

#include <functional>

class StatusLine;
class TPagesDlg;
class TVelantar;

// Shows a printer header transfer on the progress bars and puts the header read from the
// analyser into the header editor.
class HeaderTransferDisplay : public HeaderTransferObserver {
public:
    HeaderTransferDisplay(const TVelantar &analyser, StatusLine &statusLine, TPagesDlg &options);

    // Replaces the header editor's lines with those read from the analyser.
    std::function<void(const QStringList &)> showHeaderLines;

    // The main progress bar at 0 and shown, as a transfer starts.
    void started();

    void headerTransferProgress(int percent) override;
    void headerReadComplete() override;
    void headerWriteComplete() override;

private:
    void finished();

    const TVelantar &analyser_;
    StatusLine &statusLine_;
    TPagesDlg &options_;
};
