#include "archive_record_builder.h"

#include "norm_limits.h"
#include "norm_panel_texts.h"
#include "norm_table.h"
#include "test_report.h"
#include "vehicle_data.h"

namespace {

constexpr int kMinimalSlot = 0;
constexpr int kElevatedSlot = 1;

ArchiveVerdict verdict(bool breaks) {
    return breaks ? ArchiveVerdict::Fail : ArchiveVerdict::Pass;
}

// A limit applies when the highest reading the display shows breaks it.
bool coJudged(qint32 limit) {
    return CoBreaksNorm(limit, displayMaximum(Channel::Co));
}
bool chJudged(qint32 limit) {
    return ChBreaksNorm(limit, displayMaximum(Channel::Ch));
}

ArchiveLimits limitsInForce(const NormSet &limits, bool elevated) {
    const PublishedLimits published = PublishLimits(limits, elevated);
    ArchiveLimits inForce{published.CoLimitInForce, published.ChLimitInForce, 0, 0};
    if (elevated && LambdaWindowValid(limits)) {
        inForce.lambdaMin = limits.LambdaMin;
        inForce.lambdaMax = limits.LambdaMax;
    }
    return inForce;
}

void judge(ArchiveSlot &slot, const ReadingSample &sample, const NormSet &limits, bool elevated) {
    auto &verdicts = slot.verdicts;
    if (coJudged(slot.limits.coLimit))
        verdicts[index(Channel::Co)] = verdict(CoBreaksNorm(slot.limits.coLimit, sample.co));
    if (chJudged(slot.limits.chLimit))
        verdicts[index(Channel::Ch)] = verdict(ChBreaksNorm(slot.limits.chLimit, sample.ch));
    if (elevated && LambdaWindowValid(limits))
        verdicts[index(Channel::Lambda)] =
            verdict(LambdaBreaksNorm(limits, elevated, sample.lambda));
    verdicts[index(Channel::Rpm)] = verdict(RpmBreaksNorm(limits, elevated, sample.rpm));
}

ArchiveVerdict overallOf(const ArchiveRecord &record) {
    ArchiveVerdict overall = ArchiveVerdict::NotJudged;
    for (const ArchiveSlot &slot : record.recordSlots)
        for (Channel channel : {Channel::Co, Channel::Ch, Channel::Lambda}) {
            const ArchiveVerdict judged = slot.verdicts[index(channel)];
            if (judged == ArchiveVerdict::Fail)
                return ArchiveVerdict::Fail;
            if (judged == ArchiveVerdict::Pass)
                overall = ArchiveVerdict::Pass;
        }
    return overall;
}

} // namespace

ArchiveRecord BuildArchiveRecord(const SavedDocument &document) {
    ArchiveRecord record;
    record.savedAt = document.savedAt;
    record.stationLine = document.vehicle.StationName.trimmed();
    record.vehicleNumber = document.vehicle.NumberText.trimmed();
    record.detailLabel = document.vehicle.DetailLabel;
    record.detailText = document.vehicle.DetailText.trimmed();
    record.category =
        QString::fromUtf16(NormPanelTexts::Categories[NormCategoryIndex(document.category)]);
    const int variant = NormVariantIndex(document.catalystKind);
    record.catalyst = variant == 1 || variant == 2; // two-way or three-way
    const bool vehicleReport = document.reportKind == VehicleReport;
    record.kind = vehicleReport                             ? ArchiveDocumentKind::VehicleReport
                  : document.reportKind == ExtendedProtocol ? ArchiveDocumentKind::ExtendedProtocol
                                                            : ArchiveDocumentKind::Protocol;
    for (int at = 0; at < TestReport::kSlotCount; ++at) {
        const std::optional<ReadingSample> sample = document.report.SlotReadings(at);
        ArchiveSlot &slot = record.recordSlots[at];
        slot.recorded = sample.has_value();
        const bool judgedSlot = vehicleReport && (at == kMinimalSlot || at == kElevatedSlot);
        const bool elevated = at == kElevatedSlot;
        if (judgedSlot)
            slot.limits = limitsInForce(document.limits, elevated);
        if (!sample)
            continue;
        for (int channel = 0; channel < kChannelCount; ++channel) {
            const auto &cells = document.report.Cells()[channel][at];
            slot.readings[channel] = cells[ReadingColumn].trimmed();
            if (!vehicleReport) {
                slot.references[channel] = cells[ReferenceColumn].trimmed();
                slot.deviations[channel] = cells[DeviationColumn].trimmed();
            }
        }
        if (judgedSlot)
            judge(slot, *sample, document.limits, elevated);
    }
    if (vehicleReport)
        record.overall = overallOf(record);
    record.documentText = document.lines.join(QStringLiteral("\r\n"));
    record.fileName = document.fileName;
    return record;
}
