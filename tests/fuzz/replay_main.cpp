// Replays a fuzz target's seed corpus as an ordinary test: every file of the folder given as
// the first argument goes through the target's LLVMFuzzerTestOneInput once, so each CTest run
// exercises the readers on the damaged inputs kept in the repository. A crash or a broken
// promise aborts, and CTest reports the test as failed.

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size);

int main(int argc, char *argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s CORPUS_FOLDER\n", argv[0]);
        return 2;
    }
    const QDir corpus(QString::fromLocal8Bit(argv[1]));
    const QFileInfoList files = corpus.entryInfoList(QDir::Files, QDir::Name);
    if (files.isEmpty()) {
        std::fprintf(stderr, "no seed files in %s\n", argv[1]);
        return 1;
    }
    for (const QFileInfo &info : files) {
        QFile file(info.filePath());
        if (!file.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "cannot read %s\n", qPrintable(info.filePath()));
            return 1;
        }
        const QByteArray bytes = file.readAll();
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t *>(bytes.constData()),
                               std::size_t(bytes.size()));
    }
    std::printf("%lld seed files replayed\n", static_cast<long long>(files.size()));
    return 0;
}
