#include "emf_paint_device.h"

#include <QPainter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

#include "test_files.h"

#include <functional>

using Drawing = std::function<void(QPainter &)>;
Q_DECLARE_METATYPE(Drawing)

namespace {

// Record types of the enhanced metafile format, as published for it.
enum RecordType : quint32 {
    Header = 1,
    Polygon = 3,
    Polyline = 4,
    PolyPolygon = 8,
    EndOfFile = 14,
    CreatePen = 38,
    CreateBrush = 39,
    CreateFont = 82,
    TextW = 84,
    Polygon16 = 86,
    Polyline16 = 87,
    PolyPolygon16 = 91,
};

struct Record {
    quint32 type = 0;
    QByteArray bytes; // the whole record, type and size included
};

quint32 u32(const QByteArray &bytes, qsizetype at) {
    return qFromLittleEndian<quint32>(bytes.constData() + at);
}

qint32 i32(const QByteArray &bytes, qsizetype at) {
    return qFromLittleEndian<qint32>(bytes.constData() + at);
}

qint16 i16(const QByteArray &bytes, qsizetype at) {
    return qFromLittleEndian<qint16>(bytes.constData() + at);
}

// Reads a metafile record by record, trusting nothing: each size must be a multiple of
// four and stay inside the file. Empty on any fault, the reason in fault.
QList<Record> walk(const QByteArray &file, QString &fault) {
    QList<Record> records;
    qsizetype at = 0;
    while (at < file.size()) {
        if (file.size() - at < 8)
            return fault = "a record is cut short", QList<Record>();
        const quint32 size = u32(file, at + 4);
        if (size < 8 || size % 4 || size > quint64(file.size() - at))
            return fault = QString("record %1 has the size %2").arg(records.size()).arg(size),
                   QList<Record>();
        records.append({u32(file, at), file.mid(at, size)});
        at += size;
    }
    if (records.isEmpty() || records.first().type != Header)
        return fault = "no header first", QList<Record>();
    const QByteArray &header = records.first().bytes;
    if (header.size() < 88 || header.mid(40, 4) != " EMF")
        return fault = "no \" EMF\" signature", QList<Record>();
    if (u32(header, 48) != quint32(file.size()))
        return fault = "the header's size differs from the file's", QList<Record>();
    if (u32(header, 52) != quint32(records.size()))
        return fault = "the header's record count differs", QList<Record>();
    if (records.last().type != EndOfFile)
        return fault = "no end-of-file record last", QList<Record>();
    return records;
}

QPolygon pointsOf(const Record &record) {
    QPolygon points;
    const QByteArray &b = record.bytes;
    const bool shortPoints = record.type == Polygon16 || record.type == Polyline16;
    const quint32 count = u32(b, 24);
    const int step = shortPoints ? 4 : 8;
    if (28 + qint64(count) * step > b.size())
        return points;
    for (quint32 i = 0; i < count; ++i) {
        const qsizetype at = 28 + i * step;
        points.append(shortPoints ? QPoint(i16(b, at), i16(b, at + 2))
                                  : QPoint(i32(b, at), i32(b, at + 4)));
    }
    return points;
}

// What the test compares for each kind of record.
QVariant valueOf(const Record &record) {
    const QByteArray &b = record.bytes;
    switch (record.type) {
    case Polygon:
    case Polyline:
    case Polygon16:
    case Polyline16:
        return QVariant::fromValue(pointsOf(record));
    case PolyPolygon:
    case PolyPolygon16:
        return int(u32(b, 24)); // number of polygons
    case TextW: {
        // EMRTEXT after the bounds, graphics mode and scales: reference point, length,
        // offset of the string from the record's start.
        const quint32 length = u32(b, 44);
        const quint32 offset = u32(b, 48);
        if (offset + quint64(length) * 2 > quint64(b.size()))
            return QVariant();
        return QString::fromUtf16(reinterpret_cast<const char16_t *>(b.constData() + offset),
                                  length) +
               QString("@%1,%2").arg(i32(b, 36)).arg(i32(b, 40));
    }
    case CreateFont: // the escapement, after the object index, height and width
        return i32(b, 20);
    case CreatePen: // the colour, after the object index, style and width
        return QColor(QRgb(qRgb(b.at(24 + 0) & 0xff, b.at(24 + 1) & 0xff, b.at(24 + 2) & 0xff)));
    case CreateBrush: // the colour, after the object index and style
        return QColor(QRgb(qRgb(b.at(16) & 0xff, b.at(17) & 0xff, b.at(18) & 0xff)));
    default:
        return QVariant();
    }
}

QByteArray paint(const QString &path, const QSize &size, const Drawing &drawing, bool *saved) {
    EmfPaintDevice device(path, size);
    device.setDescription(QStringLiteral("ВЕЛАНТАР-ГРАФИЧЕСКИЙ"), QStringLiteral("График"));
    QPainter painter(&device);
    drawing(painter);
    *saved = painter.end();
    return TestFiles::fileBytes(path);
}

// A picture like the graph: white background, framed plot area, dotted grid, a thick red
// curve, blue bars, a title in Russian and a caption turned upright.
void drawChart(QPainter &painter) {
    painter.fillRect(QRect(0, 0, 400, 300), Qt::white);
    painter.setPen(QPen(Qt::black, 1));
    painter.drawRect(QRect(40, 20, 340, 240));
    painter.setPen(QPen(Qt::gray, 0, Qt::DotLine));
    for (int y = 60; y < 260; y += 40)
        painter.drawLine(40, y, 380, y);
    QPolygonF curve;
    for (int x = 0; x <= 340; x += 10)
        curve << QPointF(40 + x, 140 + 80 * std::sin(x / 40.0));
    painter.setPen(QPen(Qt::red, 2));
    painter.drawPolyline(curve);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::blue);
    painter.drawRect(QRectF(100, 200, 30, 60));
    painter.setPen(Qt::black);
    painter.setFont(QFont(QStringLiteral("DejaVu Sans"), 12));
    painter.drawText(QPointF(150, 16), QStringLiteral("Концентрация СО"));
    painter.save();
    painter.translate(20, 200);
    painter.rotate(-90);
    painter.drawText(QPointF(0, 0), QStringLiteral("Время"));
    painter.restore();
}

} // namespace

class TestEmfPaintDevice : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }

    void records_data();
    void records();
    void chartReadsBack();
    void failedWriteKeepsTheOldFile_data();
    void failedWriteKeepsTheOldFile();
    void viewerShowsTheChart();
};

// Positions are in eighths of a pixel; each row expects one record of its type with the
// given value among those the drawing produced.
void TestEmfPaintDevice::records_data() {
    QTest::addColumn<Drawing>("drawing");
    QTest::addColumn<QList<quint32>>("types");
    QTest::addColumn<QVariant>("expected");

    QTest::newRow("line, translated") << Drawing([](QPainter &p) {
        p.translate(100, 50);
        p.drawLine(QPointF(0, 0), QPointF(10, 0));
    }) << QList<quint32>{Polyline16, Polyline}
                                      << QVariant::fromValue(QPolygon{{800, 400}, {880, 400}});
    QTest::newRow("polyline, scaled")
        << Drawing([](QPainter &p) {
               p.scale(2, 3);
               p.drawPolyline(QPolygonF{{1, 1}, {2, 2}, {3, 1}});
           })
        << QList<quint32>{Polyline16, Polyline}
        << QVariant::fromValue(QPolygon{{16, 24}, {32, 48}, {48, 24}});
    QTest::newRow("fractional position kept")
        << Drawing([](QPainter &p) { p.drawLine(QPointF(0.5, 0.25), QPointF(2.125, 0.25)); })
        << QList<quint32>{Polyline16, Polyline} << QVariant::fromValue(QPolygon{{4, 2}, {17, 2}});
    QTest::newRow("line cut by the clip") << Drawing([](QPainter &p) {
        p.setClipRect(QRect(0, 0, 50, 50));
        p.drawLine(-10, 25, 60, 25);
    }) << QList<quint32>{Polyline16, Polyline}
                                          << QVariant::fromValue(QPolygon{{0, 200}, {400, 200}});
    QTest::newRow("polyline leaving the clip stays one line")
        << Drawing([](QPainter &p) {
               p.setClipRect(QRect(0, 0, 50, 50));
               p.drawPolyline(QPolygonF{{0.4, 0.2}, {0.1, 0.9}, {0.9, 0.3}, {70.9, 10.3}});
           })
        << QList<quint32>{Polyline16, Polyline}
        << QVariant::fromValue(QPolygon{{3, 2}, {1, 7}, {7, 2}, {400, 59}});
    QTest::newRow("clip set under a translation")
        << Drawing([](QPainter &p) {
               p.translate(10, 0);
               p.setClipRect(QRect(0, 0, 20, 50));
               p.translate(-10, 0);
               p.drawLine(0, 10, 100, 10);
           })
        << QList<quint32>{Polyline16, Polyline}
        << QVariant::fromValue(QPolygon{{80, 80}, {240, 80}});
    QTest::newRow("filled rectangle")
        << Drawing([](QPainter &p) {
               p.setBrush(Qt::blue);
               p.drawRect(QRectF(10, 10, 20, 10));
           })
        << QList<quint32>{Polygon16, Polygon}
        << QVariant::fromValue(QPolygon{{80, 80}, {240, 80}, {240, 160}, {80, 160}});
    QTest::newRow("brush colour") << Drawing([](QPainter &p) {
        p.fillRect(QRectF(0, 0, 5, 5), QColor(10, 20, 200));
    }) << QList<quint32>{CreateBrush}
                                  << QVariant(QColor(10, 20, 200));
    QTest::newRow("half transparent brush drawn over white")
        << Drawing([](QPainter &p) { p.fillRect(QRectF(0, 0, 5, 5), QColor(0, 0, 255, 128)); })
        << QList<quint32>{CreateBrush} << QVariant(QColor(127, 127, 255));
    QTest::newRow("pen colour") << Drawing([](QPainter &p) {
        p.setPen(QPen(QColor(200, 10, 20), 2));
        p.drawLine(0, 0, 5, 5);
    }) << QList<quint32>{CreatePen}
                                << QVariant(QColor(200, 10, 20));
    QTest::newRow("Russian text at its baseline") << Drawing([](QPainter &p) {
        p.drawText(QPointF(20, 30), QStringLiteral("Концентрация СО"));
    }) << QList<quint32>{TextW} << QVariant(QStringLiteral("Концентрация СО@160,240"));
    QTest::newRow("text turned upright") << Drawing([](QPainter &p) {
        p.rotate(-90);
        p.drawText(QPointF(0, 0), QStringLiteral("Время"));
    }) << QList<quint32>{CreateFont} << QVariant(900);
    QTest::newRow("ellipse as a path") << Drawing([](QPainter &p) {
        p.setBrush(Qt::green);
        p.drawEllipse(QRectF(0, 0, 20, 10));
    }) << QList<quint32>{PolyPolygon16, PolyPolygon}
                                       << QVariant(1);
    QTest::newRow("image as coloured cells") << Drawing([](QPainter &p) {
        QImage image(2, 1, QImage::Format_RGB32);
        image.setPixel(0, 0, qRgb(255, 0, 0));
        image.setPixel(1, 0, qRgb(0, 128, 0));
        p.drawImage(QRectF(0, 0, 20, 10), image);
    }) << QList<quint32>{CreateBrush} << QVariant(QColor(0, 128, 0));
}

void TestEmfPaintDevice::records() {
    QFETCH(Drawing, drawing);
    QFETCH(QList<quint32>, types);
    QFETCH(QVariant, expected);

    QTemporaryDir dir;
    bool saved = false;
    const QByteArray file = paint(dir.filePath("picture.emf"), QSize(100, 80), drawing, &saved);
    QVERIFY(saved);
    QString fault;
    const QList<Record> records = walk(file, fault);
    QVERIFY2(!records.isEmpty(), qPrintable(fault));
    QStringList seen;
    for (const Record &record : records) {
        if (!types.contains(record.type))
            continue;
        const QVariant value = valueOf(record);
        if (value == expected)
            return;
        seen << QDebug::toString(value);
    }
    QFAIL(qPrintable("not found among: " + seen.join("; ")));
}

void TestEmfPaintDevice::chartReadsBack() {
    QTemporaryDir dir;
    bool saved = false;
    const QByteArray file = paint(dir.filePath("graph.emf"), QSize(400, 300), drawChart, &saved);
    QVERIFY(saved);
    QString fault;
    const QList<Record> records = walk(file, fault);
    QVERIFY2(!records.isEmpty(), qPrintable(fault));

    // The header shows the picture at 96 pixels an inch: 400 x 300 pixels are
    // 105.83 x 79.38 mm, kept in hundredths of a millimetre (frame from offset 24).
    const QByteArray &header = records.first().bytes;
    QCOMPARE(i32(header, 32), 10583);
    QCOMPARE(i32(header, 36), 7937);
    const QString description = QString::fromUtf16(
        reinterpret_cast<const char16_t *>(header.constData() + u32(header, 64)), u32(header, 60));
    QCOMPARE(description, QStringLiteral("ВЕЛАНТАР-ГРАФИЧЕСКИЙ") + QChar(0) +
                              QStringLiteral("График") + QChar(0) + QChar(0));

    QStringList texts;
    int curves = 0;
    for (const Record &record : records) {
        if (record.type == TextW)
            texts << valueOf(record).toString().section('@', 0, 0);
        if ((record.type == Polyline16 || record.type == Polyline) && pointsOf(record).size() == 35)
            ++curves;
    }
    QCOMPARE(texts, (QStringList{"Концентрация СО", "Время"}));
    QCOMPARE(curves, 1);
    QVERIFY(file.contains(
        QByteArray::fromRawData(reinterpret_cast<const char *>(u"Концентрация СО"), 15 * 2)));
}

void TestEmfPaintDevice::failedWriteKeepsTheOldFile_data() {
    QTest::addColumn<bool>("missingFolder");
    QTest::newRow("folder missing") << true;
    QTest::newRow("disk full") << false;
}

void TestEmfPaintDevice::failedWriteKeepsTheOldFile() {
    QFETCH(bool, missingFolder);
    QTemporaryDir dir;
    const QString path =
        missingFolder ? dir.filePath("absent/graph.emf") : dir.filePath("graph.emf");
    if (!missingFolder)
        QVERIFY(TestFiles::putBytes(path, "old picture"));

    EmfPaintDevice device(path, QSize(400, 300));
    QPainter painter(&device);
    drawChart(painter);
    bool ended = false;
    {
        // A limit of a few bytes on every file written: both the metafile's temporary
        // file and the target fail.
        std::optional<TestFiles::FileSizeLimit> limit;
        if (!missingFolder)
            limit.emplace(64);
        ended = painter.end();
    }
    QVERIFY(!ended);
    QVERIFY(!device.saved());
    QVERIFY(!device.errorString().isEmpty());
    QCOMPARE(TestFiles::fileBytes(path),
             missingFolder ? QByteArray("<unreadable>") : QByteArray("old picture"));
}

// An independent viewer: LibreOffice turns the metafile into a PNG, which must show the
// red curve and the blue bar on white.
void TestEmfPaintDevice::viewerShowsTheChart() {
    const QString office = QStandardPaths::findExecutable(QStringLiteral("libreoffice"));
    if (office.isEmpty())
        QSKIP("libreoffice is not installed (package libreoffice-draw-nogui); the viewer "
              "check is skipped, the record checks above still ran");
    QTemporaryDir dir;
    bool saved = false;
    paint(dir.filePath("graph.emf"), QSize(400, 300), drawChart, &saved);
    QVERIFY(saved);
    QProcess convert;
    convert.setWorkingDirectory(dir.path());
    convert.start(office,
                  {"--headless", "-env:UserInstallation=file://" + dir.filePath("profile"),
                   "--convert-to", "png", "--outdir", dir.path(), dir.filePath("graph.emf")});
    QVERIFY(convert.waitForFinished(180000));
    const QImage png(dir.filePath("graph.png"));
    QVERIFY2(!png.isNull(), convert.readAllStandardError().constData());
    int red = 0, blue = 0;
    for (int y = 0; y < png.height(); ++y)
        for (int x = 0; x < png.width(); ++x) {
            const QRgb pixel = png.pixel(x, y);
            red += qRed(pixel) > 200 && qGreen(pixel) < 80 && qBlue(pixel) < 80;
            blue += qBlue(pixel) > 200 && qRed(pixel) < 80 && qGreen(pixel) < 80;
        }
    QVERIFY2(red > 0 && blue > 0, qPrintable(QString("red %1, blue %2").arg(red).arg(blue)));
}

QTEST_MAIN(TestEmfPaintDevice)
#include "test_emf_paint_device.moc"
