#include "info_pages.h"

#include "working_folder.h"

#include <QFileInfo>

namespace {

QString infoFile(const QString &workingFolder, int number, QStringView extension) {
    return dataFilePath(workingFolder,
                        QStringLiteral("\\Info\\Inf%1%2").arg(number).arg(extension));
}

} // namespace

InfoPages::InfoPages(FileExists exists) : exists_(std::move(exists)) {
    if (!exists_)
        exists_ = [](const QString &path) { return QFileInfo(path).isFile(); };
}

void InfoPages::build(const QString &workingFolder) {
    slots_ = {};
    count_ = 0;
    for (int number = 0; number < SlotCount; ++number) {
        Page &page = slots_[size_t(count_)];
        // A ".jpg" picture takes precedence over a ".bmp" one of the same number.
        for (QStringView extension : {u".jpg", u".bmp"}) {
            const QString path = infoFile(workingFolder, number, extension);
            if (exists_(path)) {
                page.picture = path;
                break;
            }
        }
        const QString text = infoFile(workingFolder, number, u".txt");
        if (exists_(text))
            page.text = text;
        if (!page.picture.isEmpty() || !page.text.isEmpty())
            ++count_;
    }
    current_ = 0;
}

int InfoPages::selectorClicked(int position) {
    if (position >= SelectorMaximum || position > lastPage() + 1)
        position = SelectorStart;
    if (position <= SelectorMinimum)
        position = lastPage() + 1;
    current_ = position - 1;
    return position;
}

void InfoPages::showForAnalyser(AnalyserKind kind) {
    current_ = kind == AnalyserKind::FourComponent ? 0 : lastPage();
}

InfoPages::Page InfoPages::currentContent() const {
    const Page &page = slots_.at(size_t(current_));
    Page content;
    if (!page.picture.isEmpty() && exists_(page.picture))
        content.picture = page.picture;
    if (!page.text.isEmpty() && exists_(page.text))
        content.text = page.text;
    return content;
}
