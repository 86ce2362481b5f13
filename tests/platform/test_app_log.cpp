#include "app_log.h"
#include "fixed_clock.h"

#include <QLoggingCategory>
#include <QTemporaryDir>
#include <QtTest>

Q_LOGGING_CATEGORY(lcTestProgram, "velantar.test", QtWarningMsg)
Q_LOGGING_CATEGORY(lcTestQt, "qt.test", QtWarningMsg)

namespace {
QByteArray contents(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
} // namespace

// The working folder's log: which messages it takes, its lines, and that it stays small.
class TestAppLog : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }

    void takesTheProgramsWarningsAndAllErrors_data() {
        QTest::addColumn<int>("kind"); // 0 program warning, 1 program debug, 2 Qt warning,
                                       // 3 Qt error
        QTest::addColumn<QByteArray>("expected"); // the log's contents
        QTest::newRow("program's warning")
            << 0 << QByteArray("2026-12-09 14:03:07.125 warning velantar.test: port gone\n");
        QTest::newRow("program's debug message") << 1 << QByteArray();
        QTest::newRow("Qt's warning") << 2 << QByteArray();
        QTest::newRow("Qt's error")
            << 3 << QByteArray("2026-12-09 14:03:07.125 error qt.test: port gone\n");
    }

    void takesTheProgramsWarningsAndAllErrors() {
        QFETCH(int, kind);
        QFETCH(QByteArray, expected);
        QTemporaryDir folder;
        const FixedClock clock(QDateTime(QDate(2026, 12, 9), QTime(14, 3, 7, 125)));
        QLoggingCategory::setFilterRules(QStringLiteral("velantar.test.debug=true"));
        {
            const AppLog log(folder.path(), clock);
            switch (kind) {
            case 0:
                qCWarning(lcTestProgram) << "port gone";
                break;
            case 1:
                qCDebug(lcTestProgram) << "port gone";
                break;
            case 2:
                qCWarning(lcTestQt) << "port gone";
                break;
            default:
                qCCritical(lcTestQt) << "port gone";
            }
        }
        QLoggingCategory::setFilterRules(QString());
        QCOMPARE(contents(folder.filePath("velantar.log")), expected);
        // A run without trouble leaves no file.
        QCOMPARE(QFileInfo::exists(folder.filePath("velantar.log")), !expected.isEmpty());
    }

    // Past its limit the log becomes velantar.log.1 and a new one begins: never more than
    // about twice the limit, and the newest lines are always in velantar.log.
    void rotatesPastItsLimit() {
        QTemporaryDir folder;
        RotatingLog log(folder.filePath("velantar.log"), 1000);
        const QString line(99, 'x'); // 100 bytes with its line end
        for (int i = 0; i < 25; ++i)
            QVERIFY(log.append(line));
        QVERIFY(log.append(QStringLiteral("last")));
        const QFileInfo current(folder.filePath("velantar.log"));
        const QFileInfo older(folder.filePath("velantar.log.1"));
        QVERIFY(older.size() >= 1000 && older.size() <= 1100);
        QVERIFY(current.size() <= 1100);
        QVERIFY(contents(current.filePath()).endsWith("last\n"));
    }

    void aFolderThatCannotBeWrittenIsNoFault() {
        RotatingLog log(QStringLiteral("/nonexistent/folder/velantar.log"));
        QVERIFY(!log.append(QStringLiteral("line")));
    }
};

QTEST_GUILESS_MAIN(TestAppLog)
#include "test_app_log.moc"
