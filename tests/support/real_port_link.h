#pragma once

#include "emulator_process.h"
#include "link_controller.h"
#include "readings_source.h"
#include "recording_link_view.h"
#include "scripted_prompts.h"
#include "settings_store.h"
#include "tserial.h"
#include "tvelantar.h"

#include <QtTest>

// The link over a real serial channel with its own timers, what it shows recorded and its
// questions answered from a script.
struct RealPortLink {
    TSerial serial;
    TVelantar analyser;
    SettingsStore settings;
    ReadingsSource source;
    RecordingLinkView view;
    ScriptedPrompts prompts;
    LinkController link{serial, analyser, settings, source, view, prompts};

    ~RealPortLink() { link.stop(); }
};

// That link against the analyser emulator on a pseudo-terminal, COM1.
struct EmulatorLink : RealPortLink {
    EmulatorProcess emulator;

    explicit EmulatorLink(const QStringList &arguments = {}) : emulator(arguments) {}

    // Starts the emulator and connects; true once the link polls it.
    bool start() {
        if (!emulator.start())
            return false;
        qputenv("VELANTAR_PORTS", emulator.devicePath().toLocal8Bit());
        link.startConnection();
        return QTest::qWaitFor([&] { return link.isPolling(); }, 10000);
    }
};
