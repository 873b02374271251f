#include "storage/OldDataFile.h"

#include "storage/LineReader.h"
#include "storage/ProgramFolder.h"
#include "storage/RecordList.h"
#include "storage/SharedTexts.h"
#include "storage/TextFile.h"
#include "storage/Trim.h"

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
    std::vector<StampRecord> records;
    LineReader lines(bytes);
    for (int header = 0; header < HeaderLines; ++header) {
        if (lines.atEnd())
            return records;
        lines.next();
    }
    std::array<SharedTexts, RecordLines> lineTexts;
    std::array<QByteArrayView, RecordLines> recordLines;
    while (true) {
        // A record cut off by the end of the file is not taken; one that lacks
        // only its separator line at the very end is.
        for (QByteArrayView &line : recordLines) {
            if (lines.atEnd())
                return records;
            line = lines.next();
        }
        if (!lines.atEnd())
            lines.next(); // the separator line
        if (isBlank(lineTexts[0].text(recordLines[0])))
            continue;
        StampRecord record;
        for (size_t line = 0; line < RecordLines; ++line) {
            if (TargetField[line] >= 0)
                record[TargetField[line]] = lineTexts[line].text(recordLines[line]);
        }
        record[StampRecord::Condition] =
            conditionFromFlags(lineTexts[9].text(recordLines[9]), lineTexts[10].text(recordLines[10]),
                               lineTexts[11].text(recordLines[11]));
        records.push_back(std::move(record));
    }
}

} // namespace OldDataFile

StorageResult ImportOldData(const ProgramFolder &folder, const QString &name, RecordList &list)
{
    list.clear();
    QByteArray bytes;
    const StorageResult read = TextFile::readBytes(folder.oldDataFile(name), bytes);
    if (read)
        list.assign(OldDataFile::parse(bytes));
    return read;
}
