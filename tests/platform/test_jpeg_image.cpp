#include "jpeg_image.h"
#include "picture_file.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include "test_files.h"

#include <array>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

extern "C" {
#include <jpeglib.h>
}

namespace {

using Pixel = std::function<std::array<JSAMPLE, 4>(int x, int y)>;

// A JPEG made by libjpeg's own compressor, independent of the decoder under test.
QByteArray encodeJpeg(int width, int height, int components, J_COLOR_SPACE space,
                      const Pixel &pixel, bool progressive = false) {
    jpeg_compress_struct encoder{};
    jpeg_error_mgr errors{};
    encoder.err = jpeg_std_error(&errors);
    jpeg_create_compress(&encoder);
    unsigned char *out = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&encoder, &out, &size);
    encoder.image_width = JDIMENSION(width);
    encoder.image_height = JDIMENSION(height);
    encoder.input_components = components;
    encoder.in_color_space = space;
    jpeg_set_defaults(&encoder);
    jpeg_set_quality(&encoder, 95, TRUE);
    if (progressive)
        jpeg_simple_progression(&encoder);
    jpeg_start_compress(&encoder, TRUE);
    std::vector<JSAMPLE> row(size_t(width * components));
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            std::copy_n(pixel(x, y).begin(), components, row.begin() + x * components);
        JSAMPROW rowPointer = row.data();
        jpeg_write_scanlines(&encoder, &rowPointer, 1);
    }
    jpeg_finish_compress(&encoder);
    const QByteArray bytes(reinterpret_cast<const char *>(out), qsizetype(size));
    jpeg_destroy_compress(&encoder);
    std::free(out);
    return bytes;
}

// 32 x 16: red on the left half, blue on the right.
QByteArray twoColourJpeg(bool progressive = false) {
    return encodeJpeg(
        32, 16, 3, JCS_RGB,
        [](int x, int) {
            return x < 16 ? std::array<JSAMPLE, 4>{255, 0, 0} : std::array<JSAMPLE, 4>{0, 0, 255};
        },
        progressive);
}

// 64 x 64 of busy detail, so that most of the file is picture data.
QByteArray detailedJpeg() {
    return encodeJpeg(64, 64, 3, JCS_RGB, [](int x, int y) {
        return std::array<JSAMPLE, 4>{JSAMPLE(x * 37 + y * 91), JSAMPLE(x * y), JSAMPLE(x ^ y)};
    });
}

// The start-of-frame record declares width x height whatever the data holds.
QByteArray withDeclaredSize(QByteArray jpeg, int width, int height) {
    const qsizetype frame = jpeg.indexOf(QByteArray::fromHex("ffc0"));
    const char size[] = {char(height >> 8), char(height), char(width >> 8), char(width)};
    return jpeg.replace(frame + 5, 4, size, 4);
}

QByteArray randomBytes(int count) {
    QRandomGenerator generator(20261208);
    QByteArray bytes(count, '\0');
    for (char &b : bytes)
        b = char(generator.bounded(256));
    return bytes;
}

} // namespace

class TestJpegImage : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }
    void decodes_data();
    void decodes();
    void refuses_data();
    void refuses();
    void loadPictureByExtension_data();
    void loadPictureByExtension();
    void loadPictureTakesOnlyTheMemoryOfTheFile();
};

void TestJpegImage::decodes_data() {
    QTest::addColumn<QByteArray>("jpeg");
    QTest::addColumn<QSize>("shownAt"); // empty: the whole picture
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QPoint>("probe");
    QTest::addColumn<QColor>("colour");

    const QSize whole;
    QTest::newRow("colour, left") << twoColourJpeg() << whole << QSize(32, 16) << QPoint(4, 8)
                                  << QColor(255, 0, 0);
    QTest::newRow("colour, right")
        << twoColourJpeg() << whole << QSize(32, 16) << QPoint(28, 8) << QColor(0, 0, 255);
    QTest::newRow("progressive") << twoColourJpeg(true) << whole << QSize(32, 16) << QPoint(28, 8)
                                 << QColor(0, 0, 255);
    QTest::newRow("grey") << encodeJpeg(8, 24, 1, JCS_GRAYSCALE,
                                        [](int, int) { return std::array<JSAMPLE, 4>{128}; })
                          << whole << QSize(8, 24) << QPoint(4, 12) << QColor(128, 128, 128);
    // Shown smaller, a picture is decoded at the least of a half, a quarter or an eighth that
    // still covers the size shown, and keeps its colours where they were.
    QTest::newRow("a quarter, left")
        << twoColourJpeg() << QSize(8, 4) << QSize(8, 4) << QPoint(1, 2) << QColor(255, 0, 0);
    QTest::newRow("a quarter, right")
        << twoColourJpeg() << QSize(8, 4) << QSize(8, 4) << QPoint(7, 2) << QColor(0, 0, 255);
    QTest::newRow("a half covers a size between")
        << twoColourJpeg() << QSize(9, 4) << QSize(16, 8) << QPoint(14, 4) << QColor(0, 0, 255);
    QTest::newRow("an eighth at most")
        << twoColourJpeg(true) << QSize(1, 1) << QSize(4, 2) << QPoint(0, 1) << QColor(255, 0, 0);
    QTest::newRow("shown larger: the whole") << twoColourJpeg() << QSize(640, 480) << QSize(32, 16)
                                             << QPoint(28, 8) << QColor(0, 0, 255);
    // libjpeg marks CMYK files as Adobe's, whose inks are stored inverted.
    QTest::newRow("cmyk") << encodeJpeg(16, 16, 4, JCS_CMYK,
                                        [](int, int) {
                                            return std::array<JSAMPLE, 4>{255, 0, 0, 255};
                                        })
                          << whole << QSize(16, 16) << QPoint(8, 8) << QColor(255, 0, 0);
}

void TestJpegImage::decodes() {
    QFETCH(QByteArray, jpeg);
    QFETCH(QSize, shownAt);
    QFETCH(QSize, size);
    QFETCH(QPoint, probe);
    QFETCH(QColor, colour);

    const QImage image = JpegImage::decode(jpeg, {}, shownAt);
    QCOMPARE(image.size(), size);
    QCOMPARE(image.format(), QImage::Format_RGB32);
    const QColor got = image.pixelColor(probe);
    QVERIFY2(qAbs(got.red() - colour.red()) + qAbs(got.green() - colour.green()) +
                     qAbs(got.blue() - colour.blue()) <=
                 24,
             qPrintable(got.name()));
}

void TestJpegImage::refuses_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("maxScans");

    const QByteArray valid = twoColourJpeg();
    const QByteArray detailed = detailedJpeg();
    QTest::newRow("empty") << QByteArray() << 500;
    QTest::newRow("random bytes") << randomBytes(4000) << 500;
    QTest::newRow("random after the start marker") << "\xff\xd8" + randomBytes(4000) << 500;
    QTest::newRow("cut in the headers") << valid.left(40) << 500;
    QTest::newRow("cut in the picture data") << detailed.left(detailed.size() * 2 / 3) << 500;
    QTest::newRow("side beyond the limit") << withDeclaredSize(valid, 60000, 16) << 500;
    QTest::newRow("area beyond the memory limit") << withDeclaredSize(valid, 12000, 12000) << 500;
    QTest::newRow("zero width") << withDeclaredSize(valid, 0, 16) << 500;
    QTest::newRow("more scans than allowed") << twoColourJpeg(true) << 2;
}

void TestJpegImage::refuses() {
    QFETCH(QByteArray, bytes);
    QFETCH(int, maxScans);
    JpegImage::Limits limits;
    limits.maxScans = maxScans;
    QVERIFY(JpegImage::decode(bytes, limits).isNull());
}

void TestJpegImage::loadPictureByExtension_data() {
    QTest::addColumn<QString>("name"); // empty: no file
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QSize>("shownAt");
    QTest::addColumn<QSize>("size");

    const QSize None(0, 0); // a null image
    QByteArray bitmap;
    QBuffer buffer(&bitmap);
    buffer.open(QIODevice::WriteOnly);
    QImage(5, 7, QImage::Format_RGB32).save(&buffer, "BMP");
    const QByteArray jpeg = twoColourJpeg();
    QTest::newRow("jpg") << "Inf0.jpg" << jpeg << QSize() << QSize(32, 16);
    QTest::newRow("JPG in capitals") << "Inf0.JPG" << jpeg << QSize() << QSize(32, 16);
    QTest::newRow("bmp") << "Inf4.bmp" << bitmap << QSize() << QSize(5, 7);
    QTest::newRow("bitmap named jpg") << "Inf1.jpg" << bitmap << QSize() << None;
    QTest::newRow("random bytes named jpg") << "Inf2.jpg" << randomBytes(3000) << QSize() << None;
    QTest::newRow("cut bmp") << "Inf3.bmp" << bitmap.left(30) << QSize() << None;
    QTest::newRow("other extension") << "Inf5.png" << jpeg << QSize() << None;
    QTest::newRow("missing file") << "" << QByteArray() << QSize() << None;
    QTest::newRow("jpg shown smaller") << "Inf0.jpg" << jpeg << QSize(16, 8) << QSize(16, 8);
    QTest::newRow("bmp shown smaller") << "Inf4.bmp" << bitmap << QSize(2, 2) << QSize(2, 2);
}

void TestJpegImage::loadPictureByExtension() {
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(QSize, shownAt);
    QFETCH(QSize, size);

    QTemporaryDir dir;
    const QString path = dir.filePath(name.isEmpty() ? QStringLiteral("absent.jpg") : name);
    if (!name.isEmpty())
        QVERIFY(TestFiles::putBytes(path, bytes));
    QCOMPARE(loadPicture(path, shownAt).size(), size);
}

// A small page picture still loads when little memory is left: the loader sets aside what
// the file holds, not the largest file it would accept (64 MiB).
void TestJpegImage::loadPictureTakesOnlyTheMemoryOfTheFile() {
#if defined(__SANITIZE_ADDRESS__)
    QSKIP("AddressSanitizer reserves more address space than any limit leaves");
#endif
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Inf0.jpg"));
    QVERIFY(TestFiles::putBytes(path, twoColourJpeg()));
    const pid_t child = fork();
    QVERIFY(child >= 0);
    if (child == 0) {
        // A failure ends the child plainly, without the test's crash report.
        signal(SIGABRT, SIG_DFL);
        signal(SIGSEGV, SIG_DFL);
        alarm(60); // nor hangs the test when memory runs out in a bad place

        QFile statm(QStringLiteral("/proc/self/statm"));
        if (!statm.open(QIODevice::ReadOnly))
            _exit(2);
        const rlim_t inUse = statm.readAll().split(' ').value(0).toULongLong() * getpagesize();
        const rlimit limit{inUse + 32 * 1024 * 1024, inUse + 32 * 1024 * 1024};
        setrlimit(RLIMIT_AS, &limit);
        _exit(loadPicture(path).size() == QSize(32, 16) ? 0 : 1);
    }
    int status = 0;
    QCOMPARE(waitpid(child, &status, 0), child);
    QVERIFY2(WIFEXITED(status) && WEXITSTATUS(status) == 0, "the picture did not load");
}

QTEST_GUILESS_MAIN(TestJpegImage)
#include "test_jpeg_image.moc"
