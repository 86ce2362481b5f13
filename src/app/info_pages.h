#pragma once

#include "analyser_kind.h"

#include <QString>
#include <QStringView>

#include <array>
#include <functional>

// The information view's pages: up to ten pictures with texts, leafed through with a pair
// of arrow buttons (UpDown1). The pages are the files "Info/Inf<N>.jpg" (or ".bmp") and
// "Info/Inf<N>.txt" of the working folder for N = 0 to 9; the numbers found are packed in
// ascending order, so gaps in the numbering leave no empty pages. The list is built once at
// start-up. This class decides which files a page shows; the view loads them
// (loadPicture, TextFile1251::readLines) and keeps its previous picture or text wherever
// the page gives none or the file cannot be read.
class InfoPages {
public:
    static constexpr int SlotCount = 10;
    // The selector's range and start; position p shows page p - 1.
    static constexpr int SelectorMinimum = 0;
    static constexpr int SelectorMaximum = 11;
    static constexpr int SelectorStart = 1;

    // Paths of one page's files; an empty path: the page has no such file.
    struct Page {
        QString picture;
        QString text;
        friend bool operator==(const Page &, const Page &) = default;
    };

    using FileExists = std::function<bool(const QString &path)>;

    // exists: how a file's existence is checked (default: the file system).
    explicit InfoPages(FileExists exists = {});

    // Scans the working folder's Info files; the current page becomes 0.
    void build(const QString &workingFolder);

    int count() const { return count_; }
    // The index of the last page, 0 when there are none.
    int lastPage() const { return count_ > 0 ? count_ - 1 : 0; }
    int currentPage() const { return current_; }
    const Page &slot(int index) const { return slots_.at(size_t(index)); }

    // The selector has moved by one to position. Going past the last page comes back to
    // the first, going before the first goes to the last. Returns the position the
    // selector must show; its page becomes the current one.
    int selectorClicked(int position);

    // Once the analyser is identified: the first page for a four-component analyser, the
    // last one otherwise. The selector is not moved, so the next click goes on from its
    // own position.
    void showForAnalyser(AnalyserKind kind);

    // What showing the current page loads: each file that exists now. An empty path leaves
    // the picture or text shown before in place.
    Page currentContent() const;

private:
    FileExists exists_;
    std::array<Page, SlotCount> slots_{};
    int count_ = 0;
    int current_ = 0;
};

// The help text shown in the report memo (ToolButton11Click).
namespace HelpFile {
inline constexpr char16_t Name[] = u"\\readme.txt";
inline constexpr QStringView MissingMessage = u"Файл не найден : readme.txt";
} // namespace HelpFile
