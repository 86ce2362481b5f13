#include "header_normalizer.h"
#include "printer_header_editor.h"
#include "printer_header_file.h"
#include "scripted_file_dialogs.h"
#include "scripted_prompts.h"
#include "text_file_1251.h"

#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QtTest>

#include "test_files.h"

#include <memory>

using namespace TestFiles;

namespace {

// "СТО №1" and "МОСКВА" in Windows-1251, as the header file holds them.
const QByteArray Station1251 = "\xD1\xD2\xCE \xB9"
                               "1\r\n\xCC\xCE\xD1\xCA\xC2\xC0\r\n";
const QStringList StationLines = {QStringLiteral("СТО №1"), QStringLiteral("МОСКВА")};

// The printer panel as the main window builds it, with the editor over it.
struct Panel {
    QTemporaryDir folder;
    QWidget window;
    QPlainTextEdit *memo = new QPlainTextEdit(&window);
    QPushButton *open = new QPushButton(QStringLiteral("Открыть"), &window);
    QPushButton *save = new QPushButton(QStringLiteral("Сохранить"), &window);
    QPushButton *clear = new QPushButton(QStringLiteral("Стереть"), &window);
    ScriptedFileDialogs dialogs;
    ScriptedPrompts prompts;
    std::unique_ptr<PrinterHeaderEditor> editor;
    int tableViewShown = 0;

    Panel() {
        editor = std::make_unique<PrinterHeaderEditor>(memo, open, save, clear, dialogs, prompts,
                                                       folder.path());
        editor->showTableView = [this] { ++tableViewShown; };
    }
    QString path(const QString &name) const { return QDir(folder.path()).filePath(name); }
    void cursorToEnd() {
        QTextCursor c = memo->textCursor();
        c.movePosition(QTextCursor::End);
        memo->setTextCursor(c);
    }
};

// Types the text key by key; QTest::keyClicks takes Latin-1 only.
void type(QWidget *widget, const QString &text) {
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QCoreApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QCoreApplication::sendEvent(widget, &release);
    }
}

} // namespace

class TestPrinterHeader : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }

    void memoAndButtonsAreSetUp() {
        Panel p;
        QCOMPARE(p.editor->lines(), defaultPrinterHeader());
        QCOMPARE(NormalizeHeader(defaultPrinterHeader()), defaultPrinterHeader());
        QVERIFY(HeaderTotal(defaultPrinterHeader()) <= MaxHeaderTotal);

        QCOMPARE(p.open->toolTip(), QStringLiteral("Заголовок из файла"));
        QCOMPARE(p.save->toolTip(), QStringLiteral("Заголовок в файле"));
        QCOMPARE(p.clear->toolTip(), QStringLiteral("Заголовок с экрана"));
        QVERIFY(p.memo->font().bold());
        // Every character as wide as any other, as on the printer.
        const QFontMetrics metrics(p.memo->font());
        QCOMPARE(metrics.horizontalAdvance(u'i'), metrics.horizontalAdvance(u'W'));
        QCOMPARE(metrics.horizontalAdvance(u'.'), metrics.horizontalAdvance(u'Ж'));
        QCOMPARE(p.memo->lineWrapMode(), QPlainTextEdit::NoWrap);
        QCOMPARE(p.memo->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QVERIFY(!p.memo->isReadOnly());
    }

    void keyAndMouseReleasesKeepTheLimits() {
        Panel p;
        const QString line25 = QStringLiteral("ГАЗОАНАЛИЗАТОР ВЕЛАНТАР");
        p.editor->setLinesAsRead({line25 + "12"});
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_2, Qt::NoModifier, QStringLiteral("2"));
        QCoreApplication::sendEvent(p.memo, &release);
        QCOMPARE(p.editor->lines(), QStringList({line25.left(21), line25.mid(21) + "12"}));

        // A paste or a middle-button insert is caught at the mouse-button release.
        p.editor->setLinesAsRead(
            {"AAAAAAAAAAAAAAAAAAAAA", "BBBBBBBBBBBBBBBBBBBBB", "CCCCCCCCCCCCCCCCCCCCC"});
        QTest::mouseClick(p.memo->viewport(), Qt::LeftButton);
        QCOMPARE(p.editor->lines(), QStringList({"AAAAAAAAAAAAAAAAAAAAA", "BBBBBBBBBBBBBBBBBBBBB",
                                                 "CCCCCCCCCCCCCCCCCC"}));
    }

    void typingGoesOnOnTheNextLine() {
        Panel p;
        p.editor->setLinesAsRead({"123456789012345678901", "END"});
        p.memo->setTextCursor(QTextCursor(p.memo->document()->findBlockByNumber(0)));
        p.memo->moveCursor(QTextCursor::EndOfLine);
        type(p.memo, QStringLiteral("аб"));
        QCOMPARE(p.editor->lines(), QStringList({"123456789012345678901", "аб", "END"}));
        QCOMPARE(p.memo->textCursor().blockNumber(), 1);
        QCOMPARE(p.memo->textCursor().positionInBlock(), 2);

        // Enter at the end of a full header would need one byte too many: the new line goes.
        p.editor->setLinesAsRead(
            {"123456789012345678901", "123456789012345678901", "123456789012345678"});
        p.cursorToEnd();
        QTest::keyClick(p.memo, Qt::Key_Return);
        QCOMPARE(p.editor->lines().size(), 3);
        QCOMPARE(HeaderTotal(p.editor->lines()), 63);
    }

    void aReleaseWithinTheLimitsLeavesTheTextAlone() {
        Panel p;
        p.editor->setLinesAsRead({"ABC", "DEF"});
        QTextCursor c(p.memo->document()->findBlockByNumber(1));
        c.setPosition(c.position() + 1);
        p.memo->setTextCursor(c);
        QSignalSpy changes(p.memo->document(), &QTextDocument::contentsChange);
        QTest::keyRelease(p.memo, Qt::Key_Shift);
        QTest::mouseClick(p.memo->viewport(), Qt::LeftButton, {}, QPoint(1, 1));
        QCOMPARE(changes.count(), 0);
        QCOMPARE(p.editor->lines(), QStringList({"ABC", "DEF"}));
    }

    void linesAsReadAreNotNormalized() {
        Panel p;
        QStringList readBack = {"ABC", "DEF"};
        for (int i = 0; i < 58; ++i)
            readBack << QString();
        p.editor->setLinesAsRead(readBack);
        QCOMPARE(p.editor->lines(), readBack);
        p.editor->setLines(readBack);
        QCOMPARE(p.editor->lines().size(), 57);
    }

    void startUpReadsNastrSet() {
        Panel p;
        p.editor->loadAtStart();
        QCOMPARE(p.editor->lines(), defaultPrinterHeader()); // no file: the built-in header

        QVERIFY(putBytes(p.path("nastr.set"), Station1251));
        p.editor->loadAtStart();
        QCOMPARE(p.editor->lines(), StationLines);

        QVERIFY(putBytes(p.path("nastr.set"), QByteArray(30, 'x') + "\r\n"));
        p.editor->loadAtStart();
        QCOMPARE(p.editor->lines(), QStringList({QString(21, u'x'), QString(9, u'x')}));
    }

    void openLoadsAndNormalizes() {
        Panel p;
        QVERIFY(putBytes(p.path("station.set"), Station1251));
        p.dialogs.answers << p.path("station.set");
        QTest::mouseClick(p.open, Qt::LeftButton);
        QCOMPARE(p.editor->lines(), StationLines);
        QCOMPARE(p.tableViewShown, 1);
        QCOMPARE(p.dialogs.shownFolders, QStringList({p.folder.path()}));
        QCOMPARE(p.dialogs.proposedNames, QStringList({"nastr.set"}));
        QCOMPARE(p.dialogs.filters, QStringList({QStringLiteral("Файлы настройки(*.set)")}));

        // Typed without extension; three lines of 21 are cut to the limit.
        const QString line21 = QStringLiteral("АБВГДЕЖЗИЙКЛМНОПРСТУФ");
        const QByteArray line1251 = "\xC0\xC1\xC2\xC3\xC4\xC5\xC6\xC7\xC8\xC9\xCA\xCB\xCC\xCD\xCE"
                                    "\xCF\xD0\xD1\xD2\xD3\xD4\r\n";
        QVERIFY(putBytes(p.path("three.set"), line1251 + line1251 + line1251));
        p.dialogs.answers << p.path("three");
        p.editor->openFile();
        QCOMPARE(p.editor->lines(), QStringList({line21, line21, line21.left(18)}));
        QVERIFY(p.prompts.shown.isEmpty());

        // A file that cannot be read leaves the memo empty, without a message.
        QVERIFY(QDir(p.folder.path()).mkdir("folder.set"));
        p.dialogs.answers << p.path("folder.set");
        p.editor->openFile();
        QCOMPARE(p.editor->lines(), QStringList());
        QVERIFY(p.prompts.shown.isEmpty());
    }

    void headerFromTheFileStartIsTheHeaderFromTheWholeFile_data() {
        QTest::addColumn<int>("maxLineLength");
        QTest::addColumn<int>("longLineEvery"); // one line in so many is up to 200 long
        QTest::addColumn<int>("minBytes");
        QTest::newRow("empty lines, a few long ones") << 0 << 60 << 4000;
        QTest::newRow("short lines") << 4 << 0 << 4000;
        QTest::newRow("lines up to 63 characters") << 63 << 0 << 4000;
        QTest::newRow("lines around the wrap lengths") << 90 << 0 << 6000;
        QTest::newRow("short lines, a few long ones") << 20 << 40 << 6000;
    }

    // Random header files of about 4 to 20 KB: what a limited read gives, once normalised, is
    // what the whole file gives, and no more than the limit was read.
    void headerFromTheFileStartIsTheHeaderFromTheWholeFile() {
        QFETCH(int, maxLineLength);
        QFETCH(int, longLineEvery);
        QFETCH(int, minBytes);
        QTemporaryDir folder;
        const QString path = QDir(folder.path()).filePath("big.set");
        const QByteArray lineEnds[] = {"\r\n", "\n", "\r"};
        QRandomGenerator random(8192);
        for (int round = 0; round < 60; ++round) {
            QByteArray bytes;
            const int size = random.bounded(minBytes, 20000);
            while (bytes.size() < size) {
                const bool longLine = longLineEvery > 0 && random.bounded(longLineEvery) == 0;
                const int length = random.bounded(0, (longLine ? 200 : maxLineLength) + 1);
                for (int i = 0; i < length; ++i)
                    bytes.append(char(random.bounded('A', 'Z' + 1)));
                bytes.append(lineEnds[random.bounded(8) == 0 ? random.bounded(3) : 0]);
            }
            QVERIFY(putBytes(path, bytes));

            const auto limited = PrinterHeaderFile::load(path);
            const auto whole = TextFile1251::readLines(path);
            QVERIFY(limited && whole.ok);
            QVERIFY(HeaderTotal(*limited) - 1 <= PrinterHeaderFile::ReadLimit);
            QCOMPARE(NormalizeHeader(*limited), NormalizeHeader(whole.lines));
        }
    }

    void openOfAMissingFileSaysSoAndLeavesTheMemoEmpty() {
        Panel p;
        p.dialogs.answers << p.path("absent");
        p.editor->openFile();
        QCOMPARE(p.prompts.shown,
                 QStringList({QStringLiteral("Файл не найден: ") + p.path("absent.set")}));
        QCOMPARE(p.editor->lines(), QStringList());
        QCOMPARE(p.memo->toPlainText(), QString());
    }

    void cancelChangesNothing() {
        Panel p;
        p.editor->openFile();
        p.editor->saveFile();
        QCOMPARE(p.editor->lines(), defaultPrinterHeader());
        QCOMPARE(p.tableViewShown, 2);
        QVERIFY(p.prompts.shown.isEmpty());
        QCOMPARE(QDir(p.folder.path()).entryList(QDir::Files), QStringList());
    }

    void saveWritesWindows1251WithCrLf() {
        Panel p;
        p.editor->setLines(StationLines);
        p.dialogs.answers << p.path("out");
        QTest::mouseClick(p.save, Qt::LeftButton);
        QCOMPARE(p.tableViewShown, 1);
        QCOMPARE(fileBytes(p.path("out.set")), Station1251);
        QCOMPARE(p.dialogs.proposedNames, QStringList({"nastr.set"}));
        QCOMPARE(p.dialogs.filters, QStringList({QStringLiteral("Файлы настройки(*.set)")}));

        // An existing file is replaced without a question.
        p.editor->setLines({"ABC"});
        p.dialogs.answers << p.path("out.set");
        p.editor->saveFile();
        QCOMPARE(fileBytes(p.path("out.set")), QByteArray("ABC\r\n"));

        // A failed write is told, with where and why.
        p.dialogs.answers << p.path("no/such/folder/x.set");
        p.editor->saveFile();
        QCOMPARE(p.prompts.shown.size(), 1);
        QVERIFY(p.prompts.shown.first().startsWith(
            QStringLiteral("Заголовок не сохранен в файл ") +
            QDir::toNativeSeparators(p.path("no/such/folder/x.set")) + QStringLiteral(": ")));
    }

    void saveAndOpenRoundTrip() {
        Panel p;
        const QStringList header = {QStringLiteral("ООО «Ромашка»"), QString(),
                                    QStringLiteral("т. 8-800-000")};
        p.editor->setLines(header);
        p.dialogs.answers << p.path("copy.set") << p.path("copy.set");
        p.editor->saveFile();
        p.editor->clear();
        p.editor->openFile();
        QCOMPARE(p.editor->lines(), header);
    }

    // As when the main window closes: the memo's window goes while the editor still lives.
    // No event of the dying memo or its viewport may reach it as a half-destroyed memo
    // (caught by -fsanitize=undefined), and the editor goes quietly afterwards.
    void memoGoesBeforeTheEditor_data() {
        QTest::addColumn<bool>("shown");
        QTest::newRow("hidden window") << false;
        QTest::newRow("shown window") << true;
    }

    void memoGoesBeforeTheEditor() {
        QFETCH(bool, shown);
        auto window = std::make_unique<QWidget>();
        auto *memo = new QPlainTextEdit(window.get());
        auto *open = new QPushButton(window.get());
        auto *save = new QPushButton(window.get());
        auto *clear = new QPushButton(window.get());
        ScriptedFileDialogs dialogs;
        ScriptedPrompts prompts;
        auto editor = std::make_unique<PrinterHeaderEditor>(memo, open, save, clear, dialogs,
                                                            prompts, QDir::tempPath());
        if (shown) {
            window->show();
            QVERIFY(QTest::qWaitForWindowExposed(window.get()));
            memo->setFocus();
        }
        window.reset();
        editor.reset();
        QVERIFY(prompts.shown.isEmpty());
    }

    void clearEmptiesTheMemo() {
        Panel p;
        QTest::mouseClick(p.clear, Qt::LeftButton);
        QCOMPARE(p.editor->lines(), QStringList());
        QVERIFY(p.prompts.shown.isEmpty());
        QCOMPARE(p.tableViewShown, 0);
    }
};

QTEST_MAIN(TestPrinterHeader)
#include "test_printer_header.moc"
