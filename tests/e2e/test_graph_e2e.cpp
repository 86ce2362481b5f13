#include "app_settings.h"
#include "emulator_process.h"
#include "graph_view.h"
#include "safe_file.h"
#include "scripted_prompts.h"
#include "settings_file.h"
#include "tform1.h"
#include "view_ids.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

// The main window against the emulator with recording set to start with the link: recording
// starts by itself while another view is shown, and the graph's value boxes and record carry
// the emulator's readings.
class TestGraphE2E : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }

    void recordingStartsWithTheLink() {
        EmulatorProcess emulator;
        QVERIFY(emulator.start());
        for (const char *command : {"drift off", "set co 150", "set ch 123", "set co2 1452",
                                    "set o2 47", "set lambda 998", "set rpm 785"})
            emulator.command(command);
        QCOMPARE(emulator.query("ping"), QStringLiteral("pong"));

        QTemporaryDir folder;
        AppSettings settings;
        settings.CurrentView = ViewId::Readings;
        settings.GraphStartMode = 0; // "при достижении связи с прибором"
        settings.ViewInterval[2] = 200;
        QVERIFY(
            SafeFile::write(folder.filePath("Tolmera10.dat"), SettingsFile::encode(settings)).ok);
        qputenv("VELANTAR_PORTS", emulator.devicePath().toLocal8Bit());

        ScriptedPrompts prompts;
        TForm1::Environment environment;
        environment.workingDirectory = folder.path();
        environment.prompts = &prompts;
        TForm1 window(environment);
        window.show();
        GraphView &graph = window.graph();
        QVERIFY(QTest::qWaitFor([&] { return graph.isRecording(); }, 30000));
        QVERIFY(window.findChild<QPushButton *>("BitBtn7")->isHidden());

        window.selectView(ViewId::Graph);
        const auto values = [&] {
            QStringList texts;
            for (int i = 1; i <= 6; ++i)
                texts << window.findChild<QLineEdit *>(QStringLiteral("Edit%1").arg(i))->text();
            return texts;
        };
        const QStringList expected = {" 1,50", " 123", " 14,52", " 0,47", " 0,998", " 785"};
        QVERIFY2(QTest::qWaitFor([&] { return values() == expected; }, 30000),
                 qPrintable(values().join('|')));
        const GraphBuffer &record = graph.recorder().buffer();
        QVERIFY(QTest::qWaitFor([&] { return record.count() >= 3; }, 30000));
        QCOMPARE(record.chartValue(record.count() - 1, 0), 150); // 1,50 % of 10 %
        QCOMPARE(record.chartValue(record.count() - 1, 1), 24);  // 123 ppm of 5000

        window.findChild<QPushButton *>("BitBtn6")->click();
        prompts.answers = {UserPrompts::Answer::No}; // the unsaved graph
        QVERIFY(window.close());
    }
};

QTEST_MAIN(TestGraphE2E)
#include "test_graph_e2e.moc"
