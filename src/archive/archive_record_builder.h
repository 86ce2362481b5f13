#pragma once

#include "archive_record.h"
#include "norm_set.h"

#include <QDateTime>
#include <QStringList>

class TestReport;
struct VehicleData;

// What a saved test document is made of, as the report and the norms panel hold it.
struct SavedDocument {
    const TestReport &report;
    const VehicleData &vehicle;
    int reportKind = 0;   // the ReportKind setting
    int category = 0;     // the VehicleCategory setting
    int catalystKind = 0; // the CatalystKind setting
    NormSet limits;       // the norms row of that category and after-treatment
    QStringList lines;    // the document as written
    QString fileName;
    QDateTime savedAt;
};

// The archive record of a saved document: the cells of every recorded slot, and for the
// vehicle report the limits of each slot (slot 0 at minimal, slot 1 at elevated idle speed)
// with the verdicts of the norms' own judging rules. CO and CH are judged where a limit
// applies, lambda at elevated speed within a valid window, the engine speed against its band;
// the vehicle fails when CO, CH or lambda broke a limit in a recorded slot (the engine speed
// says whether the reading was taken at the right speed, not how the vehicle did). Id,
// revisionOf and graphFileName are the caller's.
ArchiveRecord BuildArchiveRecord(const SavedDocument &document);
