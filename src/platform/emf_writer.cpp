#include "emf_writer.h"

#include "emf_recording.h"

#include <QtEndian>

#include <vector>

namespace {

COLORREF colorRef(const QColor &colour) {
    return RGB(colour.red(), colour.green(), colour.blue());
}

int penStyle(Qt::PenStyle style) {
    switch (style) {
    case Qt::NoPen:
        return PS_NULL;
    case Qt::DashLine:
    case Qt::CustomDashLine:
        return PS_DASH;
    case Qt::DotLine:
        return PS_DOT;
    case Qt::DashDotLine:
        return PS_DASHDOT;
    case Qt::DashDotDotLine:
        return PS_DASHDOTDOT;
    default:
        return PS_SOLID;
    }
}

std::vector<POINT> gdiPoints(const QPolygon &polygon) {
    std::vector<POINT> points(size_t(polygon.size()));
    for (qsizetype i = 0; i < polygon.size(); ++i)
        points[size_t(i)] = POINT{polygon[i].x(), polygon[i].y()};
    return points;
}

LPCWSTR wide(const QString &text) {
    static_assert(sizeof(WCHAR) == sizeof(char16_t));
    return reinterpret_cast<LPCWSTR>(text.utf16());
}

// The few header fields that tell a complete metafile: the record type, the " EMF"
// signature and the file size the header declares.
bool looksComplete(const QByteArray &bytes) {
    constexpr int HeaderSize = 88;
    if (bytes.size() < HeaderSize)
        return false;
    const auto *data = reinterpret_cast<const uchar *>(bytes.constData());
    return qFromLittleEndian<quint32>(data) == EMR_HEADER &&
           bytes.mid(40, 4) == QByteArrayLiteral(" EMF") &&
           qFromLittleEndian<quint32>(data + 48) == quint32(bytes.size());
}

} // namespace

struct EmfWriter::Gdi {
    EmfRecording recording;
    HDC dc = 0;
    HGDIOBJ pen = 0; // created by us; 0 while a stock object is selected
    HGDIOBJ brush = 0;
    HGDIOBJ font = 0;
    Pen selectedPen{QColor(Qt::black), 0, Qt::SolidLine};
    QColor brushColour = QColor(Qt::white);
    Font selectedFont;
    bool fontSelected = false;
    QColor textColour = QColor(Qt::black);
    Qt::FillRule fillRule = Qt::OddEvenFill;

    // Selects a new object and deletes the one it replaces.
    void replace(HGDIOBJ &current, HGDIOBJ created, int stockIfNone) {
        SelectObject(dc, created ? created : GetStockObject(stockIfNone));
        if (current)
            DeleteObject(current);
        current = created;
    }

    // Ends the picture and returns the bytes recorded.
    QByteArray close() {
        if (!dc)
            return {};
        // Stock objects go back in so that ours can be deleted.
        replace(pen, 0, BLACK_PEN);
        replace(brush, 0, WHITE_BRUSH);
        if (fontSelected)
            replace(font, 0, SYSTEM_FONT);
        dc = 0;
        return recording.stop();
    }

    ~Gdi() { close(); }
};

EmfWriter::EmfWriter() = default;

EmfWriter::~EmfWriter() = default;

bool EmfWriter::isActive() const {
    return gdi_ && gdi_->dc;
}

bool EmfWriter::begin(const QSize &logicalSize, const QSize &hundredthsOfMm,
                      const QString &application, const QString &title, QString &error) {
    gdi_ = std::make_unique<Gdi>();
    Gdi &gdi = *gdi_;
    const RECT frame{0, 0, hundredthsOfMm.width(), hundredthsOfMm.height()};
    // The description is two strings, each ended by a null, the second one by two.
    const QString description = application + QChar(0) + title + QChar(0);
    gdi.dc = gdi.recording.start(frame, description, error);
    if (!gdi.dc) {
        gdi_.reset();
        return false;
    }
    // Logical units map onto the frame whatever the reference device's resolution.
    const int deviceWidth =
        qMax(1, int(qint64(hundredthsOfMm.width()) * GetDeviceCaps(gdi.dc, HORZRES) /
                    (100 * qMax(1, GetDeviceCaps(gdi.dc, HORZSIZE)))));
    const int deviceHeight =
        qMax(1, int(qint64(hundredthsOfMm.height()) * GetDeviceCaps(gdi.dc, VERTRES) /
                    (100 * qMax(1, GetDeviceCaps(gdi.dc, VERTSIZE)))));
    SetMapMode(gdi.dc, MM_ANISOTROPIC);
    SetWindowExtEx(gdi.dc, logicalSize.width(), logicalSize.height(), nullptr);
    SetViewportExtEx(gdi.dc, deviceWidth, deviceHeight, nullptr);
    SetBkMode(gdi.dc, TRANSPARENT);
    SetTextAlign(gdi.dc, TA_BASELINE | TA_LEFT | TA_NOUPDATECP);
    SetPolyFillMode(gdi.dc, ALTERNATE);
    return true;
}

void EmfWriter::setPen(const Pen &pen) {
    Gdi &gdi = *gdi_;
    if (pen == gdi.selectedPen)
        return;
    gdi.selectedPen = pen;
    const bool visible = pen.colour.isValid() && pen.style != Qt::NoPen;
    gdi.replace(gdi.pen,
                visible ? CreatePen(penStyle(pen.style), pen.width, colorRef(pen.colour)) : 0,
                NULL_PEN);
}

void EmfWriter::setBrush(const QColor &colour) {
    Gdi &gdi = *gdi_;
    if (colour == gdi.brushColour)
        return;
    gdi.brushColour = colour;
    gdi.replace(gdi.brush, colour.isValid() ? CreateSolidBrush(colorRef(colour)) : 0, NULL_BRUSH);
}

void EmfWriter::setFont(const Font &font) {
    Gdi &gdi = *gdi_;
    if (gdi.fontSelected && font == gdi.selectedFont)
        return;
    gdi.selectedFont = font;
    gdi.fontSelected = true;
    LOGFONTW logFont{};
    logFont.lfHeight = -font.height;
    logFont.lfEscapement = font.escapement;
    logFont.lfOrientation = font.escapement;
    logFont.lfWeight = font.weight;
    logFont.lfItalic = font.italic;
    logFont.lfCharSet = DEFAULT_CHARSET;
    logFont.lfOutPrecision = OUT_DEFAULT_PRECIS;
    logFont.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    logFont.lfQuality = DEFAULT_QUALITY;
    logFont.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
    const QString family = font.family.left(LF_FACESIZE - 1);
    for (qsizetype i = 0; i < family.size(); ++i)
        logFont.lfFaceName[i] = family.at(i).unicode();
    gdi.replace(gdi.font, CreateFontIndirectW(&logFont), SYSTEM_FONT);
}

void EmfWriter::setTextColour(const QColor &colour) {
    if (colour == gdi_->textColour)
        return;
    gdi_->textColour = colour;
    SetTextColor(gdi_->dc, colorRef(colour));
}

void EmfWriter::setFillRule(Qt::FillRule rule) {
    if (rule == gdi_->fillRule)
        return;
    gdi_->fillRule = rule;
    SetPolyFillMode(gdi_->dc, rule == Qt::WindingFill ? WINDING : ALTERNATE);
}

void EmfWriter::polyline(const QPolygon &points) {
    if (points.size() < 2)
        return;
    const auto gdiPolyline = gdiPoints(points);
    Polyline(gdi_->dc, gdiPolyline.data(), INT(gdiPolyline.size()));
}

void EmfWriter::polygon(const QPolygon &points) {
    if (points.size() < 3)
        return;
    const auto gdiPolygon = gdiPoints(points);
    Polygon(gdi_->dc, gdiPolygon.data(), INT(gdiPolygon.size()));
}

void EmfWriter::polyPolygon(const QList<QPolygon> &polygons) {
    std::vector<POINT> points;
    std::vector<INT> counts;
    for (const QPolygon &polygon : polygons) {
        if (polygon.size() < 3)
            continue;
        const auto gdiPolygon = gdiPoints(polygon);
        points.insert(points.end(), gdiPolygon.begin(), gdiPolygon.end());
        counts.push_back(INT(gdiPolygon.size()));
    }
    if (!counts.empty())
        PolyPolygon(gdi_->dc, points.data(), counts.data(), INT(counts.size()));
}

void EmfWriter::text(const QPoint &origin, const QString &text, const QList<int> &advances) {
    if (text.isEmpty())
        return;
    std::vector<INT> dx(size_t(text.size()), 0);
    for (qsizetype i = 0; i < text.size() && i < advances.size(); ++i)
        dx[size_t(i)] = advances[i];
    ExtTextOutW(gdi_->dc, origin.x(), origin.y(), 0, nullptr, wide(text), UINT(text.size()),
                dx.data());
}

QByteArray EmfWriter::finish(QString &error) {
    if (!isActive()) {
        error = QStringLiteral("Метафайл не был начат");
        return {};
    }
    const QByteArray bytes = gdi_->close();
    gdi_.reset();
    // A full temporary folder cuts the file short without libEMF noticing.
    if (!looksComplete(bytes)) {
        error = QStringLiteral("Не удаётся завершить метафайл во временной папке");
        return {};
    }
    return bytes;
}
