#include "settings_store.h"

#include <array>

SettingsStore::SettingsStore(QObject *parent) : QObject(parent) {}

void SettingsStore::setField(int recordIndex, qint32 value) {
    qint32 &field = settings_.field(recordIndex);
    if (field == value)
        return;
    field = value;
    announce(SettingsGroups::of(recordIndex));
}

void SettingsStore::set(qint32 AppSettings::*member, qint32 value) {
    setField(SettingsRanges::fieldIndex(member), value);
}

void SettingsStore::setRestoredFrame(const QRect &frame) {
    AppSettings changed = settings_;
    changed.WindowRestored = 1;
    changed.WindowWidth = frame.width();
    changed.WindowHeight = frame.height();
    changed.WindowTop = frame.top();
    changed.WindowLeft = frame.left();
    replace(changed);
}

void SettingsStore::replace(const AppSettings &settings) {
    std::array<bool, kSettingsGroupCount> touched{};
    for (int index = 0; index < AppSettings::kFieldCount; ++index) {
        if (settings_.field(index) != settings.field(index))
            touched[int(SettingsGroups::of(index))] = true;
    }
    settings_ = settings;
    for (int group = 0; group < kSettingsGroupCount; ++group) {
        if (touched[group])
            announce(SettingsGroup(group));
    }
}

void SettingsStore::announce(SettingsGroup group) {
    switch (group) {
    case SettingsGroup::StoredOnly:
        break;
    case SettingsGroup::View:
        emit viewChanged();
        break;
    case SettingsGroup::Norms:
        emit normsChanged();
        break;
    case SettingsGroup::Graph:
        emit graphChanged();
        break;
    case SettingsGroup::Intervals:
        emit intervalsChanged();
        break;
    case SettingsGroup::Appearance:
        emit appearanceChanged();
        break;
    case SettingsGroup::Link:
        emit linkChanged();
        break;
    case SettingsGroup::Report:
        emit reportChanged();
        break;
    case SettingsGroup::Window:
        emit windowChanged();
        break;
    }
}
