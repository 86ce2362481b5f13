#include "window_placement.h"

#include <QtTest>

#include <limits>

using namespace WindowPlacement;

namespace {
const QSize kWorkArea(800, 600);
const AvailableScreens kOneScreen = {QRect(0, 0, 800, 600)};
// A second monitor to the left of the first.
const AvailableScreens kTwoScreens = {QRect(0, 0, 800, 600), QRect(-1280, 0, 1280, 1024)};
// Title bar 30 pixels high, a 4-pixel border elsewhere.
const QMargins kMargins(4, 30, 4, 4);
constexpr qint32 kHuge = std::numeric_limits<qint32>::max();
constexpr qint32 kMostNegative = std::numeric_limits<qint32>::min();
} // namespace

class TestWindowPlacement : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }

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

    void frameToClient_data() {
        QTest::addColumn<QRect>("frame");
        QTest::addColumn<QMargins>("margins");
        QTest::addColumn<QRect>("client");
        QTest::addColumn<QSize>("minimumClient");
        QTest::newRow("no frame") << QRect(10, 20, 600, 450) << QMargins()
                                  << QRect(10, 20, 600, 450) << QSize(620, 400);
        QTest::newRow("title bar and border")
            << QRect(10, 20, 600, 450) << kMargins << QRect(14, 50, 592, 416) << QSize(612, 366);
        QTest::newRow("margins wider than the frame")
            << QRect(0, 0, 5, 5) << kMargins << QRect(4, 30, 0, 0) << QSize(612, 366);
        QTest::newRow("margins wider than the minimum")
            << QRect(0, 0, 700, 500) << QMargins(400, 300, 400, 300) << QRect(400, 300, 0, 0)
            << QSize(0, 0);
    }

    void frameToClient() {
        QFETCH(QRect, frame);
        QFETCH(QMargins, margins);
        QFETCH(QRect, client);
        QFETCH(QSize, minimumClient);
        QCOMPARE(clientGeometry(frame, margins), client);
        QCOMPARE(minimumClientSize(margins), minimumClient);
    }

    void placementAtStart_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("restored");
        QTest::addColumn<QList<qint32>>("saved"); // left, top, width, height
        QTest::addColumn<AvailableScreens>("screens");
        QTest::addColumn<bool>("frameless");
        QTest::addColumn<bool>("maximised");
        QTest::addColumn<QRect>("frame");
        using L = QList<qint32>;
        const L fits = {100, 50, 700, 450};
        QTest::newRow("saved frame comes back as the frame")
            << 1 << 1 << fits << kOneScreen << false << false << QRect(100, 50, 700, 450);
        QTest::newRow("larger than the work area") << 1 << 1 << L{50, 40, 1000, 800} << kOneScreen
                                                   << false << false << QRect(50, 40, 620, 400);
        QTest::newRow("below the minimum size") << 1 << 1 << L{10, 10, 300, 200} << kOneScreen
                                                << false << false << QRect(10, 10, 620, 400);
        QTest::newRow("bottom edge past the work area")
            << 1 << 1 << L{100, 300, 700, 400} << kOneScreen << false << false
            << QRect(0, 0, 700, 400);
        QTest::newRow("huge size") << 1 << 1 << L{10, 10, kHuge, kHuge} << kOneScreen << false
                                   << false << QRect(10, 10, 620, 400);
        QTest::newRow("huge position") << 1 << 1 << L{kHuge, kHuge, 700, 450} << kOneScreen << false
                                       << false << QRect(0, 0, 700, 450);
        QTest::newRow("most negative position")
            << 1 << 1 << L{kMostNegative, kMostNegative, kHuge, kHuge} << kOneScreen << false
            << false << QRect(0, 0, 620, 400);
        QTest::newRow("from an unplugged monitor")
            << 1 << 1 << L{-5000, -5000, 700, 450} << kOneScreen << false << false
            << QRect(0, 0, 700, 450);
        QTest::newRow("on the monitor to the left")
            << 1 << 1 << L{-1000, 100, 700, 450} << kTwoScreens << false << false
            << QRect(-1000, 100, 700, 450);
        QTest::newRow("partly off the left edge, title bar reachable")
            << 1 << 1 << L{-200, 10, 700, 450} << kOneScreen << false << false
            << QRect(-200, 10, 700, 450);
        QTest::newRow("title bar above the screen") << 1 << 1 << L{10, -20, 700, 450} << kOneScreen
                                                    << false << false << QRect(0, 0, 700, 450);
        QTest::newRow("first screen away from the origin")
            << 1 << 1 << fits << AvailableScreens{QRect(1920, 0, 800, 600)} << false << false
            << QRect(1920, 0, 700, 450);
        QTest::newRow("mode 0: plain 640 x 480")
            << 0 << 1 << fits << kOneScreen << true << false << QRect(0, 0, 640, 480);
        QTest::newRow("mode 1 not restored")
            << 1 << 0 << fits << kOneScreen << false << true << QRect();
        QTest::newRow("mode 2: full screen")
            << 2 << 1 << fits << kOneScreen << true << true << QRect();
        QTest::newRow("other mode") << 7 << 1 << fits << kOneScreen << false << true << QRect();
    }

    // The client geometry applied at start gives back exactly the saved outer frame once the
    // window manager adds its margins, so the window neither grows nor creeps from run to run.
    void placementAtStart() {
        QFETCH(int, mode);
        QFETCH(int, restored);
        QFETCH(QList<qint32>, saved);
        QFETCH(AvailableScreens, screens);
        QFETCH(bool, frameless);
        QFETCH(bool, maximised);
        QFETCH(QRect, frame);
        const SavedFrame savedFrame{saved[0], saved[1], saved[2], saved[3]};
        const StartPlacement placement =
            placeAtStart(mode, restored, savedFrame, screens, kMargins);
        QCOMPARE(placement.frameless, frameless);
        QCOMPARE(placement.maximised, maximised);
        QCOMPARE(placement.frame, frame);
        if (maximised)
            QCOMPARE(placement.client, QRect());
        else if (frameless)
            QCOMPARE(placement.client, frame);
        else
            QCOMPARE(placement.client.marginsAdded(kMargins), frame);
    }

    void restoreGeometryOnResize_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("restored");
        QTest::addColumn<bool>("maximised");
        QTest::addColumn<bool>("restores");
        QTest::newRow("restored window found maximised") << 1 << 1 << true << true;
        QTest::newRow("restored window in normal state") << 1 << 1 << false << false;
        QTest::newRow("maximised by choice") << 1 << 0 << true << false;
        QTest::newRow("full screen") << 2 << 1 << true << false;
        QTest::newRow("plain window") << 0 << 1 << true << false;
    }

    // It returns to the geometry it would get at start: the saved frame, fitted and reachable.
    void restoreGeometryOnResize() {
        QFETCH(int, mode);
        QFETCH(int, restored);
        QFETCH(bool, maximised);
        QFETCH(bool, restores);
        const SavedFrame saved{-5000, 300, 1000, 400};
        const std::optional<QRect> client =
            restoreClientOnResize(mode, restored, maximised, saved, kTwoScreens, kMargins);
        QCOMPARE(client.has_value(), restores);
        if (restores) {
            QCOMPARE(*client, placeAtStart(1, 1, saved, kTwoScreens, kMargins).client);
            QCOMPARE(client->marginsAdded(kMargins), QRect(0, 0, 620, 400));
        }
    }
};

QTEST_GUILESS_MAIN(TestWindowPlacement)
#include "test_window_placement.moc"
