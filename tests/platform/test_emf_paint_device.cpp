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

// Record types of the enhanced metafile format; the 16-bit point forms (86, 87, 91) are
// read as their 32-bit kinds.
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
};

struct Record {
    quint32 type;
    QByteArray bytes; // the whole record
    bool shortPoints;
};

quint32 u32(const QByteArray &b, qsizetype at) {
    return qFromLittleEndian<quint32>(b.constData() + at);
}

qint32 i32(const QByteArray &b, qsizetype at) {
    return qFromLittleEndian<qint32>(b.constData() + at);
}

// An independent reader: the file record by record, each size a multiple of four inside
// the file, the header first with " EMF", the file's size and the record count, the
// end-of-file record last. Empty, with the reason in fault, on any fault.
QList<Record> walk(const QByteArray &file, QString &fault) {
    QList<Record> records;
    for (qsizetype at = 0; at < file.size();) {
        const quint32 size = file.size() - at >= 8 ? u32(file, at + 4) : 0;
        if (size < 8 || size % 4 || size > quint64(file.size() - at))
            return fault = QString("bad size of record %1").arg(records.size()), QList<Record>();
        const quint32 type = u32(file, at);
        const bool shortForm = type == 86 || type == 87 || type == 91;
        records.append({shortForm ? (type == 86   ? Polygon
                                     : type == 87 ? Polyline
                                                  : PolyPolygon)
                                  : type,
                        file.mid(at, size), shortForm});
        at += size;
    }
    const QByteArray header = records.isEmpty() ? QByteArray() : records.first().bytes;
    if (records.isEmpty() || records.first().type != Header || header.size() < 88 ||
        header.mid(40, 4) != " EMF")
        fault = "no header with the \" EMF\" signature first";
    else if (u32(header, 48) != quint32(file.size()) || u32(header, 52) != records.size())
        fault = "the header's file size or record count is wrong";
    else if (records.last().type != EndOfFile)
        fault = "no end-of-file record last";
    return fault.isEmpty() ? records : QList<Record>();
}

// What a test compares of a record: points, polygon count, text with its reference point,
// font escapement, pen or brush colour.
QVariant valueOf(const Record &r) {
    const QByteArray &b = r.bytes;
    switch (r.type) {
    case Polygon:
    case Polyline: {
        QPolygon points;
        const int step = r.shortPoints ? 4 : 8;
        for (qsizetype at = 28; at + step <= b.size() && points.size() < u32(b, 24); at += step)
            points << (r.shortPoints ? QPoint(qFromLittleEndian<qint16>(b.constData() + at),
                                              qFromLittleEndian<qint16>(b.constData() + at + 2))
                                     : QPoint(i32(b, at), i32(b, at + 4)));
        return QVariant::fromValue(points);
    }
    case PolyPolygon:
        return int(u32(b, 24));
    case TextW: // EMRTEXT: reference point, length, offset of the UTF-16 string
        if (u32(b, 48) + quint64(u32(b, 44)) * 2 > quint64(b.size()))
            return QVariant();
        return QString::fromUtf16(reinterpret_cast<const char16_t *>(b.constData() + u32(b, 48)),
                                  u32(b, 44)) +
               QString("@%1,%2").arg(i32(b, 36)).arg(i32(b, 40));
    case CreateFont:
        return i32(b, 20);
    case CreatePen:
    case CreateBrush: {
        const int at = r.type == CreatePen ? 24 : 16;
        return QColor(quint8(b[at]), quint8(b[at + 1]), quint8(b[at + 2]));
    }
    default:
        return QVariant();
    }
}

QList<Record> paint(const QString &path, const QSize &size, const Drawing &drawing,
                    QString &fault) {
    EmfPaintDevice device(path, size);
    device.setDescription(QStringLiteral("ВЕЛАНТАР-ГРАФИЧЕСКИЙ"), QStringLiteral("График"));
    QPainter painter(&device);
    drawing(painter);
    if (!painter.end())
        return fault = "not saved: " + device.errorString(), QList<Record>();
    return walk(TestFiles::fileBytes(path), fault);
}

// A picture like the graph: framed plot area, dotted grid, a thick red curve of 35
// points, a blue bar, a title in Russian and a caption turned upright.
void drawChart(QPainter &painter) {
    painter.fillRect(QRect(0, 0, 400, 300), Qt::white);
    painter.drawRect(QRect(40, 20, 340, 240));
    painter.setPen(QPen(Qt::gray, 0, Qt::DotLine));
    for (int y = 60; y < 260; y += 40)
        painter.drawLine(40, y, 380, y);
    QPolygonF curve;
    for (int x = 0; x <= 340; x += 10)
        curve << QPointF(40 + x, 140 + 80 * std::sin(x / 40.0));
    painter.setPen(QPen(Qt::red, 2));
    painter.drawPolyline(curve);
    painter.fillRect(QRectF(100, 200, 30, 60), Qt::blue);
    painter.setPen(Qt::black);
    painter.drawText(QPointF(150, 16), QStringLiteral("Концентрация СО"));
    painter.translate(20, 200);
    painter.rotate(-90);
    painter.drawText(QPointF(0, 0), QStringLiteral("Время"));
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

// Each row expects, among the records its drawing produced, one of the given type with the
// given value. Positions are in eighths of a pixel.
void TestEmfPaintDevice::records_data() {
    QTest::addColumn<Drawing>("drawing");
    QTest::addColumn<quint32>("type");
    QTest::addColumn<QVariant>("expected");
    const auto points = [](const QPolygon &p) { return QVariant::fromValue(p); };

    QTest::newRow("translated line") << Drawing([](QPainter &p) {
        p.translate(100, 50);
        p.drawLine(QPointF(0, 0), QPointF(10, 0));
    }) << quint32(Polyline) << points({{800, 400}, {880, 400}});
    QTest::newRow("scaled polyline") << Drawing([](QPainter &p) {
        p.scale(2, 3);
        p.drawPolyline(QPolygonF{{1, 1}, {2, 2}, {3, 1}});
    }) << quint32(Polyline) << points({{16, 24}, {32, 48}, {48, 24}});
    QTest::newRow("fractions of a pixel")
        << Drawing([](QPainter &p) { p.drawLine(QPointF(0.5, 0.25), QPointF(2.125, 0.25)); })
        << quint32(Polyline) << points({{4, 2}, {17, 2}});
    QTest::newRow("polyline cut by the clip") << Drawing([](QPainter &p) {
        p.setClipRect(QRect(0, 0, 50, 50));
        p.drawPolyline(QPolygonF{{0.4, 0.2}, {0.1, 0.9}, {0.9, 0.3}, {70.9, 10.3}});
    }) << quint32(Polyline) << points({{3, 2}, {1, 7}, {7, 2}, {400, 59}});
    QTest::newRow("clip set under another translation") << Drawing([](QPainter &p) {
        p.translate(10, 0);
        p.setClipRect(QRect(0, 0, 20, 50));
        p.translate(-10, 0);
        p.drawLine(0, 10, 100, 10);
    }) << quint32(Polyline) << points({{80, 80}, {240, 80}});
    QTest::newRow("filled rectangle") << Drawing([](QPainter &p) {
        p.setBrush(Qt::blue);
        p.drawRect(QRectF(10, 10, 20, 10));
    }) << quint32(Polygon) << points({{80, 80}, {240, 80}, {240, 160}, {80, 160}});
    QTest::newRow("half transparent brush over white")
        << Drawing([](QPainter &p) { p.fillRect(QRectF(0, 0, 5, 5), QColor(0, 0, 255, 128)); })
        << quint32(CreateBrush) << QVariant(QColor(127, 127, 255));
    QTest::newRow("pen colour") << Drawing([](QPainter &p) {
        p.setPen(QPen(QColor(200, 10, 20), 2));
        p.drawLine(0, 0, 5, 5);
    }) << quint32(CreatePen) << QVariant(QColor(200, 10, 20));
    QTest::newRow("Russian text at its baseline") << Drawing([](QPainter &p) {
        p.drawText(QPointF(20, 30), QStringLiteral("Концентрация СО"));
    }) << quint32(TextW) << QVariant(QStringLiteral("Концентрация СО@160,240"));
    QTest::newRow("text turned upright") << Drawing([](QPainter &p) {
        p.rotate(-90);
        p.drawText(QPointF(0, 0), QStringLiteral("Время"));
    }) << quint32(CreateFont) << QVariant(900);
    QTest::newRow("ellipse as a path") << Drawing([](QPainter &p) {
        p.setBrush(Qt::green);
        p.drawEllipse(QRectF(0, 0, 20, 10));
    }) << quint32(PolyPolygon) << QVariant(1);
    QTest::newRow("image as coloured cells") << Drawing([](QPainter &p) {
        QImage image(2, 1, QImage::Format_RGB32);
        image.setPixel(0, 0, qRgb(255, 0, 0));
        image.setPixel(1, 0, qRgb(0, 128, 0));
        p.drawImage(QRectF(0, 0, 20, 10), image);
    }) << quint32(CreateBrush) << QVariant(QColor(0, 128, 0));
}

void TestEmfPaintDevice::records() {
    QFETCH(Drawing, drawing);
    QFETCH(quint32, type);
    QFETCH(QVariant, expected);

    QTemporaryDir dir;
    QString fault;
    const QList<Record> records = paint(dir.filePath("picture.emf"), {100, 80}, drawing, fault);
    QVERIFY2(!records.isEmpty(), qPrintable(fault));
    QStringList seen;
    for (const Record &record : records) {
        if (record.type == type && valueOf(record) == expected)
            return;
        if (record.type == type)
            seen << QDebug::toString(valueOf(record));
    }
    QFAIL(qPrintable("not found among: " + seen.join("; ")));
}

void TestEmfPaintDevice::chartReadsBack() {
    QTemporaryDir dir;
    QString fault;
    const QList<Record> records = paint(dir.filePath("graph.emf"), {400, 300}, drawChart, fault);
    QVERIFY2(!records.isEmpty(), qPrintable(fault));

    // 400 x 300 pixels at 96 an inch are 105.83 x 79.38 mm (frame, 0.01 mm), and the
    // description names the program and the picture.
    const QByteArray &header = records.first().bytes;
    QCOMPARE(QPoint(i32(header, 32), i32(header, 36)), QPoint(10583, 7937));
    QCOMPARE(header.mid(u32(header, 64), u32(header, 60) * 2),
             QByteArray(reinterpret_cast<const char *>(u"ВЕЛАНТАР-ГРАФИЧЕСКИЙ\0График\0"), 29 * 2));
    QStringList texts;
    int curves = 0;
    for (const Record &record : records) {
        if (record.type == TextW)
            texts << valueOf(record).toString().section('@', 0, 0);
        curves += record.type == Polyline && valueOf(record).value<QPolygon>().size() == 35;
    }
    QCOMPARE(texts, (QStringList{"Концентрация СО", "Время"}));
    QCOMPARE(curves, 1);
}

void TestEmfPaintDevice::failedWriteKeepsTheOldFile_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("sizeLimit"); // bytes any file written may hold; 0: none
    QTest::addColumn<QByteArray>("after");
    QTest::newRow("folder missing") << "absent/graph.emf" << 0 << QByteArray("<unreadable>");
    QTest::newRow("disk full") << "graph.emf" << 64 << QByteArray("old picture");
}

void TestEmfPaintDevice::failedWriteKeepsTheOldFile() {
    QFETCH(QString, name);
    QFETCH(int, sizeLimit);
    QFETCH(QByteArray, after);
    if (sizeLimit && !TestFiles::kFullDiskPossible)
        QSKIP("no full disk can be made here");
    QTemporaryDir dir;
    const QString path = dir.filePath(name);
    TestFiles::putBytes(path, "old picture");

    EmfPaintDevice device(path, QSize(400, 300));
    QPainter painter(&device);
    drawChart(painter);
    {
        std::optional<TestFiles::FileSizeLimit> limit;
        if (sizeLimit)
            limit.emplace(rlim_t(sizeLimit));
        QVERIFY(!painter.end());
    }
    QVERIFY(!device.saved());
    QVERIFY(!device.errorString().isEmpty());
    QCOMPARE(TestFiles::fileBytes(path), after);
}

// An independent viewer: LibreOffice turns the metafile into a PNG, which must show the
// red curve and the blue bar.
void TestEmfPaintDevice::viewerShowsTheChart() {
    const QString office = QStandardPaths::findExecutable(QStringLiteral("libreoffice"));
    if (office.isEmpty())
        QSKIP("libreoffice is not installed (package libreoffice-draw-nogui): the check in "
              "a viewer is skipped; the records were checked above");
    QTemporaryDir dir;
    QString fault;
    QVERIFY2(!paint(dir.filePath("graph.emf"), {400, 300}, drawChart, fault).isEmpty(),
             qPrintable(fault));
    QProcess convert;
    convert.start(office,
                  {"--headless", "-env:UserInstallation=file://" + dir.filePath("lo"),
                   "--convert-to", "png", "--outdir", dir.path(), dir.filePath("graph.emf")});
    QVERIFY(convert.waitForFinished(180000));
    const QImage png(dir.filePath("graph.png"));
    QVERIFY2(!png.isNull(), convert.readAllStandardError().constData());
    int red = 0, blue = 0;
    for (int y = 0; y < png.height(); ++y)
        for (int x = 0; x < png.width(); ++x) {
            const QColor c = png.pixelColor(x, y);
            red += c.red() > 200 && c.green() < 80 && c.blue() < 80;
            blue += c.blue() > 200 && c.red() < 80 && c.green() < 80;
        }
    QVERIFY2(red > 0 && blue > 0, qPrintable(QString("red %1, blue %2").arg(red).arg(blue)));
}

QTEST_MAIN(TestEmfPaintDevice)
#include "test_emf_paint_device.moc"
