#include "line_bundle.h"

#include "qcustomplot.h"

#include <QtTest>

#include <cmath>

namespace {

using Points = QVector<QPointF>;

constexpr QRgb kPaper = 0xff000000;

QImage paper() {
    QImage image(400, 300, QImage::Format_RGB32);
    image.fill(kPaper);
    return image;
}

// The pixels inked, and whether every one of them has the ink's colour.
struct Inked {
    int count = 0;
    bool pure = true;
};

Inked inked(const QImage &image, QRgb ink) {
    Inked result;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (pixel == kPaper)
                continue;
            ++result.count;
            result.pure = result.pure && pixel == ink;
        }
    return result;
}

int differing(const QImage &a, const QImage &b) {
    int count = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            count += (a.pixel(x, y) == kPaper) != (b.pixel(x, y) == kPaper);
    return count;
}

} // namespace

// A wide line drawn as a bundle of one-pixel lines covers the wide pen's pixels, in the
// pen's own colour.
class TestLineBundle : public QObject {
    Q_OBJECT

private slots:
    void samePictureAsTheWidePen_data() {
        QTest::addColumn<Points>("points");
        QTest::addColumn<int>("width");
        Points wave, zigzag, level;
        for (int i = 0; i < 2000; ++i)
            wave << QPointF(10 + i * 0.19, 150 + 100 * std::sin(i / 37.0));
        for (int i = 0; i < 20; ++i)
            zigzag << QPointF(20 + i * 18, i % 2 ? 40 : 260);
        level << QPointF(10, 100) << QPointF(390, 100) << QPointF(390, 200);
        for (int width : {2, 3, 4}) {
            QTest::addRow("chart wave, %d px", width) << wave << width;
            QTest::addRow("steep zigzag, %d px", width) << zigzag << width;
            QTest::addRow("level and upright, %d px", width) << level << width;
        }
    }
    void samePictureAsTheWidePen() {
        QFETCH(Points, points);
        QFETCH(int, width);
        const QPen pen(QColor(0x00ffff), width);

        QImage wide = paper();
        {
            QPainter painter(&wide);
            painter.setPen(pen);
            painter.drawPolyline(points.constData(), int(points.size()));
        }
        QImage bundle = paper();
        {
            QCPPainter painter(&bundle);
            painter.setPen(pen);
            QVERIFY(LineBundle::suits(painter));
            LineBundle::drawPolyline(painter, pen, points.constData(), points.size());
            QCOMPARE(painter.pen(), pen); // left as it was found
        }
        const Inked byPen = inked(wide, pen.color().rgb());
        const Inked byBundle = inked(bundle, pen.color().rgb());
        QVERIFY(byBundle.pure);
        QVERIFY(byPen.count > 0);
        // The same pixels but for a few at the corners and ends.
        const int off = differing(wide, bundle);
        QVERIFY2(off * 10 <= byPen.count,
                 qPrintable(QStringLiteral("%1 of %2 pixels differ").arg(off).arg(byPen.count)));
    }

    // Antialiased, scaled or vector drawing keeps the wide pen itself.
    void widePenWhereTheBundleDoesNotSuit() {
        QImage image = paper();
        QCPPainter painter(&image);
        painter.setPen(QPen(Qt::red, 2));
        QVERIFY(LineBundle::suits(painter));
        painter.setRenderHint(QPainter::Antialiasing, true);
        QVERIFY(!LineBundle::suits(painter));
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.scale(2, 2);
        QVERIFY(!LineBundle::suits(painter));
        painter.resetTransform();
        painter.setModes(QCPPainter::pmVectorized);
        QVERIFY(!LineBundle::suits(painter));
    }
};

QTEST_MAIN(TestLineBundle)
#include "test_line_bundle.moc"
