#pragma once

#include "fixed_clock.h"
#include "graph_view.h"
#include "readings_source_probe.h"
#include "scripted_file_dialogs.h"
#include "scripted_print_service.h"
#include "scripted_prompts.h"
#include "side_document.h"
#include "side_document_router.h"
#include "tform1.h"

#include <QDateTime>
#include <QDir>
#include <QList>
#include <QPushButton>
#include <QSize>

#include <memory>

// The main window with scripted prompts, file dialogs, clock and printer (printing into
// "printed.pdf" of the folder), started and shown in the given working folder; the test sets
// VELANTAR_PORTS. record() drives the graph as its timer would, one reading a second.
struct GraphTestWindow {
    ScriptedPrompts prompts;
    ScriptedFileDialogs dialogs;
    FixedClock clock;
    ScriptedPrintService printer;
    std::unique_ptr<TForm1> window;

    GraphTestWindow(const QString &folder, const QDateTime &now,
                    QList<UserPrompts::Answer> answers = {}, QSize size = {})
        : clock(now), printer(QDir(folder).filePath("printed.pdf")) {
        prompts.answers = answers;
        TForm1::Environment environment;
        environment.workingDirectory = folder;
        environment.prompts = &prompts;
        environment.fileDialogs = &dialogs;
        environment.clock = &clock;
        environment.printer = &printer;
        window = std::make_unique<TForm1>(environment);
        if (size.isValid())
            window->resize(size);
        window->show();
    }

    GraphView &graph() { return window->graph(); }
    SideDocument &document() { return *window->documents().graph(); }

    // "Запись" when the graph is not recording, then one tick per reading, one second apart.
    void record(const QList<ReadingSample> &readings) {
        if (!graph().isRecording())
            window->findChild<QPushButton *>("BitBtn7")->click();
        for (const ReadingSample &reading : readings) {
            ReadingsSourceProbe::setSample(window->readingsSource(), reading);
            graph().recording().TimerGRPTimer();
            clock.time = clock.time.addSecs(1);
        }
    }
};
