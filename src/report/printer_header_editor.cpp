#include "printer_header_editor.h"

#include "file_dialogs.h"
#include "header_normalizer.h"
#include "printer_header_file.h"
#include "user_prompts.h"

#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

QStringList defaultPrinterHeader() {
    return {QStringLiteral("ВЕЛАНТАР"), QStringLiteral("ГАЗОАНАЛИЗАТОР"),
            QStringLiteral("СТАНЦИЯ КОНТРОЛЯ"), QStringLiteral("ТЕЛ. ___-__-__")};
}

namespace {

QString memoText(const QStringList &lines) {
    return lines.join(u'\n');
}

} // namespace

PrinterHeaderEditor::PrinterHeaderEditor(QPlainTextEdit *memo, QPushButton *open, QPushButton *save,
                                         QPushButton *clear, FileDialogs &dialogs,
                                         UserPrompts &prompts, QString programFolder,
                                         QObject *parent)
    : QObject(parent), memo_(memo), viewport_(memo->viewport()), dialogs_(dialogs),
      prompts_(prompts), programFolder_(std::move(programFolder)) {
    open->setToolTip(QStringLiteral("Заголовок из файла"));
    save->setToolTip(QStringLiteral("Заголовок в файле"));
    clear->setToolTip(QStringLiteral("Заголовок с экрана"));
    connect(open, &QPushButton::clicked, this, &PrinterHeaderEditor::openFile);
    connect(save, &QPushButton::clicked, this, &PrinterHeaderEditor::saveFile);
    connect(clear, &QPushButton::clicked, this, &PrinterHeaderEditor::clear);

    // A bold fixed-pitch face stands in for "Lucida Console"; the size stays the one the
    // window layout gives the memo, and the colours are the settings' business.
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setStyleHint(QFont::TypeWriter);
    const int pointSize = memo_->font().pointSize();
    if (pointSize > 0)
        font.setPointSize(pointSize);
    font.setBold(true);
    memo_->setFont(font);
    memo_->setReadOnly(false);
    memo_->setLineWrapMode(QPlainTextEdit::NoWrap);
    memo_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    // Key events reach the memo itself, mouse events its viewport.
    memo_->installEventFilter(this);
    memo_->viewport()->installEventFilter(this);
    // The memo may go before the editor (the main window's panels before its controllers):
    // from then on there is nothing to watch.
    connect(memo_, &QObject::destroyed, this, [this] { memo_ = nullptr; });

    setLinesAsRead(defaultPrinterHeader());
}

QStringList PrinterHeaderEditor::lines() const {
    const QString text = memo_->toPlainText();
    if (text.isEmpty())
        return {};
    return text.split(u'\n');
}

void PrinterHeaderEditor::setLines(const QStringList &lines) {
    setLinesAsRead(NormalizeHeader(lines));
}

void PrinterHeaderEditor::setLinesAsRead(const QStringList &lines) {
    memo_->setPlainText(memoText(lines));
}

void PrinterHeaderEditor::loadAtStart() {
    const QString path = QDir(programFolder_).filePath(PrinterHeaderFile::DefaultFileName);
    if (QFile::exists(path)) {
        // An unreadable file leaves the built-in header in place.
        if (const auto read = PrinterHeaderFile::load(path))
            setLinesAsRead(*read);
    }
    normalizeMemo();
}

void PrinterHeaderEditor::openFile() {
    if (showTableView)
        showTableView();
    const QString answer = dialogs_.openFileName(
        memo_, programFolder_, PrinterHeaderFile::DialogFilter, PrinterHeaderFile::DefaultFileName);
    if (answer.isEmpty())
        return;
    const QString path = chosenPath(answer);
    clear();
    if (!QFile::exists(path)) {
        prompts_.message(QStringLiteral("Файл не найден: ") + QDir::toNativeSeparators(path));
        return;
    }
    // A read error leaves the memo empty, without a message.
    if (const auto read = PrinterHeaderFile::load(path))
        setLines(*read);
}

void PrinterHeaderEditor::saveFile() {
    if (showTableView)
        showTableView();
    const QString answer = dialogs_.saveFileName(
        memo_, programFolder_, PrinterHeaderFile::DialogFilter, PrinterHeaderFile::DefaultFileName);
    if (answer.isEmpty())
        return;
    // A failed write keeps the old file; the user is told why the header was not saved.
    const QString path = chosenPath(answer);
    const SafeFile::WriteResult saved = PrinterHeaderFile::save(path, lines());
    if (!saved.ok)
        prompts_.message(QStringLiteral("Заголовок не сохранен в файл ") +
                         QDir::toNativeSeparators(path) + QStringLiteral(": ") + saved.error);
}

void PrinterHeaderEditor::clear() {
    memo_->clear();
}

bool PrinterHeaderEditor::eventFilter(QObject *watched, QEvent *event) {
    // The release comes after the press has changed the text (a typed character, a paste
    // with Ctrl+V or the middle button), so the text seen here is the edited one.
    if (memo_ != nullptr && (watched == memo_ || watched == viewport_) &&
        (event->type() == QEvent::KeyRelease || event->type() == QEvent::MouseButtonRelease))
        normalizeMemo();
    return QObject::eventFilter(watched, event);
}

void PrinterHeaderEditor::normalizeMemo() {
    const QStringList before = lines();
    const QTextCursor cursor = memo_->textCursor();
    HeaderPosition position{cursor.blockNumber(), cursor.positionInBlock()};
    const QStringList after = NormalizeHeader(before, &position);
    if (after == before)
        return;

    // Replace the text as one edit, so the memo keeps its undo history (setPlainText would
    // drop it), and put the cursor where the character before it went.
    QTextCursor edit(memo_->document());
    edit.beginEditBlock();
    edit.select(QTextCursor::Document);
    edit.insertText(memoText(after));
    edit.endEditBlock();

    QTextCursor placed(memo_->document());
    const QTextBlock block = memo_->document()->findBlockByNumber(position.line);
    if (block.isValid())
        placed.setPosition(block.position() + position.column);
    else
        placed.movePosition(QTextCursor::End);
    memo_->setTextCursor(placed);
}

QString PrinterHeaderEditor::chosenPath(const QString &dialogAnswer) const {
    const QString completed = PrinterHeaderFile::withDefaultExtension(dialogAnswer);
    return QDir(programFolder_).absoluteFilePath(completed);
}
