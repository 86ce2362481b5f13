// The graph journal reader: any bytes give at most the records they hold, each sample at a
// time of day with a set of full scales the journal named, vehicle texts of at most 15
// characters; what a readable journal gives can be put into a record, and written again as a
// snapshot it reads back the same.

#include "fuzz_input.h"
#include "graph_journal.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const QByteArray input = FuzzInput::bytes(data, size);
    const GraphJournal::Contents journal = GraphJournal::decode(input);
    FuzzInput::expect(journal.status != GraphJournal::ReadStatus::Unreadable,
                      "bytes in memory are never unreadable");
    FuzzInput::expect(qsizetype(journal.samples.size()) <=
                          input.size() / GraphJournal::kSampleRecordBytes,
                      "no more samples than the bytes hold");
    FuzzInput::expect(journal.scaleSets.size() <= size_t(GraphJournal::kMaxScaleSets),
                      "no more sets of full scales than the limit");
    for (const GraphJournal::Sample &sample : journal.samples) {
        FuzzInput::expect(sample.msecsOfDay >= 0 && sample.msecsOfDay < 24 * 3600 * 1000,
                          "every sample is at a time of day");
        FuzzInput::expect(sample.scaleSet >= 0 &&
                              size_t(sample.scaleSet) < journal.scaleSets.size(),
                          "every sample names a set of full scales the journal holds");
    }
    FuzzInput::expect(journal.info.numberText.size() <= kVehicleTextMaxLength &&
                          journal.info.detailText.size() <= kVehicleTextMaxLength,
                      "the vehicle texts have at most 15 characters");
    if (journal.samples.empty() || journal.samples.size() > 2000)
        return 0;

    GraphBuffer record;
    GraphJournal::appendTo(record, journal);
    FuzzInput::expect(record.count() == int(journal.samples.size()),
                      "every sample read goes into the record");
    const GraphJournal::Contents again =
        GraphJournal::decode(GraphJournal::snapshot(record, journal.info).bytes);
    FuzzInput::expect(again.status == GraphJournal::ReadStatus::Ok &&
                          again.samples.size() == journal.samples.size(),
                      "the record written as a journal reads back whole");
    for (size_t i = 0; i < again.samples.size(); ++i)
        FuzzInput::expect(again.samples[i].reading == journal.samples[i].reading &&
                              again.samples[i].msecsOfDay == journal.samples[i].msecsOfDay,
                          "every sample reads back unchanged");
    return 0;
}
