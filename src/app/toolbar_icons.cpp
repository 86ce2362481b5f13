#include "toolbar_icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace ToolbarIcons {

namespace {

constexpr int W = 28, H = 20;

void text(QPainter &p, const QString &s, const QColor &color, int pixelSize, bool bold = true) {
    QFont font = p.font();
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    p.setFont(font);
    p.setPen(color);
    p.drawText(QRect(0, 0, W, H), Qt::AlignCenter, s);
}

void draw(QPainter &p, Glyph glyph) {
    const QColor navy(0, 0, 128), green(0, 128, 0), red(200, 0, 0), dark(40, 40, 40);
    switch (glyph) {
    case Glyph::None:
        break;
    case Glyph::Readings:
        p.fillRect(2, 2, W - 4, H - 4, Qt::black);
        text(p, QStringLiteral("8.8"), QColor(255, 40, 40), 14);
        break;
    case Glyph::Information:
        p.setPen(QPen(navy, 2));
        p.setBrush(QColor(220, 230, 255));
        p.drawEllipse(QPoint(W / 2, H / 2), 8, 8);
        text(p, QStringLiteral("i"), navy, 13);
        break;
    case Glyph::Table:
        p.setPen(QPen(dark, 1));
        p.setBrush(Qt::white);
        p.drawRect(4, 2, W - 8, H - 4);
        for (int y = 6; y < H - 2; y += 4)
            p.drawLine(4, y, W - 4, y);
        p.drawLine(W / 2, 2, W / 2, H - 2);
        break;
    case Glyph::Report:
        p.setPen(QPen(dark, 1));
        p.setBrush(Qt::white);
        p.drawRect(7, 1, W - 14, H - 2);
        p.setPen(QPen(navy, 1));
        for (int y = 5; y < H - 3; y += 3)
            p.drawLine(9, y, W - 9, y);
        break;
    case Glyph::Diagram: {
        const int heights[] = {10, 15, 7, 12, 5};
        for (int i = 0; i < 5; ++i)
            p.fillRect(3 + i * 5, H - 2 - heights[i], 4, heights[i],
                       QColor::fromHsv(i * 60, 200, 200));
        break;
    }
    case Glyph::Graph: {
        p.fillRect(2, 2, W - 4, H - 4, Qt::black);
        p.setPen(QPen(QColor(0, 255, 0), 1.5));
        const QPointF points[] = {{3, 14}, {8, 9}, {12, 12}, {17, 5}, {21, 10}, {25, 7}};
        p.drawPolyline(points, 6);
        p.setPen(QPen(Qt::yellow, 1.5));
        const QPointF second[] = {{3, 8}, {9, 12}, {14, 6}, {19, 13}, {25, 12}};
        p.drawPolyline(second, 5);
        break;
    }
    case Glyph::Options:
        p.setPen(QPen(dark, 2));
        for (int i = 0; i < 3; ++i) {
            const int y = 4 + i * 6;
            p.drawLine(5, y, W - 5, y);
            p.setBrush(QColor(0, 120, 215));
            p.drawEllipse(QPoint(8 + i * 6, y), 2, 2);
        }
        break;
    case Glyph::Help:
        text(p, QStringLiteral("?"), navy, 17);
        break;
    case Glyph::About:
        p.setPen(QPen(green, 2));
        p.drawEllipse(QPoint(W / 2, H / 2), 8, 8);
        text(p, QStringLiteral("!"), green, 13);
        break;
    case Glyph::Demonstration:
        p.setBrush(QColor(0, 150, 0));
        p.setPen(Qt::NoPen);
        p.drawPolygon(QPolygon({QPoint(9, 3), QPoint(21, 10), QPoint(9, 17)}));
        text(p, QStringLiteral("D"), Qt::white, 8);
        break;
    case Glyph::Link: {
        p.setPen(QPen(navy, 2));
        p.drawRect(2, 6, 8, 8);
        p.drawRect(W - 10, 6, 8, 8);
        p.setPen(QPen(green, 2, Qt::DashLine));
        p.drawLine(10, 10, W - 10, 10);
        break;
    }
    case Glyph::Pump:
        p.setPen(QPen(navy, 2));
        p.setBrush(QColor(180, 220, 255));
        p.drawEllipse(QPoint(W / 2, H / 2), 7, 7);
        p.drawLine(W / 2 - 4, H / 2, W / 2 + 4, H / 2);
        p.drawLine(W / 2, H / 2 - 4, W / 2, H / 2 + 4);
        break;
    case Glyph::StartStop:
        p.setPen(Qt::NoPen);
        p.setBrush(green);
        p.drawPolygon(QPolygon({QPoint(3, 3), QPoint(12, 10), QPoint(3, 17)}));
        p.setBrush(red);
        p.drawRect(15, 4, 4, 12);
        p.drawRect(21, 4, 4, 12);
        break;
    case Glyph::Exit:
        p.setPen(QPen(red, 3));
        p.drawLine(8, 4, W - 8, H - 4);
        p.drawLine(W - 8, 4, 8, H - 4);
        break;
    }
}

} // namespace

QIcon icon(Glyph glyph) {
    QPixmap pixmap(W, H);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    draw(painter, glyph);
    return QIcon(pixmap);
}

} // namespace ToolbarIcons
