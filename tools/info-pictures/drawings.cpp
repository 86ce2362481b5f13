#include "drawings.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

namespace {

const QColor Ink(40, 48, 60);
const QColor BodyLight(214, 222, 232);
const QColor BodyDark(150, 164, 182);
const QColor DisplayGlass(18, 38, 30);
const QColor DisplayDigits(120, 240, 150);
const QColor Accent(0, 122, 128); // teal, as the program's value fields

QFont font(qreal pixels, bool bold = false, bool mono = false) {
    QFont f(mono ? QStringLiteral("DejaVu Sans Mono") : QStringLiteral("DejaVu Sans"));
    f.setPixelSize(std::max(1, int(std::lround(pixels))));
    f.setBold(bold);
    return f;
}

QImage canvas(QSize size, const QColor &top, const QColor &bottom) {
    QImage image(size, QImage::Format_RGB32);
    QPainter p(&image);
    QLinearGradient sky(0, 0, 0, size.height());
    sky.setColorAt(0, top);
    sky.setColorAt(1, bottom);
    p.fillRect(image.rect(), sky);
    return image;
}

void title(QPainter &p, const QRectF &area, const QString &text, qreal pixels) {
    p.setPen(Ink);
    p.setFont(font(pixels, true));
    p.drawText(area, Qt::AlignCenter, text);
}

// A label with a leader line from the label to the point it names.
void callout(QPainter &p, const QPointF &target, const QPointF &labelAt, const QString &text,
             qreal pixels) {
    p.setPen(QPen(Ink, 1.2));
    p.drawLine(target, labelAt);
    p.setBrush(Ink);
    p.drawEllipse(target, 2.5, 2.5);
    p.setFont(font(pixels));
    const QRectF box = p.fontMetrics().boundingRect(text).adjusted(-5, -3, 5, 3);
    QRectF placed = box.translated(labelAt - box.center());
    p.setBrush(QColor(255, 255, 255, 230));
    p.setPen(QPen(Accent, 1));
    p.drawRoundedRect(placed, 4, 4);
    p.setPen(Ink);
    p.drawText(placed, Qt::AlignCenter, text);
}

struct AnalyserPlaces {
    QRectF display;
    QRectF keys;
    QPointF inlet;
    QPointF port;
};

// The analyser seen from the front: body, display with readings, keys, the gas inlet on the
// right side and the link socket on the left.
AnalyserPlaces drawAnalyser(QPainter &p, const QRectF &body) {
    const qreal u = body.width() / 100.0; // one hundredth of the body's width
    p.setRenderHint(QPainter::Antialiasing);

    // Shadow, body and bezel.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 45));
    p.drawRoundedRect(body.translated(2 * u, 3 * u), 6 * u, 6 * u);
    QLinearGradient shade(body.topLeft(), body.bottomLeft());
    shade.setColorAt(0, BodyLight);
    shade.setColorAt(1, BodyDark);
    p.setBrush(shade);
    p.setPen(QPen(Ink, std::max(1.0, 0.6 * u)));
    p.drawRoundedRect(body, 6 * u, 6 * u);

    // Name plate.
    p.setPen(Ink);
    p.setFont(font(6 * u, true));
    p.drawText(QRectF(body.left() + 6 * u, body.top() + 2 * u, 60 * u, 9 * u),
               Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("ВЕЛАНТАР"));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 200, 90));
    p.drawEllipse(QPointF(body.right() - 8 * u, body.top() + 6.5 * u), 1.8 * u, 1.8 * u);

    // Display with four lines of readings.
    AnalyserPlaces places;
    places.display = QRectF(body.left() + 6 * u, body.top() + 12 * u, 88 * u, body.height() * 0.48);
    p.setBrush(QColor(60, 70, 80));
    p.drawRoundedRect(places.display.adjusted(-1.5 * u, -1.5 * u, 1.5 * u, 1.5 * u), 2 * u, 2 * u);
    QLinearGradient glass(places.display.topLeft(), places.display.bottomRight());
    glass.setColorAt(0, DisplayGlass.lighter(130));
    glass.setColorAt(1, DisplayGlass);
    p.setBrush(glass);
    p.drawRect(places.display);
    const QStringList lines = {QStringLiteral("CO    0.52 %"), QStringLiteral("CH     124 ppm"),
                               QStringLiteral("CO2  14.60 %"), QStringLiteral("O2    0.84 %")};
    p.setPen(DisplayDigits);
    p.setFont(font(places.display.height() / 6.2, true, true));
    const qreal lineHeight = places.display.height() / lines.size();
    for (int i = 0; i < lines.size(); ++i)
        p.drawText(QRectF(places.display.left() + 4 * u, places.display.top() + i * lineHeight,
                          places.display.width() - 8 * u, lineHeight),
                   Qt::AlignLeft | Qt::AlignVCenter, lines[i]);

    // Keys.
    const QStringList keys = {QStringLiteral("+"), QStringLiteral("−"), QStringLiteral("Ввод"),
                              QStringLiteral("Выход")};
    const qreal keysTop = places.display.bottom() + 7 * u;
    const qreal keyWidth = 19 * u, keyHeight = std::min(11 * u, body.bottom() - keysTop - 5 * u);
    places.keys = QRectF(body.left() + 6 * u, keysTop, 88 * u, keyHeight);
    for (int i = 0; i < keys.size(); ++i) {
        const QRectF key(body.left() + 6 * u + i * 23 * u, keysTop, keyWidth, keyHeight);
        QLinearGradient cap(key.topLeft(), key.bottomLeft());
        cap.setColorAt(0, QColor(250, 250, 250));
        cap.setColorAt(1, QColor(190, 196, 204));
        p.setBrush(cap);
        p.setPen(QPen(Ink, std::max(1.0, 0.4 * u)));
        p.drawRoundedRect(key, 2 * u, 2 * u);
        p.setFont(font(keyHeight * (i < 2 ? 0.6 : 0.38), true));
        p.drawText(key, Qt::AlignCenter, keys[i]);
    }

    // Gas inlet on the right, link socket on the left.
    places.inlet = QPointF(body.right() + 4 * u, body.top() + body.height() * 0.35);
    p.setBrush(QColor(170, 170, 170));
    p.setPen(QPen(Ink, std::max(1.0, 0.4 * u)));
    p.drawRect(QRectF(body.right(), places.inlet.y() - 2 * u, 4 * u, 4 * u));
    places.port = QPointF(body.left() - 3 * u, body.top() + body.height() * 0.7);
    p.setBrush(QColor(90, 90, 100));
    p.drawRect(QRectF(body.left() - 3 * u, places.port.y() - 3 * u, 3 * u, 6 * u));
    return places;
}

// A flexible hose from `from`, ending in the stainless probe at `tip`.
void drawProbe(QPainter &p, const QPointF &from, const QPointF &tip, qreal width) {
    const QPointF probeStart = tip + QPointF(-width * 9, -width * 4.5);
    QPainterPath hose(from);
    hose.cubicTo(from + QPointF(width * 10, width * 12),
                 probeStart + QPointF(-width * 14, width * 6), probeStart);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(30, 30, 34), width, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(hose);
    p.setPen(QPen(QColor(175, 180, 188), width * 0.55, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(probeStart, tip);
}

// A car's exhaust pipe coming in from the right edge, with a little smoke.
void drawTailpipe(QPainter &p, const QRectF &area, const QPointF &mouth, qreal r) {
    p.setPen(QPen(Ink, 1));
    QLinearGradient metal(mouth.x(), mouth.y() - r, mouth.x(), mouth.y() + r);
    metal.setColorAt(0, QColor(200, 200, 205));
    metal.setColorAt(0.5, QColor(120, 120, 128));
    metal.setColorAt(1, QColor(70, 70, 78));
    p.setBrush(metal);
    p.drawRect(QRectF(mouth.x(), mouth.y() - r, area.right() - mouth.x(), 2 * r));
    p.setBrush(QColor(30, 30, 30));
    p.drawEllipse(mouth, r * 0.35, r);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 5; ++i) {
        p.setBrush(QColor(120, 120, 130, 70 - i * 10));
        p.drawEllipse(mouth + QPointF(-r * (1.6 + i * 1.4), -r * (0.6 + i * 0.9)),
                      r * (0.8 + i * 0.35), r * (0.6 + i * 0.3));
    }
}

} // namespace

namespace Drawings {

QImage designPicture(QSize size) {
    QImage image = canvas(size, QColor(206, 228, 245), QColor(250, 252, 255));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal w = size.width(), h = size.height();
    // Floor of the inspection bay.
    p.fillRect(QRectF(0, h * 0.74, w, h * 0.26), QColor(200, 205, 210));
    p.setPen(QPen(QColor(245, 200, 40), h * 0.012));
    p.drawLine(QPointF(0, h * 0.745), QPointF(w, h * 0.745));

    const AnalyserPlaces places = drawAnalyser(p, QRectF(w * 0.07, h * 0.18, w * 0.42, h * 0.5));
    const QPointF mouth(w * 0.86, h * 0.6);
    drawTailpipe(p, QRectF(0, 0, w, h), mouth, h * 0.035);
    drawProbe(p, places.inlet, mouth + QPointF(w * 0.03, 0), w * 0.012);

    title(p, QRectF(0, h * 0.02, w, h * 0.12), QStringLiteral("ВЕЛАНТАР-ГРАФИЧЕСКИЙ"), h * 0.07);
    p.setPen(Accent);
    p.setFont(font(h * 0.045, true));
    p.drawText(QRectF(0, h * 0.8, w, h * 0.08), Qt::AlignCenter,
               QStringLiteral("CO  ·  CH  ·  CO2  ·  O2  ·  λ  ·  n"));
    p.setPen(Ink);
    p.setFont(font(h * 0.036));
    p.drawText(QRectF(0, h * 0.89, w, h * 0.08), Qt::AlignCenter,
               QStringLiteral("Контроль отработавших газов автомобиля"));
    return image;
}

QImage frontPanelPage(QSize size) {
    QImage image = canvas(size, QColor(238, 242, 246), QColor(255, 255, 255));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal w = size.width(), h = size.height();
    title(p, QRectF(0, h * 0.02, w, h * 0.1), QStringLiteral("Передняя панель газоанализатора"),
          h * 0.05);
    const AnalyserPlaces places = drawAnalyser(p, QRectF(w * 0.25, h * 0.17, w * 0.5, h * 0.62));
    const qreal text = h * 0.036;
    callout(p,
            places.display.center() +
                QPointF(places.display.width() * 0.3, -places.display.height() * 0.3),
            QPointF(w * 0.87, h * 0.16), QStringLiteral("Дисплей"), text);
    callout(p, places.keys.center(), QPointF(w * 0.5, h * 0.92),
            QStringLiteral("Кнопки управления"), text);
    callout(p, places.inlet, QPointF(w * 0.88, h * 0.55), QStringLiteral("Вход пробы"), text);
    callout(p, places.port, QPointF(w * 0.12, h * 0.55), QStringLiteral("Связь с ПК"), text);
    return image;
}

QImage gasPathPage(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    const qreal w = size.width(), h = size.height();
    title(p, QRectF(0, 0, w, h * 0.14), QStringLiteral("Газовый тракт"), h * 0.08);

    const QStringList steps = {QStringLiteral("Зонд"),
                               QStringLiteral("Фильтр"),
                               QStringLiteral("Влаго-\nотделитель"),
                               QStringLiteral("Насос"),
                               QStringLiteral("Оптическая\nкамера"),
                               QStringLiteral("Выход")};
    const QColor fills[] = {QColor(255, 230, 170), QColor(210, 235, 255), QColor(210, 235, 255),
                            QColor(220, 245, 220), QColor(180, 230, 230), QColor(235, 235, 235)};
    // Two rows of three, the second running right to left.
    const qreal boxW = w * 0.26, boxH = h * 0.22;
    QList<QRectF> boxes;
    for (int i = 0; i < steps.size(); ++i) {
        const int row = i / 3;
        const int column = row == 0 ? i % 3 : 2 - i % 3;
        boxes << QRectF(w * 0.05 + column * w * 0.33, h * (0.22 + row * 0.42), boxW, boxH);
    }
    p.setPen(QPen(Ink, 2));
    for (int i = 0; i + 1 < boxes.size(); ++i) {
        const QRectF a = boxes[i], b = boxes[i + 1];
        QPointF from, to;
        if (i == 2) {
            from = QPointF(a.center().x(), a.bottom());
            to = QPointF(b.center().x(), b.top());
        } else if (i < 2) {
            from = QPointF(a.right(), a.center().y());
            to = QPointF(b.left(), b.center().y());
        } else {
            from = QPointF(a.left(), a.center().y());
            to = QPointF(b.right(), b.center().y());
        }
        p.drawLine(from, to);
        const QPointF d = (to - from) / std::hypot((to - from).x(), (to - from).y());
        const QPointF n(-d.y(), d.x());
        p.setBrush(Ink);
        p.drawPolygon(QPolygonF({to, to - d * 7 + n * 4, to - d * 7 - n * 4}));
    }
    p.setFont(font(h * 0.046, true));
    for (int i = 0; i < boxes.size(); ++i) {
        p.setBrush(fills[i]);
        p.setPen(QPen(Ink, 1.5));
        p.drawRect(boxes[i]);
        p.drawText(boxes[i], Qt::AlignCenter, steps[i]);
    }
    p.setFont(font(h * 0.05));
    p.drawText(QRectF(0, h * 0.88, w, h * 0.1), Qt::AlignCenter,
               QStringLiteral("В камере измеряются CO, CH, CO2 и O2"));
    return image;
}

QImage computerLinkPage(QSize size) {
    QImage image = canvas(size, QColor(236, 240, 246), QColor(255, 255, 255));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal w = size.width(), h = size.height();
    title(p, QRectF(0, h * 0.02, w, h * 0.1), QStringLiteral("Связь с компьютером"), h * 0.05);

    // The computer's monitor with the graph of the readings.
    const QRectF monitor(w * 0.05, h * 0.18, w * 0.46, h * 0.4);
    p.setPen(QPen(Ink, 2));
    p.setBrush(QColor(60, 64, 72));
    p.drawRoundedRect(monitor, 6, 6);
    const QRectF screen = monitor.adjusted(8, 8, -8, -8);
    p.setBrush(Qt::white);
    p.drawRect(screen);
    p.drawRect(QRectF(monitor.center().x() - w * 0.03, monitor.bottom(), w * 0.06, h * 0.06));
    p.drawRect(
        QRectF(monitor.center().x() - w * 0.1, monitor.bottom() + h * 0.06, w * 0.2, h * 0.02));
    const QColor channels[] = {QColor(220, 0, 0), QColor(0, 140, 0), QColor(0, 0, 220)};
    for (int c = 0; c < 3; ++c) {
        QPainterPath line;
        for (int x = 0; x <= 60; ++x) {
            const qreal px = screen.left() + screen.width() * x / 60.0;
            const qreal py = screen.top() +
                             screen.height() * (0.3 + 0.2 * c + 0.08 * std::sin(x * 0.3 + c * 1.7));
            x == 0 ? line.moveTo(px, py) : line.lineTo(px, py);
        }
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(channels[c], 1.6));
        p.drawPath(line);
    }

    const AnalyserPlaces places = drawAnalyser(p, QRectF(w * 0.62, h * 0.3, w * 0.3, h * 0.4));
    QPainterPath cable(QPointF(monitor.right(), monitor.bottom() - h * 0.05));
    cable.cubicTo(QPointF(w * 0.58, h * 0.85), QPointF(w * 0.55, h * 0.6), places.port);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(40, 40, 44), 3.5, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(cable);

    p.setPen(Ink);
    p.setFont(font(h * 0.04));
    p.drawText(QRectF(0, h * 0.8, w, h * 0.07), Qt::AlignCenter,
               QStringLiteral("COM1 … COM8: RS-232 или USB-адаптер"));
    p.drawText(QRectF(0, h * 0.87, w, h * 0.07), Qt::AlignCenter,
               QStringLiteral("9600 бит/с, 8 бит данных, 2 стоповых бита"));
    return image;
}

QImage aboutIcon(int side) {
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF dial(1, 1, side - 2, side - 2);
    QRadialGradient face(dial.center(), side / 2.0);
    face.setColorAt(0, Qt::white);
    face.setColorAt(1, QColor(190, 220, 222));
    p.setBrush(face);
    p.setPen(QPen(Accent, side / 14.0));
    p.drawEllipse(dial.adjusted(1, 1, -1, -1));
    const QPointF c = dial.center();
    p.setPen(QPen(Ink, side / 24.0));
    for (int i = 0; i <= 6; ++i) {
        const qreal a = M_PI * (1.15 - i * 0.217);
        const QPointF d(std::cos(a), -std::sin(a));
        p.drawLine(c + d * side * 0.3, c + d * side * 0.4);
    }
    const qreal needle = M_PI * 0.3;
    p.setPen(QPen(QColor(200, 30, 30), side / 12.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c, c + QPointF(std::cos(needle), -std::sin(needle)) * side * 0.36);
    p.setBrush(Ink);
    p.setPen(Qt::NoPen);
    p.drawEllipse(c, side / 14.0, side / 14.0);
    return image;
}

} // namespace Drawings
