#include "layout_builder.h"

namespace WindowLayout {

void placeReportView(Builder &b, const Frame &f) {
    const QRect main = f.mainArea();
    b.place(QStringLiteral("Memo10"), kClientArea, main, points(pct(main.height(), 2)));
    const ControlPlacement save = placeSidePanel(b, f);

    const QSize side = b.find(QStringLiteral("Panel15")).geometry.size();
    const int q = side.width();
    const int p = pct(side.height(), 18);
    const int top = side.height() - p; // both panels are bottom-aligned in Panel15

    // Each button copies left, width, height and font of "Сохранить".
    auto button = [&](const QString &name, const QString &panel, int percentOfP) {
        b.place(name, panel, save.geometry.left(), pct(p, percentOfP), save.geometry.width(),
                save.geometry.height(), save.fontPointSize);
    };

    const QString speeds = QStringLiteral("Panel16");
    b.place(speeds, QStringLiteral("Panel15"), 0, top, q, p);
    b.place(QStringLiteral("Label6"), speeds, pct(q, 30), pct(p, 5), pct(q, 80), pct(p, 30),
            points(pct(p, 14)));
    button(QStringLiteral("BitBtn17"), speeds, 33); // "Nмин."
    button(QStringLiteral("BitBtn18"), speeds, 66); // "Nпов."

    const QString gases = QStringLiteral("Panel1");
    b.place(gases, QStringLiteral("Panel15"), 0, top, q, p);
    constexpr int kGasButtonTop[] = {1, 33, 66}; // "ПГС 1", "ПГС 2", "ПГС 3"
    for (int i = 0; i < 3; ++i)
        button(QStringLiteral("BitBtn%1").arg(19 + i), gases, kGasButtonTop[i]);
}

} // namespace WindowLayout
