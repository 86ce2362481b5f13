#pragma once

#include <QtGlobal>

#include <array>

// One calibration gas cylinder as the kit file stores it: eight signed 16-bit words, CO and
// CO2 in 0.01 %, CH in ppm, then five reserved words kept as they are read.
struct GasCylinder {
    static constexpr int kGasCount = 3; // CO, CH, CO2
    static constexpr int kWordCount = 8;

    std::array<qint16, kGasCount> gas{}; // 0 CO, 1 CH, 2 CO2
    std::array<qint16, kWordCount - kGasCount> reserved{};

    friend bool operator==(const GasCylinder &, const GasCylinder &) = default;
};

// A kit of certified values for the three cylinders "ПГС 1" to "ПГС 3". Kit 0 is the working
// kit the test report compares its recordings with.
struct CalibrationGasKit {
    static constexpr int kCylinderCount = 3;

    static constexpr int kValueCount = kCylinderCount * GasCylinder::kGasCount;

    std::array<GasCylinder, kCylinderCount> cylinders{};

    // Where gas g of cylinder s stands among the nine values in cylinder order (CO, CH, CO2
    // of cylinder 1, then of 2, then of 3): as the analyser's values are kept and as the
    // editor grid lists them.
    static constexpr int valueIndex(int cylinder, int gas) {
        return GasCylinder::kGasCount * cylinder + gas;
    }

    // Gas g (0 CO, 1 CH, 2 CO2) of cylinder s (0..2); 0 for any other index.
    qint16 value(int cylinder, int gas) const {
        if (cylinder < 0 || cylinder >= kCylinderCount || gas < 0 || gas >= GasCylinder::kGasCount)
            return 0;
        return cylinders[cylinder].gas[gas];
    }

    // Every kit before the kit file is read.
    static constexpr CalibrationGasKit defaults() {
        CalibrationGasKit kit;
        kit.cylinders[0].gas = {89, 299, 499};
        kit.cylinders[1].gas = {398, 1802, 1001};
        kit.cylinders[2].gas = {695, 3000, 1507};
        return kit;
    }

    friend bool operator==(const CalibrationGasKit &, const CalibrationGasKit &) = default;
};
