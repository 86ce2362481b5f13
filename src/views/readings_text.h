#pragma once

#include "current_readings.h"

#include <QLocale>
#include <QString>
#include <QStringView>

#include <array>
#include <optional>

// What one refresh of the readings, table and report views writes, worked out without any
// widget so that every rule can be checked on its own.

// Shown in place of a lambda outside 1..1999 and of a missing oil temperature.
inline constexpr QStringView kNoValueText = u"- - - -";

// Every array below is in channel order, index(Channel); the lambda place may show the oil
// temperature.
using ChannelTexts = PerChannel<QString>;

struct ReadingsTexts {
    ChannelTexts boxes;      // Edit8..Edit13 of the readings view
    ChannelTexts gridValues; // StringGrid1 column 1, rows 0..5 (with the "   " prefix)
    QString coGridTitle;     // StringGrid1 cell (0,0)
    QString coMemoLine;      // Memo3 line 1
    // Row 4's titles change only with mode indication on; without it they stay as they are.
    std::optional<QString> rowFourGridTitle; // StringGrid1 cell (0,4)
    std::optional<QString> rowFourMemoLine;  // Memo7 line 0
    ChannelTexts graphPanel;                 // Edit1..Edit6 of the graph panel (one space + value)
};

// The oil temperature as degrees: the analyser's word arrives taken as unsigned, so 65526
// stands for -10.
qint32 oilTemperatureDegrees(qint32 storedWord);

// The lambda text: thousandths with 3 decimals, or kNoValueText outside 1..1999.
QString lambdaText(qint16 lambda, const QLocale &locale);

// The six graph panel texts: one space and the value; no status words, no oil temperature.
// Not current: one space and kNoValueText.
ChannelTexts graphPanelTexts(const ReadingSample &sample, const QLocale &locale,
                             bool current = true);

// Everything one refresh writes. Readings that are not current (CurrentReadings::
// ReadingsCurrent false: the link to the analyser is lost) show kNoValueText in place of
// every value, status word and temperature, a channel the analyser lacks still blank. A
// lambda outside 1..1999 is set to 0 in `readings`, so
// every later reader (the graph recorder too) sees no lambda. `modeIndication` is the
// analyser's operating-mode indication (off for an older analyser); a two-component
// analyser never has it, whatever the flag says.
ReadingsTexts readingsTexts(CurrentReadings &readings, bool modeIndication, const QLocale &locale);
