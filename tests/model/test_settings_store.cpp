#include "app_settings.h"
#include "settings_groups.h"
#include "settings_ranges.h"
#include "settings_store.h"

#include <QtTest>

#include <functional>

namespace {

using Change = std::function<void(SettingsStore &)>;

// The store's signal of every group that has one.
struct GroupSignal {
    SettingsGroup group;
    const char *name;
    void (SettingsStore::*signal)();
};
const GroupSignal kSignals[] = {
    {SettingsGroup::View, "view", &SettingsStore::viewChanged},
    {SettingsGroup::Norms, "norms", &SettingsStore::normsChanged},
    {SettingsGroup::Graph, "graph", &SettingsStore::graphChanged},
    {SettingsGroup::Intervals, "intervals", &SettingsStore::intervalsChanged},
    {SettingsGroup::Appearance, "appearance", &SettingsStore::appearanceChanged},
    {SettingsGroup::Link, "link", &SettingsStore::linkChanged},
    {SettingsGroup::Report, "report", &SettingsStore::reportChanged},
    {SettingsGroup::Window, "window", &SettingsStore::windowChanged},
};

QStringList signalNameOf(SettingsGroup group) {
    for (const GroupSignal &entry : kSignals)
        if (entry.group == group)
            return {QString::fromLatin1(entry.name)};
    return {};
}

// A store that notes the name of every signal it emits, in order.
struct ListenedStore {
    SettingsStore store;
    QStringList heard;

    ListenedStore() {
        for (const GroupSignal &entry : kSignals)
            QObject::connect(&store, entry.signal, &store,
                             [this, &entry] { heard << QString::fromLatin1(entry.name); });
    }
};

AppSettings withSeveralGroupsChanged() {
    AppSettings settings;
    settings.LineWidth = 3;       // graph
    settings.CurrentView = 2;     // view
    settings.FixedPort = 4;       // link
    settings.ViewInterval[1] = 9; // intervals
    settings.FullScale[2] = 30;   // graph again
    settings.Spare78[0] = 1;      // stored only
    return settings;
}

} // namespace

Q_DECLARE_METATYPE(Change)
Q_DECLARE_METATYPE(AppSettings)

class TestSettingsStore : public QObject {
    Q_OBJECT

private slots:
    void groupTableCoversEveryFieldOnce() {
        QList<int> owners(AppSettings::kFieldCount, 0);
        int next = 0;
        for (const SettingsGroups::Rows &row : SettingsGroups::table()) {
            QCOMPARE(row.first, next); // in record order, with no gap
            QVERIFY(row.last >= row.first);
            for (int index = row.first; index <= row.last; ++index)
                ++owners[index];
            next = row.last + 1;
        }
        QCOMPARE(next, AppSettings::kFieldCount);
        QCOMPARE(owners, QList<int>(AppSettings::kFieldCount, 1));
    }

    void everyGroupButStoredOnlyHasASignal() {
        for (int group = 0; group < kSettingsGroupCount; ++group)
            QCOMPARE(signalNameOf(SettingsGroup(group)).isEmpty(),
                     SettingsGroup(group) == SettingsGroup::StoredOnly);
    }

    // Each field, set by its record index, says its own group once; set to the value it
    // already has, it says nothing.
    void everyFieldAnnouncesItsGroup() {
        for (int index = 0; index < AppSettings::kFieldCount; ++index) {
            ListenedStore listened;
            const qint32 changed = listened.store.get().field(index) + 1;
            listened.store.setField(index, changed);
            QCOMPARE(listened.store.get().field(index), changed);
            QCOMPARE(listened.heard, signalNameOf(SettingsGroups::of(index)));
            listened.heard.clear();
            listened.store.setField(index, changed);
            QCOMPARE(listened.heard, QStringList());
        }
    }

    void settersAnnounceWhatChanged_data() {
        QTest::addColumn<Change>("change");
        QTest::addColumn<QStringList>("heard");
        QTest::addColumn<AppSettings>("after");

        AppSettings view;
        view.CurrentView = 2;
        QTest::newRow("a field by member")
            << Change([](SettingsStore &s) { s.set(&AppSettings::CurrentView, 2); })
            << QStringList{"view"} << view;

        AppSettings hidden;
        hidden.ChannelHidden[3] = 1;
        QTest::newRow("an array element by member")
            << Change([](SettingsStore &s) { s.set(&AppSettings::ChannelHidden, 3, 1); })
            << QStringList{"graph"} << hidden;

        QTest::newRow("the value already in force")
            << Change([](SettingsStore &s) { s.set(&AppSettings::ReportKind, 0); }) << QStringList()
            << AppSettings();

        AppSettings spare;
        spare.Spare59 = 7;
        QTest::newRow("a stored-only word changes silently")
            << Change([](SettingsStore &s) { s.set(&AppSettings::Spare59, 7); }) << QStringList()
            << spare;

        AppSettings framed;
        framed.WindowRestored = 1;
        framed.WindowLeft = 10;
        framed.WindowTop = 20;
        framed.WindowWidth = 700;
        framed.WindowHeight = 500;
        QTest::newRow("the restored frame, once for five fields")
            << Change([](SettingsStore &s) { s.setRestoredFrame(QRect(10, 20, 700, 500)); })
            << QStringList{"window"} << framed;

        QTest::newRow("the whole record, each group once in group order")
            << Change([](SettingsStore &s) { s.replace(withSeveralGroupsChanged()); })
            << QStringList{"view", "graph", "intervals", "link"} << withSeveralGroupsChanged();

        QTest::newRow("the whole record unchanged")
            << Change([](SettingsStore &s) { s.replace(AppSettings()); }) << QStringList()
            << AppSettings();
    }

    void settersAnnounceWhatChanged() {
        QFETCH(Change, change);
        ListenedStore listened;
        change(listened.store);
        QTEST(listened.heard, "heard");
        QTEST(listened.store.get(), "after");
    }

    // A signal is emitted once the whole change is in the record.
    void signalsSeeTheWholeChange() {
        SettingsStore store;
        QList<int> seen;
        connect(&store, &SettingsStore::viewChanged, this,
                [&] { seen << store.get().CurrentView << store.get().FixedPort; });
        store.replace(withSeveralGroupsChanged());
        QCOMPARE(seen, (QList<int>{2, 4}));
    }
};

QTEST_GUILESS_MAIN(TestSettingsStore)
#include "test_settings_store.moc"
