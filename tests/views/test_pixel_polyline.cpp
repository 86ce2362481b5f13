#include "pixel_polyline.h"

#include <QtTest>

#include <QImage>
#include <QPainter>
#include <QRandomGenerator>

#include <cmath>
#include <optional>

// The drawer must set exactly the pixels Qt's raster engine sets for the same polyline, clip
// and translation: every polyline below is drawn both ways and the pictures compared.
namespace {

using Points = QVector<QPointF>;

constexpr QSize kPicture(320, 200);

Points randomWalk(quint32 seed, int count, double step, QPointF start) {
    QRandomGenerator random(seed);
    Points points{start};
    for (int i = 1; i < count; ++i)
        points.append(points.last() + QPointF((random.generateDouble() * 2 - 1) * step,
                                              (random.generateDouble() * 2 - 1) * step));
    return points;
}

// A zigzag of `count` points a `dx` apart, swinging `dy` up and down.
Points zigzag(int count, QPointF start, double dx, double dy) {
    Points points;
    for (int i = 0; i < count; ++i)
        points.append(start + QPointF(i * dx, (i % 2) ? dy : 0));
    return points;
}

// The chart's own case: 2 000 readings across 750 pixels, noisy around a slow wave.
Points chartTrace(quint32 seed) {
    QRandomGenerator random(seed);
    Points points;
    for (int i = 0; i < 2000; ++i)
        points.append(QPointF(20 + i * 750.0 / 1999,
                              100 + 60 * std::sin(i / 150.0) + random.generateDouble() * 12 - 6));
    return points;
}

Points grid(std::initializer_list<QPointF> points) {
    return Points(points);
}

struct Shape {
    const char *name;
    Points points;
};

QVector<Shape> shapes() {
    return {
        {"random walk of steps up to 3 px", randomWalk(1, 400, 3, {160, 100})},
        {"random walk of sub-pixel steps", randomWalk(2, 600, 0.4, {160, 100})},
        {"random walk of long steps", randomWalk(3, 200, 60, {160, 100})},
        {"random walk leaving the picture", randomWalk(4, 300, 40, {300, 20})},
        {"flat zigzag", zigzag(120, {3.2, 50.7}, 2.5, 1.3)},
        {"steep zigzag", zigzag(120, {2.6, 20.1}, 0.7, 90.4)},
        {"zigzag on pixel edges", zigzag(60, {4, 40}, 3, 7)},
        {"zigzag on pixel centres", zigzag(60, {4.5, 40.5}, 3, 7)},
        {"horizontal and vertical runs", grid({{10, 10},
                                               {200, 10},
                                               {200, 150},
                                               {30.5, 150},
                                               {30.5, 20.5},
                                               {250.25, 20.5},
                                               {250.25, 180.75}})},
        {"steps shorter than a pixel", grid({{10, 10},
                                             {10.2, 10.1},
                                             {10.5, 10.3},
                                             {10.6, 10.9},
                                             {11.4, 11.2},
                                             {11.5, 11.6},
                                             {30, 12},
                                             {30.1, 12.05},
                                             {30.15, 40},
                                             {30.2, 40.3}})},
        {"crossing the picture's edges",
         grid({{-40, 50}, {100, -30}, {360, 120}, {150, 260}, {-10, 190}, {10, -5}, {330, 205}})},
        {"far outside", grid({{-5000, -5000}, {5000, 100}, {100, 8000}, {-300, 50}, {60, 60}})},
        {"closed polygon", grid({{40, 40}, {120, 45}, {110, 130}, {35, 120}, {40, 40}})},
        {"closed zigzag of two points", grid({{60, 60}, {60, 60}})},
        {"chart trace", chartTrace(5)},
    };
}

struct Framing {
    const char *name;
    QPointF translation;
    std::optional<QRectF> clip; // in the painter's coordinates after the translation
    bool integerClip;
};

QVector<Framing> framings() {
    return {
        {"whole picture", {0, 0}, std::nullopt, false},
        {"clipped to a rectangle", {0, 0}, QRectF(30, 25, 200, 120), true},
        {"clipped between pixels", {0, 0}, QRectF(30.4, 25.6, 180.3, 110.5), false},
        {"moved by whole pixels and clipped", {7, -4}, QRectF(0, 0, 250, 150), true},
        {"moved by half a pixel", {0.5, 0.5}, std::nullopt, false},
        {"moved by a fraction and clipped", {-3.25, 2.75}, QRectF(10.5, 10.5, 230, 160), false},
    };
}

void frame(QPainter &painter, const Framing &framing) {
    painter.translate(framing.translation);
    if (!framing.clip)
        return;
    if (framing.integerClip)
        painter.setClipRect(framing.clip->toRect());
    else
        painter.setClipRect(*framing.clip);
}

QImage picture(QImage::Format format) {
    QImage image(kPicture, format);
    image.fill(QColor(250, 250, 240));
    return image;
}

} // namespace

class TestPixelPolyline : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }

    void matchesQt_data() {
        QTest::addColumn<int>("format");
        QTest::addColumn<int>("cap");
        QTest::addColumn<int>("shape");
        QTest::addColumn<int>("framing");
        const QVector<Shape> all = shapes();
        const QVector<Framing> frames = framings();
        for (const auto format : {QImage::Format_RGB32, QImage::Format_ARGB32_Premultiplied})
            for (const auto cap : {Qt::SquareCap, Qt::FlatCap})
                for (int s = 0; s < all.size(); ++s)
                    for (int f = 0; f < frames.size(); ++f)
                        QTest::addRow(
                            "%s, %s, %s, %s", format == QImage::Format_RGB32 ? "RGB32" : "ARGB32pm",
                            cap == Qt::FlatCap ? "flat" : "square", all[s].name, frames[f].name)
                            << int(format) << int(cap) << s << f;
    }

    void matchesQt() {
        QFETCH(int, format);
        QFETCH(int, cap);
        QFETCH(int, shape);
        QFETCH(int, framing);
        const Points points = shapes()[shape].points;
        const Framing how = framings()[framing];
        QPen pen(QColor(200, 30, 60), 0);
        pen.setCapStyle(Qt::PenCapStyle(cap));

        QImage byQt = picture(QImage::Format(format));
        {
            QPainter painter(&byQt);
            frame(painter, how);
            painter.setPen(pen);
            painter.drawPolyline(points.constData(), int(points.size()));
        }
        QImage byDrawer = picture(QImage::Format(format));
        {
            QPainter painter(&byDrawer);
            frame(painter, how);
            painter.setPen(pen);
            QVERIFY(PixelPolyline::drawWith(painter, points.constData(), points.size()));
        }
        if (byQt != byDrawer) {
            int differing = 0;
            QPoint firstDiffering;
            for (int y = 0; y < byQt.height(); ++y)
                for (int x = 0; x < byQt.width(); ++x)
                    if (byQt.pixel(x, y) != byDrawer.pixel(x, y) && differing++ == 0)
                        firstDiffering = QPoint(x, y);
            QFAIL(qPrintable(QStringLiteral("%1 pixels differ, the first at %2, %3")
                                 .arg(differing)
                                 .arg(firstDiffering.x())
                                 .arg(firstDiffering.y())));
        }
    }

    // Every painter Qt would draw for differently is left to Qt, untouched.
    void declinesOtherPainters_data() {
        QTest::addColumn<int>("variant");
        QTest::newRow("antialiased") << 0;
        QTest::newRow("scaled") << 1;
        QTest::newRow("translucent pen") << 2;
        QTest::newRow("dashed pen") << 3;
        QTest::newRow("wide pen") << 4;
        QTest::newRow("half opacity") << 5;
        QTest::newRow("clip of two rectangles") << 6;
        QTest::newRow("picture without 32-bit pixels") << 7;
    }

    void declinesOtherPainters() {
        QFETCH(int, variant);
        QImage image = picture(variant == 7 ? QImage::Format_RGB16 : QImage::Format_RGB32);
        const QImage before = image;
        QPainter painter(&image);
        QPen pen(Qt::black, 0);
        switch (variant) {
        case 0:
            painter.setRenderHint(QPainter::Antialiasing);
            break;
        case 1:
            painter.scale(2, 2);
            break;
        case 2:
            pen.setColor(QColor(0, 0, 0, 128));
            break;
        case 3:
            pen.setStyle(Qt::DashLine);
            break;
        case 4:
            pen.setWidth(2);
            break;
        case 5:
            painter.setOpacity(0.5);
            break;
        case 6:
            painter.setClipRegion(QRegion(0, 0, 50, 50) + QRegion(100, 100, 50, 50));
            break;
        }
        painter.setPen(pen);
        const Points points = zigzag(20, {5, 5}, 10, 40);
        QVERIFY(!PixelPolyline::drawWith(painter, points.constData(), points.size()));
        painter.end();
        QCOMPARE(image, before);
    }
};

QTEST_MAIN(TestPixelPolyline)
#include "test_pixel_polyline.moc"
