#include "layout_builder.h"

#include "channel.h"

namespace WindowLayout {

ControlPlacement placeSidePanel(Builder &b, const Frame &f) {
    const QString panel = QStringLiteral("Panel15");
    const QSize size = b.place(panel, kClientArea, f.sideArea()).geometry.size();
    const int w = size.width();
    const int h = size.height();

    // One row per channel: check box on the left, value box on the right.
    const int rowHeight = pct(h, 5);
    for (int channel = 0; channel < kChannelCount; ++channel) {
        const int top = pct(h, 3 + 7 * channel);
        b.place(QStringLiteral("CheckBox%1").arg(channel + 1), panel, pct(w, 1), top, pct(w, 49),
                rowHeight, points(pct(rowHeight, 40)));
        b.place(QStringLiteral("Edit%1").arg(channel + 1), panel, pct(w, 52), top, pct(w, 48),
                rowHeight, points(pct(h, 3)));
    }

    // Graph and report buttons, 6 % apart; the recording pair shares one place.
    struct Button {
        const char *name;
        int top;
    };
    static constexpr Button kButtons[] = {{"BitBtn1", 46}, {"BitBtn2", 52}, {"BitBtn3", 58},
                                          {"BitBtn4", 64}, {"BitBtn5", 70}, {"BitBtn9", 76},
                                          {"BitBtn6", 86}, {"BitBtn7", 86}};
    const int buttonHeight = pct(h, 6);
    ControlPlacement save;
    for (const Button &button : kButtons) {
        const ControlPlacement &p =
            b.place(QString::fromLatin1(button.name), panel, pct(w, 7), pct(h, button.top),
                    pct(w, 86), buttonHeight, points(pct(buttonHeight, 42)));
        if (p.name == QLatin1String("BitBtn1"))
            save = p;
    }
    return save;
}

} // namespace WindowLayout
