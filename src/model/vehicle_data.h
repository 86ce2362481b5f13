#pragma once

#include <QString>

// The identification lines of a test document, held for the whole run. In the vehicle report
// NumberText is the registration number and DetailText the owner, make or VIN named by
// DetailLabel; in the two protocols NumberText is the analyser model and DetailText its
// serial number. NumberText and DetailText are also stored in graph files.
struct VehicleData {
    QString StationName; // service station line, first line of every document (64 characters)
    QString NumberText;  // 15 characters
    QString DetailText;  // 15 characters
    QString DetailLabel; // caption of DetailText in the vehicle report

    friend bool operator==(const VehicleData &, const VehicleData &) = default;
};

// The longest NumberText, DetailText and DetailLabel.
inline constexpr int kVehicleTextMaxLength = 15;

// The caption of DetailText for the VehicleFieldIndex setting: 0 "Владелец:", 1 "Марка:",
// 2 "VIN:"; any other value (a damaged settings file) gives an empty caption.
QString DetailLabelFor(int vehicleFieldIndex);
