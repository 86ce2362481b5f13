#include "file_dialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QtTest>

#include "test_files.h"

// The open dialog as the program sets it up, accepted without being shown.
class TestFileDialogs : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }

    void openDialogAcceptsAnyTypedName_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("exists");
        QTest::newRow("missing file") << "absent.set" << false;
        QTest::newRow("missing, no extension") << "absent" << false;
        QTest::newRow("existing file") << "nastr.set" << true;
    }

    void openDialogAcceptsAnyTypedName() {
        QFETCH(QString, typed);
        QFETCH(bool, exists);
        QTemporaryDir folder;
        const QString path = QDir(folder.path()).filePath(typed);
        if (exists)
            QVERIFY(TestFiles::putBytes(path, "A\r\n"));

        QFileDialog dialog;
        SystemFileDialogs::setUpOpenDialog(dialog, folder.path(),
                                           QStringLiteral("Файлы настройки(*.set)"), "nastr.set");
        QCOMPARE(dialog.acceptMode(), QFileDialog::AcceptOpen);
        QCOMPARE(dialog.fileMode(), QFileDialog::AnyFile);
        QCOMPARE(dialog.nameFilters(), QStringList{QStringLiteral("Файлы настройки(*.set)")});
        QCOMPARE(dialog.selectedFiles(), QStringList{QDir(folder.path()).filePath("nastr.set")});

        dialog.selectFile(typed);
        static_cast<QDialog &>(dialog).accept(); // as the "Open" button does
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.selectedFiles(), QStringList{path});
    }
};

QTEST_MAIN(TestFileDialogs)
#include "test_file_dialogs.moc"
