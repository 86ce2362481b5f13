#include "archive_hook.h"
#include "archive_wiring.h"
#include "fixed_clock.h"
#include "options/archive_server_group.h"
#include "options/port_page.h"
#include "readings_source_probe.h"
#include "report_document.h"
#include "report_wiring.h"
#include "scripted_file_dialogs.h"
#include "scripted_prompts.h"
#include "test_archive.h"
#include "test_files.h"
#include "text_file_1251.h"
#include "tform1.h"
#include "tpagesdlg.h"

#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QtTest>

// The main window records each saved test document in the archive: the text as the file
// holds it, a second save of the same document as a revision of the first, and a new record
// after the next recording. An archive that cannot take the record does not stop the save.
class TestArchiveHook : public QObject {
    Q_OBJECT

    struct Window {
        QTemporaryDir folder;
        ScriptedPrompts prompts;
        ScriptedFileDialogs dialogs;
        FixedClock clock{QDateTime(QDate(2026, 12, 9), QTime(11, 30))};
        std::unique_ptr<TForm1> window;

        Window() {
            TForm1::Environment environment;
            environment.workingDirectory = folder.path();
            environment.prompts = &prompts;
            environment.fileDialogs = &dialogs;
            environment.clock = &clock;
            window = std::make_unique<TForm1>(environment);
        }
        ReportDocument &document() const { return window->report().document(); }
        void recordMinimalSpeed() const {
            ReadingsSourceProbe::setSample(window->readingsSource(),
                                           {35, 120, 1420, 50, 1002, 780});
            window->findChild<QPushButton *>("BitBtn17")->click();
        }
        void saveAs(const QString &name) {
            dialogs.answers = {folder.filePath(QStringLiteral("Text/") + name)};
            document().save();
            clock.time = clock.time.addSecs(60);
        }
    };

private slots:
    void initTestCase() {
        QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
        qputenv("VELANTAR_PORTS", "");
    }

    void savesBecomeRecordsAndRevisions() {
        Window w;
        w.recordMinimalSpeed();
        w.saveAs(QStringLiteral("a.txt"));
        w.saveAs(QStringLiteral("a.txt"));
        w.recordMinimalSpeed();
        w.saveAs(QStringLiteral("a.txt"));
        QVERIFY(w.prompts.shown.isEmpty());

        const QList<ArchiveSummary> listed = w.window->archiveWiring().archive().find({});
        QCOMPARE(listed.size(), 3); // newest first
        QVERIFY(listed[2].revisionOf.isEmpty());
        QCOMPARE(listed[1].revisionOf, listed[2].id);
        QVERIFY(listed[0].revisionOf.isEmpty());
        const std::optional<ArchiveRecord> last =
            w.window->archiveWiring().archive().record(listed[0].id);
        QVERIFY(last);
        const QString path = w.folder.filePath(QStringLiteral("Text/a.txt"));
        QCOMPARE(last->fileName, path);
        QCOMPARE(last->documentText + QStringLiteral("\r\n"),
                 TextFile1251::decode(TestFiles::fileBytes(path)));
        QCOMPARE(last->savedAt, QDateTime(QDate(2026, 12, 9), QTime(11, 32)));
        QVERIFY(last->recordSlots[0].recorded);
        QCOMPARE(last->recordSlots[0].readings[0], QStringLiteral("0,35"));
        QVERIFY(!last->recordSlots[1].recorded);
    }

    void anArchiveThatCannotTakeTheRecordDoesNotStopTheSave() {
        Window w;
        // A folder where the archive's file should be: no database can be opened there.
        QVERIFY(QDir(w.folder.path()).mkdir(QStringLiteral("archive.sqlite")));
        w.recordMinimalSpeed();
        w.saveAs(QStringLiteral("b.txt"));
        QVERIFY(QFileInfo(w.folder.filePath(QStringLiteral("Text/b.txt"))).isFile());
        QVERIFY(!w.document().unsaved());
        QCOMPARE(w.prompts.shown.size(), 1);
        QVERIFY2(w.prompts.shown[0].startsWith(
                     QString::fromUtf16(ArchiveHook::NotTakenMessage).section(u'%', 0, 0)),
                 qPrintable(w.prompts.shown[0]));
    }

    void optionsSetTheServer() {
        Window w;
        TPagesDlg &options = w.window->options();
        options.show();
        ArchiveServerGroup *group = options.findChild<PortPage *>()->archiveServer();
        QVERIFY(group->entered().host.isEmpty());
        group->findChild<QLineEdit *>("ArchiveHost")->setText(QStringLiteral(" db.station "));
        group->findChild<QSpinBox *>("ArchivePort")->setValue(5433);
        group->findChild<QLineEdit *>("ArchiveUser")->setText(QStringLiteral("post1"));
        group->findChild<QLineEdit *>("ArchivePassword")->setText(QStringLiteral("secret"));
        options.findChild<QPushButton *>("OKBtn")->click();
        const ArchiveServerSettings expected{QStringLiteral("db.station"), 5433,
                                             QStringLiteral("velantar"), QStringLiteral("post1"),
                                             QStringLiteral("secret")};
        QCOMPARE(w.window->archiveWiring().serverSettings(), expected);
        QCOMPARE(ArchiveServerFile::load(w.folder.path()).settings, expected);
    }
};

QTEST_MAIN(TestArchiveHook)
#include "test_archive_hook.moc"
