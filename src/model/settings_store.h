#pragma once

#include "app_settings.h"
#include "settings_groups.h"
#include "settings_ranges.h"

#include <QObject>
#include <QRect>

#include <cstddef>

// The owner of the run's settings. Everyone reads them through get(); every change goes
// through a setter here, and the store then says which groups of fields it changed (the
// table from record index to group is SettingsGroups). A signal is emitted only when a value
// really changed, once per group and call, after the whole change is in the record, in the
// order of the SettingsGroup enum. The stored-only words change silently.
class SettingsStore : public QObject {
    Q_OBJECT

public:
    explicit SettingsStore(QObject *parent = nullptr);

    const AppSettings &get() const { return settings_; }

    // The field at a record index (the options pages bind their controls that way).
    void setField(int recordIndex, qint32 value);
    // One field by member: set(&AppSettings::CurrentView, 2).
    void set(qint32 AppSettings::*member, qint32 value);
    // One element of a per-channel or other array: set(&AppSettings::ChannelHidden, 1, 0).
    template <std::size_t N> void set(qint32 (AppSettings::*array)[N], int element, qint32 value) {
        setField(SettingsRanges::fieldIndex(array, element), value);
    }
    // A sizeable window not maximised: WindowRestored 1 and the outer frame.
    void setRestoredFrame(const QRect &frame);
    // The whole record: the settings file read at start-up, or the defaults.
    void replace(const AppSettings &settings);

signals:
    void viewChanged();
    void normsChanged();
    void graphChanged();
    void intervalsChanged();
    void appearanceChanged();
    void linkChanged();
    void reportChanged();
    void windowChanged();

private:
    void announce(SettingsGroup group);

    AppSettings settings_;
};
