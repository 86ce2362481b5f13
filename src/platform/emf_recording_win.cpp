#include "emf_recording.h"

// On Windows the system records the metafile in memory and hands its bytes over at the end.
struct EmfRecording::State {
    HDC dc = nullptr;
};

EmfRecording::EmfRecording() = default;

EmfRecording::~EmfRecording() {
    stop();
}

HDC EmfRecording::start(const RECT &frame, const QString &description, QString &error) {
    state_ = std::make_unique<State>();
    static_assert(sizeof(wchar_t) == sizeof(char16_t));
    state_->dc = CreateEnhMetaFileW(nullptr, nullptr, &frame,
                                    reinterpret_cast<const wchar_t *>(description.utf16()));
    if (!state_->dc) {
        error = QStringLiteral("Не удаётся начать метафайл");
        state_.reset();
        return nullptr;
    }
    return state_->dc;
}

QByteArray EmfRecording::stop() {
    if (!state_)
        return {};
    HENHMETAFILE metafile = CloseEnhMetaFile(state_->dc);
    state_.reset();
    if (!metafile)
        return {};
    QByteArray bytes;
    const UINT size = GetEnhMetaFileBits(metafile, 0, nullptr);
    if (size > 0) {
        bytes.resize(qsizetype(size));
        if (GetEnhMetaFileBits(metafile, size, reinterpret_cast<BYTE *>(bytes.data())) != size)
            bytes.clear();
    }
    DeleteEnhMetaFile(metafile);
    return bytes;
}
