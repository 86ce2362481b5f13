#pragma once

#include "analyser_kind.h"
#include "info_pages.h"

#include <QObject>
#include <QSize>
#include <QStringList>

class QImage;
class QLabel;
class QPlainTextEdit;
class TUpDown;

// The information view: the page selector UpDown1, the picture Image1 (stretched) and the
// read-only text Memo2. Until a page is loaded they show the design's picture and product
// description. The pages come from InfoPages; a page without a picture or a text, or with a
// file that cannot be read (missing, damaged, not a picture), leaves what was shown before.
class InfoView : public QObject {
    Q_OBJECT

public:
    // Larger page texts are shown up to this many bytes.
    static constexpr qint64 MaxTextBytes = 1024 * 1024;

    InfoView(TUpDown &selector, QLabel &image, QPlainTextEdit &memo, QObject *parent = nullptr);

    // Start-up: the page list from the working folder's "Info" files, then the first page.
    void build(const QString &workingFolder);
    // Loads the current page's picture and text.
    void showCurrentPage();
    // The selector has moved: wraps around at either end and shows the page.
    void UpDown1Click();
    // Once the analyser is identified: the first page for a four-component analyser, the
    // last one otherwise; the selector keeps its position.
    void showPageFor(AnalyserKind kind);

    const InfoPages &pages() const { return pages_; }

    // The window design's picture and product description.
    static QImage designPicture();
    static QStringList designDescription();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The page's picture file shown now, and the size it was decoded at; an empty size: the
    // whole picture, which a larger view cannot improve on.
    struct ShownPicture {
        QString path;
        QSize decodedAt;
    };

    void showPicture(const QString &path);
    QSize shownSize() const;

    TUpDown &selector_;
    QLabel &image_;
    QPlainTextEdit &memo_;
    InfoPages pages_;
    ShownPicture picture_;
};
