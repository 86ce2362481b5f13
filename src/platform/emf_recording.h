#pragma once

#include "emf_gdi.h"

#include <QByteArray>
#include <QString>

#include <memory>

// The enhanced metafile a device context records into, and the bytes it ends as: a temporary
// file written by libEMF on Linux, a metafile in memory on Windows.
class EmfRecording {
public:
    EmfRecording();
    ~EmfRecording();
    EmfRecording(const EmfRecording &) = delete;
    EmfRecording &operator=(const EmfRecording &) = delete;

    // A device context recording a metafile of frame (hundredths of a millimetre) with the
    // description (two strings, each ended by a null, the second by two). 0, with the
    // reason in error, when it cannot be started.
    HDC start(const RECT &frame, const QString &description, QString &error);
    // Ends the recording and returns its bytes: as many as could be written, none when they
    // could not be read back. Nothing when it was not started.
    QByteArray stop();

private:
    struct State;
    std::unique_ptr<State> state_;
};
