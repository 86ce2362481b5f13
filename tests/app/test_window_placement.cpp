#include "window_placement.h"

#include <QtTest>

using namespace WindowPlacement;

namespace {
const QSize kWorkArea(800, 600);
}

class TestWindowPlacement : public QObject {
    Q_OBJECT

private slots:
    void savedWindowLargerThanWorkAreaShrinksToMinimum() {
        const Decision d = atStart(1, 1, QRect(50, 40, 1000, 800), kWorkArea);
        QVERIFY(!d.maximised);
        QVERIFY(!d.frameless);
        QCOMPARE(d.geometry, QRect(50, 40, 620, 400));
        // Only one dimension too large is enough.
        QCOMPARE(fitSaved(QRect(10, 10, 700, 650), kWorkArea), QRect(10, 10, 620, 400));
    }

    void savedWindowPassingTheEdgeMovesToTopLeft() {
        QCOMPARE(atStart(1, 1, QRect(100, 300, 700, 400), kWorkArea).geometry,
                 QRect(0, 0, 700, 400));
        QCOMPARE(fitSaved(QRect(200, 10, 700, 400), kWorkArea), QRect(0, 0, 700, 400));
        // Touching the edge is still inside.
        QCOMPARE(fitSaved(QRect(100, 200, 700, 400), kWorkArea), QRect(100, 200, 700, 400));
        // Shrunk first, then moved when even the minimum size passes the edge.
        QCOMPARE(fitSaved(QRect(300, 300, 1000, 800), kWorkArea), QRect(0, 0, 620, 400));
    }

    void windowModes() {
        const QRect saved(10, 10, 700, 500);
        const Decision plain = atStart(0, 1, saved, kWorkArea);
        QCOMPARE(plain.geometry, QRect(0, 0, 640, 480));
        QVERIFY(plain.frameless && !plain.maximised);

        const Decision full = atStart(2, 1, saved, kWorkArea);
        QVERIFY(full.frameless && full.maximised);

        const Decision notRestored = atStart(1, 0, saved, kWorkArea);
        QVERIFY(notRestored.maximised && !notRestored.frameless);

        for (int mode : {3, -1, 7}) {
            const Decision other = atStart(mode, 1, saved, kWorkArea);
            QVERIFY(other.maximised && !other.frameless);
        }
    }

    void resizeRestoresOnlyAMaximisedRestoredWindow() {
        const QRect saved(100, 300, 700, 400);
        QCOMPARE(onResize(1, 1, true, saved, kWorkArea),
                 std::optional<QRect>(QRect(0, 0, 700, 400)));
        QCOMPARE(onResize(1, 1, false, saved, kWorkArea), std::nullopt);
        QCOMPARE(onResize(1, 0, true, saved, kWorkArea), std::nullopt);
        QCOMPARE(onResize(2, 1, true, saved, kWorkArea), std::nullopt);
    }
};

QTEST_GUILESS_MAIN(TestWindowPlacement)
#include "test_window_placement.moc"
