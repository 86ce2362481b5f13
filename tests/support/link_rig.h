#pragma once

#include "app_settings.h"
#include "fake_channel.h"
#include "link_controller.h"
#include "readings_source.h"
#include "recording_link_view.h"
#include "scripted_prompts.h"
#include "settings_store.h"
#include "tvelantar.h"

#include <QByteArray>

#include <span>

// A link controller over a channel of buffers, driven tick by tick: the tests of the link
// call its timer handlers themselves and move its clock by hand. The link status the source
// announces is recorded with the rest of what the link shows.
struct LinkRig {
    static inline const QByteArray FourComponentAnswer{"\xD0\x80\x02\x52", 4};
    static inline const QByteArray TwoComponentAnswer{"\xD0\x80\x01\x51", 4};

    FakeChannel channel;
    TVelantar analyser;
    SettingsStore settings;
    ReadingsSource source;
    const CurrentReadings &readings = source.readings();
    RecordingLinkView view;
    ScriptedPrompts prompts;
    LinkController link{channel, analyser, settings, source, view, prompts};
    // The line's silence is measured on this clock, which only the test moves.
    qint64 nowMs = 0;

    LinkRig() {
        link.elapsedMs = [this] { return nowMs; };
        // Port n is the device "fake-n", there while the channel says the port exists.
        link.identifyPort = [](int port) {
            return PortNames::PortIdentity{QStringLiteral("fake-%1").arg(port), {}};
        };
        link.findPort = [this](const PortNames::PortIdentity &identity) {
            const int port = identity.devicePath.mid(5).toInt();
            return channel.existingPorts.contains(port) ? port : 0;
        };
        QObject::connect(&source, &ReadingsSource::linkStatusChanged,
                         [this](const QString &text) { view.linkStatus << text; });
    }

    // Starts a connection and lets the analyser on port 1 answer with the given frame.
    void connect(const QByteArray &typeAnswer) {
        channel.existingPorts = {1};
        link.startConnection();
        link.StartTimerTimer();
        channel.incoming = typeAnswer;
        link.StartTimerTimer();
    }
    // The given answers arrive and a cycle ends with its decode; then a receive tick.
    void receive(const QByteArray &bytes) {
        analyser.ParsePollingBytes(
            std::span(reinterpret_cast<const quint8 *>(bytes.constData()), bytes.size()));
        analyser.Decode();
        link.Timer1Timer();
    }
    // Detection ticks of the search under way: the analyser answers the first type request
    // when `answers`, otherwise the search runs until it gives up.
    void runSearch(bool answers) {
        for (int tick = 0; tick < 20 && link.isSearching(); ++tick) {
            link.StartTimerTimer();
            if (answers && channel.IsOpen() && link.isSearching())
                channel.incoming = FourComponentAnswer;
        }
    }
};
