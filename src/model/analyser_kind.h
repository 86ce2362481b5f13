#pragma once

// Which analyser answered the type request.
enum class AnalyserKind : int {
    FourComponent = 0, // CO, CH, CO2, O2 and lambda
    TwoComponent = 1,  // CO and CH only
    Unknown = 2,
};
