// The graph's line drawing at its fastest settings: twelve one-pixel polylines of 2 000
// points across a 750-pixel wide chart (six channels of a 2-pixel pen, each two one-pixel
// copies), drawn by Qt's raster engine and by the program's own drawer into the same picture.
#include "pixel_polyline.h"

#include <QImage>
#include <QPainter>
#include <QRandomGenerator>

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdlib>
#include <vector>

namespace {

constexpr int kLines = 12;
constexpr int kPoints = 2000;

std::vector<std::vector<QPointF>> traces() {
    QRandomGenerator random(7);
    std::vector<std::vector<QPointF>> lines(kLines);
    for (int k = 0; k < kLines; ++k)
        for (int i = 0; i < kPoints; ++i)
            lines[k].emplace_back(40 + i * 750.0 / (kPoints - 1),
                                  60 + 30 * k + 25 * std::sin(i / 120.0 + k) +
                                      random.generateDouble() * 8 - 4);
    return lines;
}

template <typename Draw> void drawAll(benchmark::State &state, QImage::Format format, Draw draw) {
    const auto lines = traces();
    QImage image(830, 500, format);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setClipRect(QRect(40, 10, 751, 480));
    painter.setPen(QPen(QColor(200, 30, 60), 0));
    for (auto _ : state)
        for (const auto &line : lines)
            draw(painter, line);
    state.counters["segments_per_s"] = benchmark::Counter(
        double(kLines) * (kPoints - 1), benchmark::Counter::kIsIterationInvariantRate);
}

void QtCosmeticStroker(benchmark::State &state) {
    drawAll(state, QImage::Format(state.range(0)), [](QPainter &painter, const auto &line) {
        painter.drawPolyline(line.data(), int(line.size()));
    });
}

void OwnDrawer(benchmark::State &state) {
    drawAll(state, QImage::Format(state.range(0)), [](QPainter &painter, const auto &line) {
        if (!PixelPolyline::drawWith(painter, line.data(), qsizetype(line.size())))
            std::abort();
    });
}

} // namespace

BENCHMARK(QtCosmeticStroker)->Arg(QImage::Format_RGB32)->Arg(QImage::Format_ARGB32_Premultiplied);
BENCHMARK(OwnDrawer)->Arg(QImage::Format_RGB32)->Arg(QImage::Format_ARGB32_Premultiplied);
BENCHMARK_MAIN();
