#include "emf_recording.h"

#include <QDir>
#include <QTemporaryFile>

#include <cstdio>
#include <unistd.h>

struct EmfRecording::State {
    QTemporaryFile file;
    FILE *stream = nullptr;
    HDC dc = 0;
};

EmfRecording::EmfRecording() = default;

EmfRecording::~EmfRecording() {
    stop();
}

HDC EmfRecording::start(const RECT &frame, const QString &description, QString &error) {
    state_ = std::make_unique<State>();
    State &state = *state_;
    state.file.setFileTemplate(QDir::tempPath() + QStringLiteral("/velantar-XXXXXX.emf"));
    if (!state.file.open()) {
        error = state.file.errorString();
        state_.reset();
        return 0;
    }
    const int fd = dup(state.file.handle());
    state.stream = fd >= 0 ? fdopen(fd, "w+b") : nullptr;
    if (!state.stream) {
        if (fd >= 0)
            ::close(fd);
        error = QStringLiteral("Не удаётся записать временный файл метафайла");
        state_.reset();
        return 0;
    }
    static_assert(sizeof(WCHAR) == sizeof(char16_t));
    state.dc = CreateEnhMetaFileWithFILEW(0, state.stream, &frame,
                                          reinterpret_cast<LPCWSTR>(description.utf16()));
    if (!state.dc) {
        std::fclose(state.stream);
        error = QStringLiteral("Не удаётся начать метафайл");
        state_.reset();
        return 0;
    }
    return state.dc;
}

QByteArray EmfRecording::stop() {
    if (!state_)
        return {};
    State &state = *state_;
    // libEMF throws when a write of the records fails (a full disk); the file is then
    // short, which the caller's check of the bytes reports.
    try {
        DeleteEnhMetaFile(CloseEnhMetaFileWithFILE(state.dc));
    } catch (...) {
    }
    FILE *stream = state.stream;
    QByteArray bytes;
    const bool flushed = std::fflush(stream) == 0 && !std::ferror(stream);
    if (flushed && std::fseek(stream, 0, SEEK_END) == 0) {
        const long size = std::ftell(stream);
        if (size > 0 && std::fseek(stream, 0, SEEK_SET) == 0) {
            bytes.resize(size);
            if (std::fread(bytes.data(), 1, size_t(size), stream) != size_t(size))
                bytes.clear();
        }
    }
    std::fclose(stream);
    state_.reset();
    return bytes;
}
