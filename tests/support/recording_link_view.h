#pragma once

#include "link_view.h"

#include <QList>
#include <QStringList>

// Records what the link shows, for tests of the link controller.
class RecordingLinkView : public LinkView {
public:
    int starts = 0;
    QStringList linkStatus;
    QList<bool> toggleEnabled;
    QList<int> progress;
    QList<bool> progressVisible;
    QStringList portStatus;
    int portPageShown = 0;
    QList<Indicator> pump;
    QList<Indicator> fuel;
    QList<int> menus;
    QList<AnalyserKind> found;
    int lost = 0;
    QStringList lossNotices;
    int restored = 0;

    void linkStarting() override { ++starts; }
    void setIndicationToggleEnabled(bool enabled) override { toggleEnabled << enabled; }
    void setSearchProgress(int percent) override { progress << percent; }
    void setSearchProgressVisible(bool visible) override { progressVisible << visible; }
    void setPortStatus(const QString &text) override { portStatus << text; }
    void showPortPage() override { ++portPageShown; }
    void setPumpIndicator(const Indicator &indicator) override { pump << indicator; }
    void setFuelIndicator(const Indicator &indicator) override { fuel << indicator; }
    void showSettingsMenu(int menu) override { menus << menu; }
    void analyserFound(AnalyserKind kind) override { found << kind; }
    void analyserLost() override { ++lost; }
    void linkLost(const QString &notice) override { lossNotices << notice; }
    void linkRestored() override { ++restored; }
};
