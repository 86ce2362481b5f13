#pragma once

#include "norm_table.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

struct ChangeFlags;

// The hand-set norms file "Tolmera10.nor": eight headerless records of nine little-endian
// signed 16-bit limits in NormSet order, categories 2 then 3, variants 0..3 within each.
// Categories 0 and 1 are never stored.
namespace NormFile {

inline constexpr char16_t FileName[] = u"Tolmera10.nor";
inline constexpr int kRecordSize = NormSet::kFieldCount * 2; // 18
inline constexpr int kRecordCount = 8;
inline constexpr int kFileSize = kRecordSize * kRecordCount; // 144

// The 144 bytes of the hand-set categories of the table.
QByteArray encode(const NormTable &table);

// The built-in table with the hand-set records of the bytes laid over it. Complete records
// are taken in order, every field as the file holds it; a missing or partial record keeps the
// defaults of its row. Bytes past the eighth record are ignored.
NormTable decode(QByteArrayView bytes);

} // namespace NormFile

// The table at start-up: the built-in limits, then the norms file when it can be read. A
// missing or unreadable file leaves the defaults in force, with no message.
NormTable LoadNormFile(const QString &path);

enum class NormSaveOutcome {
    NotModified, // no hand edit this run: the file is left as it is
    Saved,
    Failed, // the old file, if any, is whole; the edits of this run are lost
};

// The exit save: writes the hand-set categories only when flags.NormsModified is set.
NormSaveOutcome SaveNormFile(const QString &path, const NormTable &table, const ChangeFlags &flags);
