#include "command_line.h"

#include <QtTest>

// The program's own options, read before a window exists.
class TestCommandLine : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }

    void parse_data() {
        QTest::addColumn<QStringList>("arguments"); // after the program's name
        QTest::addColumn<int>("exitStatus");        // -1: the program starts
        QTest::addColumn<QString>("textStart");     // empty: nothing to print
        QTest::addColumn<QString>("traceFile");
        QTest::newRow("nothing") << QStringList{} << -1 << ""
                                 << "";
        QTest::newRow("trace") << QStringList{"--trace", "t.txt"} << -1 << ""
                               << "t.txt";
        QTest::newRow("Qt's own options") << QStringList{"-platform", "offscreen"} << -1 << ""
                                          << "";
        QTest::newRow("help") << QStringList{"--help"} << 0 << "Usage: velantar"
                              << "";
        QTest::newRow("short help") << QStringList{"-h"} << 0 << "Usage: velantar"
                                    << "";
        QTest::newRow("version") << QStringList{"--version"} << 0
                                 << "velantar (ВЕЛАНТАР-ГРАФИЧЕСКИЙ) 1.02.0004\n"
                                 << "";
        QTest::newRow("trace without a file")
            << QStringList{"--trace"} << 2 << "velantar: --trace needs a file name"
            << "";
        QTest::newRow("unknown option")
            << QStringList{"--colour"} << 2 << "velantar: unknown option --colour"
            << "";
    }

    void parse() {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitStatus);
        QFETCH(QString, textStart);
        QFETCH(QString, traceFile);
        const CommandLine::Outcome outcome =
            CommandLine::parse(QStringList{"velantar"} + arguments);
        QCOMPARE(outcome.exitStatus.value_or(-1), exitStatus);
        QVERIFY2(textStart.isEmpty() ? outcome.text.isEmpty() : outcome.text.startsWith(textStart),
                 qPrintable(outcome.text));
        QCOMPARE(outcome.options.traceFile, traceFile);
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "test_command_line.moc"
