#include "file_dialogs.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
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

    // The save dialog of one type completes a typed name with the type's extension before it
    // looks for an existing file: the question, when one is asked, names the file written.
    void saveDialogAsksAboutTheCompletedName_data() {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("existing");
        QTest::addColumn<bool>("confirming");
        QTest::addColumn<bool>("asked");
        QTest::addColumn<QString>("saved");
        const QString report = QStringLiteral("Текстовые файлы (*.txt)");
        const QString header = QStringLiteral("Файлы настройки(*.set)");
        QTest::newRow("report over an existing file") << report << "copy"
                                                      << "copy.txt" << true << true << "";
        QTest::newRow("report, new file") << report << "copy"
                                          << "copy" << true << false << "copy.txt";
        QTest::newRow("typed extension kept") << report << "copy.txt"
                                              << "copy.txt" << true << true << "";
        QTest::newRow("header replaced without a question")
            << header << "nastr"
            << "nastr.set" << false << false << "nastr.set";
    }

    void saveDialogAsksAboutTheCompletedName() {
        QFETCH(QString, filter);
        QFETCH(QString, typed);
        QFETCH(QString, existing);
        QFETCH(bool, confirming);
        QFETCH(QString, saved);
        QTemporaryDir folder;
        QVERIFY(TestFiles::putBytes(QDir(folder.path()).filePath(existing), "A\r\n"));

        QFileDialog dialog;
        SystemFileDialogs::setUpSaveDialog(dialog, folder.path(), filter, "x",
                                           confirming ? SystemFileDialogs::Overwrite::AfterQuestion
                                                      : SystemFileDialogs::Overwrite::Silently);
        dialog.selectFile(typed);
        QStringList questions; // the question boxes shown, answered "No"
        QTimer::singleShot(0, &dialog, [&questions] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                questions << box->text();
                box->done(QMessageBox::No);
            }
        });
        static_cast<QDialog &>(dialog).accept(); // as the "Save" button does
        QTest::qWait(0);
        QFETCH(bool, asked);
        QCOMPARE(questions.size(), int(asked));
        if (asked)
            QVERIFY2(questions.first().contains(existing), qPrintable(questions.first()));
        QCOMPARE(dialog.result(), int(saved.isEmpty() ? QDialog::Rejected : QDialog::Accepted));
        if (!saved.isEmpty())
            QCOMPARE(dialog.selectedFiles(), QStringList{QDir(folder.path()).filePath(saved)});
    }

    // The save dialog with several types: a name typed without an extension gets the
    // extension of the type chosen last, whichever was chosen when the dialog opened.
    void typedSaveDialogExtensionFollowsTheType_data() {
        QTest::addColumn<QString>("initial");  // the type chosen when the dialog opens
        QTest::addColumn<QString>("switchTo"); // the type the user picks; empty: none
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("saved");
        QTest::newRow("first type kept") << ""
                                         << ""
                                         << "graph"
                                         << "graph.dan";
        QTest::newRow("remembered type") << "Метафайлы (*.emf)"
                                         << ""
                                         << "graph"
                                         << "graph.emf";
        QTest::newRow("switched type") << "Файлы данных (*.dan)"
                                       << "Текстовые файлы (*.txt)"
                                       << "graph"
                                       << "graph.txt";
        QTest::newRow("typed extension stays") << "Файлы данных (*.dan)"
                                               << "Точечные рисунки (*.bmp)"
                                               << "graph.dan"
                                               << "graph.dan";
    }

    void typedSaveDialogExtensionFollowsTheType() {
        QFETCH(QString, initial);
        QFETCH(QString, switchTo);
        QFETCH(QString, typed);
        QFETCH(QString, saved);
        const QStringList filters = {"Файлы данных (*.dan)", "Метафайлы (*.emf)",
                                     "Точечные рисунки (*.bmp)", "Текстовые файлы (*.txt)"};
        QTemporaryDir folder;
        QFileDialog dialog;
        SystemFileDialogs::setUpTypedSaveDialog(dialog, folder.path(), filters, initial, "x");
        QCOMPARE(dialog.acceptMode(), QFileDialog::AcceptSave);
        QVERIFY(!dialog.testOption(QFileDialog::DontConfirmOverwrite));
        if (!switchTo.isEmpty()) {
            dialog.selectNameFilter(switchTo);
            emit dialog.filterSelected(switchTo); // as the type box does when the user picks
        }
        dialog.selectFile(typed);
        QCOMPARE(dialog.selectedFiles(), QStringList{QDir(folder.path()).filePath(saved)});
        // The type of a chosen name is told by its extension.
        QCOMPARE(FileDialogs::filterSuffix(FileDialogs::filterOfPath(filters, saved)),
                 QFileInfo(saved).suffix());
    }
};

QTEST_MAIN(TestFileDialogs)
#include "test_file_dialogs.moc"
