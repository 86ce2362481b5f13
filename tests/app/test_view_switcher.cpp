#include "layout_applier.h"
#include "main_toolbar.h"
#include "run_state.h"
#include "view_ids.h"
#include "view_panels.h"
#include "view_switcher.h"
#include "view_table.h"
#include "window_layout.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolBar>
#include <QToolButton>
#include <QtTest>

namespace {

constexpr int kViews[] = {ViewId::Information, ViewId::Table, ViewId::Report,
                          ViewId::Diagram,     ViewId::Graph, ViewId::Readings};

QStringList namesOf(const QList<QWidget *> &controls) {
    QStringList names;
    for (const QWidget *control : controls)
        names << control->objectName();
    return names;
}

// The view controls and the toolbar in a shown client area, switched without a main window.
struct Views {
    QWidget window;
    QWidget *client = new QWidget(&window);
    ViewPanels panels = ViewPanels::create(client);
    MainToolbar toolbar{&window};
    LayoutApplier layout{*client, *toolbar.bar(), panels.byName};
    RunState state;
    IndicationState indication;
    QTimer timerTab;
    QTimer timerDia;
    ViewSwitcher switcher{state, panels, toolbar, layout, timerTab, timerDia};

    Views() {
        state.bindIndication(indication);
        window.resize(757, 569);
        client->resize(757, 539);
        window.show();
    }
    QStringList visibleViewControls() const {
        QStringList names;
        for (QWidget *control : ViewTable::allControls(panels))
            if (control->isVisible())
                names << control->objectName();
        return names;
    }
};

} // namespace

class TestViewSwitcher : public QObject {
    Q_OBJECT

private slots:
    // Each view shows its own controls and hides every other view's.
    void aViewShowsItsControlsOnly() {
        Views v;
        for (int view : kViews) {
            v.switcher.select(view);
            QStringList expected = namesOf(ViewTable::controlsOf(view, v.panels, 0));
            QStringList visible = v.visibleViewControls();
            expected.sort();
            visible.sort();
            QCOMPARE(visible, expected);
            QCOMPARE(v.state.Settings.CurrentView, view);
            QVERIFY(v.toolbar.viewButton(view)->isChecked());
        }
        v.switcher.select(ViewId::Diagram);
        QVERIFY(v.panels.diagramPanel->isVisible() && v.panels.categoryPanel->isVisible());
    }

    // A view number no view has (a damaged setting) changes no control and releases every
    // view button.
    void anUnknownViewShowsNothingNew() {
        Views v;
        v.switcher.select(ViewId::Table);
        const QStringList before = v.visibleViewControls();
        for (int view : {3, 7, -1}) {
            QVERIFY(ViewTable::controlsOf(view, v.panels, 0).isEmpty());
            v.switcher.select(view);
            QCOMPARE(v.visibleViewControls(), before);
            for (int known : kViews)
                QVERIFY(!v.toolbar.viewButton(known)->isChecked());
        }
    }

    void reportShowsTheRecordPanelOfItsForm_data() {
        QTest::addColumn<int>("reportKind");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("hidden");
        QTest::newRow("report form") << 0 << "Panel16"
                                     << "Panel1";
        QTest::newRow("protocol") << 1 << "Panel1"
                                  << "Panel16";
        QTest::newRow("extended protocol") << 2 << "Panel1"
                                           << "Panel16";
    }
    void reportShowsTheRecordPanelOfItsForm() {
        QFETCH(int, reportKind);
        QFETCH(QString, shown);
        QFETCH(QString, hidden);
        Views v;
        v.switcher.select(ViewId::Report);
        v.state.Store.set(&AppSettings::ReportKind, reportKind);
        v.switcher.showCurrent();
        QVERIFY(v.panels.byName.value(shown)->isVisible());
        QVERIFY(!v.panels.byName.value(hidden)->isVisible());
    }

    void theSwitchSetsTheRefreshTimers_data() {
        QTest::addColumn<int>("view");
        QTest::addColumn<bool>("running");
        QTest::addColumn<bool>("tabBefore");
        QTest::addColumn<bool>("diaBefore");
        QTest::addColumn<bool>("tabAfter");
        QTest::addColumn<bool>("diaAfter");
        QTest::newRow("text view runs TimerTab, keeps TimerDia")
            << ViewId::Table << true << false << true << true << true;
        QTest::newRow("diagram runs TimerDia, keeps TimerTab")
            << ViewId::Diagram << true << true << false << true << true;
        QTest::newRow("graph stops both")
            << ViewId::Graph << true << true << true << false << false;
        QTest::newRow("stopped: a text view keeps its last refresh, TimerDia stops")
            << ViewId::Readings << false << true << true << true << false;
        QTest::newRow("stopped: the diagram keeps its last refresh, TimerTab stops")
            << ViewId::Diagram << false << true << true << false << true;
        QTest::newRow("graph stops both while stopped")
            << ViewId::Graph << false << true << true << false << false;
        QTest::newRow("an unknown view refreshes as a text view")
            << 3 << true << false << false << true << false;
    }
    void theSwitchSetsTheRefreshTimers() {
        QFETCH(int, view);
        QFETCH(bool, running);
        QFETCH(bool, tabBefore);
        QFETCH(bool, diaBefore);
        Views v;
        v.indication.running = running;
        if (tabBefore)
            v.timerTab.start();
        if (diaBefore)
            v.timerDia.start();
        v.switcher.select(view);
        QTEST(v.timerTab.isActive(), "tabAfter");
        QTEST(v.timerDia.isActive(), "diaAfter");
    }

    void startingTheRefreshRunsTheTimerOfTheViewKind_data() {
        QTest::addColumn<int>("view");
        QTest::addColumn<bool>("tab");
        QTest::addColumn<bool>("dia");
        QTest::newRow("text view") << ViewId::Information << true << false;
        QTest::newRow("diagram") << ViewId::Diagram << false << true;
        QTest::newRow("graph") << ViewId::Graph << false << false;
    }
    void startingTheRefreshRunsTheTimerOfTheViewKind() {
        QFETCH(int, view);
        Views v;
        v.state.ViewTimerMode = ViewTimerMode::of(view);
        v.switcher.startViewRefresh();
        QTEST(v.timerTab.isActive(), "tab");
        QTEST(v.timerDia.isActive(), "dia");
    }

    // The controls shown are laid out for the client's size.
    void theShownControlsAreLaidOut() {
        Views v;
        v.switcher.select(ViewId::Diagram);
        WindowLayout::Input input;
        input.clientWidth = v.client->width();
        input.toolbarHeight = v.toolbar.bar()->height();
        input.clientHeight = v.client->height() + input.toolbarHeight;
        input.currentView = ViewId::Diagram;
        const WindowLayout::Layout layout = WindowLayout::compute(input);
        for (const QString name : {"Panel7", "Panel8", "StringGrid5", "Chart4"})
            QCOMPARE(v.panels.byName.value(name)->geometry(), layout.find(name)->geometry);
    }

    // Each view places its own view controls (both report panels in the report view) and
    // none of another view's, so a control shown by the view switch is always laid out.
    void viewsPlaceTheirOwnControls() {
        Views v;
        const QStringList all = namesOf(ViewTable::allControls(v.panels));
        QStringList shownSomewhere;
        for (int view : kViews) {
            WindowLayout::Input input;
            input.clientWidth = 757;
            input.clientHeight = 569;
            input.currentView = view;
            QStringList placed = WindowLayout::compute(input).names();
            placed.removeIf([&](const QString &name) { return !all.contains(name); });
            QStringList expected = namesOf(ViewTable::controlsOf(view, v.panels, 0)) +
                                   namesOf(ViewTable::controlsOf(view, v.panels, 1));
            expected.removeDuplicates();
            placed.sort();
            expected.sort();
            QCOMPARE(placed, expected);
            shownSomewhere += expected;
        }
        shownSomewhere.removeDuplicates();
        shownSomewhere.sort();
        QStringList sorted = all;
        sorted.sort();
        QCOMPARE(shownSomewhere, sorted);
    }

    // Every control the layout places has been made by a builder under that name.
    void everyPlacedControlExists() {
        Views v;
        const QStringList statusLine = {"Edit14", "Edit16", "Edit15", "ProgressBar1"};
        for (int view : kViews) {
            WindowLayout::Input input;
            input.clientWidth = 1024;
            input.clientHeight = 700;
            input.currentView = view;
            for (const QString &name : WindowLayout::compute(input).names())
                QVERIFY2(v.panels.byName.contains(name) || statusLine.contains(name),
                         qPrintable(name));
        }
    }
};

QTEST_MAIN(TestViewSwitcher)
#include "test_view_switcher.moc"
