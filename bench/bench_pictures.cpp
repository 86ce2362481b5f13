// How long the picture adapters take: a graph of the recorder's full capacity drawn into
// a metafile, and an info page picture decoded.
#include "emf_paint_device.h"
#include "jpeg_image.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cmath>

namespace {

// One channel's line of `points` samples across a 1000 x 600 chart, with axis texts.
void drawGraph(QPainter &painter, int points) {
    QPolygonF line;
    line.reserve(points);
    for (int i = 0; i < points; ++i)
        line << QPointF(40 + 940.0 * i / points, 300 + 250 * std::sin(i / 500.0));
    painter.setPen(QPen(Qt::red, 2));
    painter.drawPolyline(line);
    painter.setPen(Qt::black);
    for (int x = 40; x <= 980; x += 94)
        painter.drawText(QPointF(x, 590), QStringLiteral("12:00:00"));
}

void metafileOfGraph(benchmark::State &state) {
    QTemporaryDir dir;
    const QString path = dir.filePath("graph.emf");
    for (auto _ : state) {
        EmfPaintDevice device(path, QSize(1000, 600));
        QPainter painter(&device);
        drawGraph(painter, int(state.range(0)));
        if (!painter.end())
            state.SkipWithError("the metafile was not written");
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(metafileOfGraph)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);

void decodeInfoPicture(benchmark::State &state) {
    QImage picture(1024, 768, QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixel(x, y, qRgb(x & 255, y & 255, (x ^ y) & 255));
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    if (!picture.save(&buffer, "JPG", 90)) {
        state.SkipWithError("no JPEG writer in this Qt");
        return;
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(JpegImage::decode(jpeg));
}
BENCHMARK(decodeInfoPicture)->Unit(benchmark::kMillisecond);

// A photograph of 4 000 x 3 000 as an info page: decoded whole (shown = 0), and at the size
// of the page's place in a window of 1024 x 768 (about 500 x 375). `decoded_mb` is the
// memory the decoded picture holds.
void decodeLargePage(benchmark::State &state) {
    QImage picture(4000, 3000, QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixel(x, y, qRgb((x / 16) & 255, (y / 12) & 255, ((x ^ y) / 8) & 255));
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    if (!picture.save(&buffer, "JPG", 85)) {
        state.SkipWithError("no JPEG writer in this Qt");
        return;
    }
    const int shown = int(state.range(0));
    const QSize shownAt = shown > 0 ? QSize(shown, shown * 3 / 4) : QSize();
    qsizetype bytes = 0;
    for (auto _ : state) {
        const QImage decoded = JpegImage::decode(jpeg, {}, shownAt);
        bytes = decoded.sizeInBytes();
        benchmark::DoNotOptimize(decoded.constBits());
    }
    state.counters["decoded_mb"] = double(bytes) / (1024 * 1024);
}
BENCHMARK(decodeLargePage)->ArgName("shown")->Arg(0)->Arg(500)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
