#pragma once

#include <QString>

// Where the link reports the analyser type it has recognised while polling
// ("Тип прибора: ..."); the options dialog's status field implements it.
class AnalyserStatusSink {
public:
    virtual ~AnalyserStatusSink() = default;
    virtual void showAnalyserStatus(const QString &text) = 0;
};
