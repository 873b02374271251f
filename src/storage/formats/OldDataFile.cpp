#include "storage/formats/OldDataFile.h"

#include "storage/formats/RecordParts.h"
#include "storage/text/LineReader.h"
#include "storage/text/SharedTexts.h"
#include "storage/text/Trim.h"

#include <array>

namespace {

constexpr int HeaderLines = 3;
constexpr int RecordLines = 14;

// Where each line of an old record goes in the current record; the three
// condition flags (lines 10 to 12) are folded into one field separately.
constexpr int TargetField[RecordLines] = {
    StampRecord::CatalogueNumber,
    StampRecord::Year,
    StampRecord::Category,
    StampRecord::Subject,
    StampRecord::Kind,
    StampRecord::Type,
    StampRecord::FaceValue,
    StampRecord::Depiction,
    StampRecord::Info,
    -1,
    -1,
    -1,
    StampRecord::CataloguePrice,
    StampRecord::OwnPrice,
};

// Hands the lines of each record that is taken to record(lines). A record
// whose first line is blank is skipped, and so is one cut off by the end of the
// file; one that lacks only its separator line at the very end is taken.
template <typename Record> void walkRecords(QByteArrayView body, Record record)
{
    LineReader lines(body);
    std::array<QByteArrayView, RecordLines> recordLines;
    while (true) {
        for (QByteArrayView &line : recordLines) {
            if (lines.atEnd())
                return;
            line = lines.next();
        }
        if (!lines.atEnd())
            lines.next(); // the separator line
        if (!isBlankLine(recordLines[0]))
            record(recordLines);
    }
}

} // namespace

namespace OldDataFile {

QString conditionFromFlags(const QString &mint, const QString &cancelled, const QString &firstDay)
{
    const QLatin1String set("True");
    // A later flag wins over an earlier one.
    if (firstDay == set)
        return QStringLiteral("1e dag envelop");
    if (cancelled == set)
        return QStringLiteral("Gestempeld");
    if (mint == set)
        return QStringLiteral("Postfris");
    return QStringLiteral("-");
}

std::vector<StampRecord> parse(QByteArrayView bytes)
{
    LineReader lines(bytes);
    for (int header = 0; header < HeaderLines; ++header) {
        if (lines.atEnd())
            return {};
        lines.next();
    }
    const QByteArrayView body(lines.position(), bytes.data() + bytes.size() - lines.position());
    return RecordParts::parse(
        body, RecordLines + 1,
        [](QByteArrayView part) {
            size_t count = 0;
            walkRecords(part, [&count](const std::array<QByteArrayView, RecordLines> &) { ++count; });
            return count;
        },
        [](QByteArrayView part, std::span<StampRecord> records) {
            std::array<SharedTexts, RecordLines> lineTexts;
            size_t filled = 0;
            walkRecords(part, [&](const std::array<QByteArrayView, RecordLines> &recordLines) {
                if (filled == records.size())
                    return;
                StampRecord &record = records[filled++];
                for (size_t line = 0; line < RecordLines; ++line) {
                    if (TargetField[line] >= 0)
                        record[TargetField[line]] = lineTexts[line].text(recordLines[line]);
                }
                record[StampRecord::Condition] =
                    conditionFromFlags(lineTexts[9].text(recordLines[9]), lineTexts[10].text(recordLines[10]),
                                       lineTexts[11].text(recordLines[11]));
            });
            return filled;
        });
}

} // namespace OldDataFile
