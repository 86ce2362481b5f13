#pragma once

#include "current_readings.h"
#include "run_state.h"

#include <QObject>
#include <QString>

class QTimer;
class ReadingsSource;

// "Пуск/стоп": stops the screen following the analyser, keeping a frozen copy of the
// readings, or lets it follow again. The analyser itself is not told anything. It is the one
// owner of the indication state (IndicationState); the views and the report read it.
//
// It also decides what the link status field shows: the readings source's text while the
// indication runs, " СТОП ИНДИКАЦИИ" while it is stopped, whatever the link does meanwhile
// (a loss and a reconnect leave the values frozen, so the field keeps saying so).
class IndicationSwitch : public QObject {
    Q_OBJECT

public:
    struct Timers {
        QTimer &tab; // refresh of the text views
        QTimer &dia; // refresh of the diagrams
    };

    IndicationSwitch(const ReadingsSource &source, Timers timers, QObject *parent = nullptr);

    const IndicationState &state() const { return state_; }
    // The text of the link status field.
    const QString &linkStatus() const { return linkStatus_; }

    void toggle();
    // The indication follows the readings again without a press (a connection starts, the
    // demonstration is switched, the program starts); the caller refreshes the views.
    void resume();

signals:
    void linkStatusChanged(const QString &text);
    // "Пуск/стоп" let the indication run again: the current view's refresh timer starts.
    void resumedByPress();

private:
    void showLinkStatus(const QString &text);

    const ReadingsSource &source_;
    Timers timers_;
    IndicationState state_;
    QString linkStatus_;
};
