#pragma once

#include "graph_file.h"
#include "graph_journal.h"
#include "graph_recorder.h"
#include "vehicle_data.h"

// The graph's date and vehicle texts, as its graph files and its journal keep them.
namespace GraphRecordInfo {

inline GraphFile::Header fileHeader(const GraphRecorder &recorder, const VehicleData &vehicle) {
    return {recorder.graphDate(), vehicle.NumberText, vehicle.DetailText};
}

inline GraphJournal::RecordInfo journalInfo(const GraphRecorder &recorder,
                                            const VehicleData &vehicle) {
    return {recorder.graphDate(), vehicle.NumberText, vehicle.DetailText};
}

} // namespace GraphRecordInfo
