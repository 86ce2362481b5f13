#pragma once

#include <QByteArray>
#include <QColor>
#include <QList>
#include <QPoint>
#include <QPolygon>
#include <QSize>
#include <QString>

#include <memory>

// Records Windows GDI drawing calls into an enhanced metafile (the system's own GDI on
// Windows, libEMF's imitation of it elsewhere: see EmfRecording), keeping the Win32
// types out of every other file. Coordinates are the picture's logical
// units; the whole logical area is shown at the physical size given to begin(). One pen,
// one brush and one font are selected at a time; a GDI object is created only when the
// wanted one differs from the selected one. finish() returns the metafile's bytes.
class EmfWriter {
public:
    struct Pen {
        QColor colour; // invalid: no outline
        int width = 0; // logical units; 0 is the thinnest line the viewer draws
        Qt::PenStyle style = Qt::SolidLine;
        friend bool operator==(const Pen &, const Pen &) = default;
    };

    struct Font {
        QString family;
        int height = 0; // the em height, logical units
        int weight = 400;
        bool italic = false;
        int escapement = 0; // tenths of a degree, anticlockwise on screen
        friend bool operator==(const Font &, const Font &) = default;
    };

    EmfWriter();
    ~EmfWriter();
    EmfWriter(const EmfWriter &) = delete;
    EmfWriter &operator=(const EmfWriter &) = delete;

    // Starts a picture of logicalSize units shown as hundredthsOfMm. The description is
    // the program's name and the picture's title. False, with the reason in error, when
    // no temporary file can be made.
    bool begin(const QSize &logicalSize, const QSize &hundredthsOfMm, const QString &application,
               const QString &title, QString &error);
    bool isActive() const;

    void setPen(const Pen &pen);
    void setBrush(const QColor &colour); // invalid: no filling
    void setFont(const Font &font);
    void setTextColour(const QColor &colour);
    void setFillRule(Qt::FillRule rule);

    void polyline(const QPolygon &points);
    void polygon(const QPolygon &points);
    void polyPolygon(const QList<QPolygon> &polygons);
    // Text with its baseline starting at origin; advances holds the distance from each
    // character (UTF-16 unit) to the next, so the viewer keeps the layout made here.
    void text(const QPoint &origin, const QString &text, const QList<int> &advances);

    // Ends the picture and returns its bytes, or nothing with the reason in error.
    QByteArray finish(QString &error);

private:
    struct Gdi;
    std::unique_ptr<Gdi> gdi_;
};
