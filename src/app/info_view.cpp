#include "info_view.h"

#include "jpeg_image.h"
#include "picture_file.h"
#include "text_file_1251.h"
#include "up_down.h"

#include <QEvent>
#include <QFile>
#include <QLabel>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QScrollBar>

namespace {

QByteArray resourceBytes(const QString &name) {
    QFile file(name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

InfoView::InfoView(TUpDown &selector, QLabel &image, QPlainTextEdit &memo, QObject *parent)
    : QObject(parent), selector_(selector), image_(image), memo_(memo) {
    selector_.setRange(InfoPages::SelectorMinimum, InfoPages::SelectorMaximum);
    selector_.setPosition(InfoPages::SelectorStart);
    connect(&selector_, &TUpDown::clicked, this, &InfoView::UpDown1Click);
    memo_.setReadOnly(true);
    memo_.setLineWrapMode(QPlainTextEdit::NoWrap);
    memo_.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    image_.setScaledContents(true);
    image_.setPixmap(QPixmap::fromImage(designPicture()));
    image_.installEventFilter(this);
    memo_.setPlainText(designDescription().join(u'\n'));
}

QImage InfoView::designPicture() {
    return JpegImage::decode(resourceBytes(QStringLiteral(":/info/design_picture.jpg")));
}

QStringList InfoView::designDescription() {
    return TextFile1251::splitLines(
        QString::fromUtf8(resourceBytes(QStringLiteral(":/info/design_description.txt"))));
}

void InfoView::build(const QString &workingFolder) {
    pages_.build(workingFolder);
    showCurrentPage();
}

void InfoView::showCurrentPage() {
    const InfoPages::Page content = pages_.currentContent();
    if (!content.picture.isEmpty())
        showPicture(content.picture);
    if (!content.text.isEmpty()) {
        const TextFile1251::ReadResult text = TextFile1251::readLines(content.text, MaxTextBytes);
        if (text.ok)
            memo_.setPlainText(text.lines.join(u'\n'));
    }
}

QSize InfoView::shownSize() const {
    return image_.size() * image_.devicePixelRatio();
}

// A page's picture is kept at the size it is shown (a 4000 x 3000 photograph would otherwise
// hold 48 MB, twice over while it becomes a pixmap); it is decoded again when the view grows
// past what was decoded.
void InfoView::showPicture(const QString &path) {
    const QSize shownAt = shownSize();
    QImage picture = loadPicture(path, shownAt);
    if (picture.isNull())
        return;
    picture_ = {path, picture.width() < shownAt.width() || picture.height() < shownAt.height()
                          ? QSize()
                          : picture.size()};
    image_.setPixmap(QPixmap::fromImage(std::move(picture)));
}

bool InfoView::eventFilter(QObject *watched, QEvent *event) {
    if (watched == &image_ && event->type() == QEvent::Resize && !picture_.path.isEmpty() &&
        !picture_.decodedAt.isEmpty()) {
        const QSize shownAt = shownSize();
        if (shownAt.width() > picture_.decodedAt.width() ||
            shownAt.height() > picture_.decodedAt.height())
            showPicture(picture_.path);
    }
    return QObject::eventFilter(watched, event);
}

void InfoView::UpDown1Click() {
    selector_.setPosition(pages_.selectorClicked(selector_.position()));
    showCurrentPage();
}

void InfoView::showPageFor(AnalyserKind kind) {
    pages_.showForAnalyser(kind);
    showCurrentPage();
}
