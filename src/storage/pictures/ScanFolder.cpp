#include "storage/pictures/ScanFolder.h"

#include "storage/StorageText.h"
#include "storage/pictures/PictureFiler.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QHash>
#include <QImageReader>
#include <QRegularExpression>
#include <QSet>

#include <algorithm>

namespace {

// One way of reading a file name: a catalogue number, and the year the name
// gives with it (empty when none).
struct Reading {
    QString number;
    QString year;
};

bool isStampYear(const QString &digits)
{
    const int year = digits.toInt();
    return year >= 1840 && year <= 2099;
}

// The ways a base name is read, in the order they are tried: the whole name;
// without a leading word of letters ("NVPH 123a"); without a year of four
// digits at its start or end ("1852_1", "1_1852"); without both. Words and
// years are set off by blanks, "_" or "-".
std::vector<Reading> readingsOf(const QString &baseName)
{
    static const QRegularExpression leadingWord(QStringLiteral("^\\p{L}+[ _-]+(.+)$"));
    static const QRegularExpression leadingYear(QStringLiteral("^(\\d{4})[ _-]+(.+)$"));
    static const QRegularExpression trailingYear(QStringLiteral("^(.+?)[ _-]+(\\d{4})$"));

    const Reading whole{baseName.trimmed(), {}};
    std::vector<Reading> readings{whole};
    const auto addWithoutWord = [&readings](const Reading &reading) {
        const QRegularExpressionMatch word = leadingWord.match(reading.number);
        if (word.hasMatch())
            readings.push_back({word.captured(1).trimmed(), reading.year});
    };
    addWithoutWord(whole);
    for (const auto &[pattern, yearGroup] : {std::pair{&leadingYear, 1}, std::pair{&trailingYear, 2}}) {
        const QRegularExpressionMatch year = pattern->match(whole.number);
        if (year.hasMatch() && isStampYear(year.captured(yearGroup))) {
            const Reading yearless{year.captured(3 - yearGroup).trimmed(), year.captured(yearGroup)};
            readings.push_back(yearless);
            addWithoutWord(yearless);
            break;
        }
    }
    return readings;
}

// The year of the nearest folder, from the file's own up to the scan folder
// itself, whose name holds a stamp year standing alone ("1852", "NVPH 1852 scans").
QString folderYear(const QString &scanFolder, const QString &file)
{
    static const QRegularExpression fourDigits(QStringLiteral("(?<!\\d)\\d{4}(?!\\d)"));
    const QString relative = QDir(scanFolder).relativeFilePath(QFileInfo(file).absolutePath());
    QStringList folders{QDir(scanFolder).dirName()};
    if (relative != QLatin1String("."))
        folders += relative.split(u'/');
    for (auto folder = folders.crbegin(); folder != folders.crend(); ++folder) {
        QString year;
        for (const QRegularExpressionMatch &digits : fourDigits.globalMatch(*folder)) {
            if (isStampYear(digits.captured()))
                year = digits.captured();
        }
        if (!year.isEmpty())
            return year;
    }
    return {};
}

// The image files below folder, without those of the collection folder (a
// scan folder may hold the program folder): the collection's own pictures are
// no scans of it.
QStringList imageFiles(const QString &folder, const QString &collectionFolder)
{
    const QString own = QFileInfo(collectionFolder).canonicalFilePath();
    QSet<QString> suffixes;
    for (const QByteArray &format : QImageReader::supportedImageFormats())
        suffixes.insert(QString::fromLatin1(format).toLower());
    QStringList files;
    QDirIterator entries(folder, QDir::Files, QDirIterator::Subdirectories);
    while (entries.hasNext()) {
        const QFileInfo file(entries.next());
        const QString resolved = file.canonicalFilePath();
        if (!own.isEmpty() && (resolved.startsWith(own + QLatin1Char('/')) || resolved == own))
            continue;
        if (suffixes.contains(file.suffix().toLower()))
            files.append(QDir::cleanPath(file.absoluteFilePath()));
    }
    std::sort(files.begin(), files.end(), [](const QString &left, const QString &right) {
        const int ignoringCase = left.compare(right, Qt::CaseInsensitive);
        return ignoringCase != 0 ? ignoringCase < 0 : left < right;
    });
    return files;
}

QString numberKey(const QString &number)
{
    return number.trimmed().toCaseFolded();
}

} // namespace

// Matching, file by file:
// 1. Only files whose suffix names a format Qt reads count; the base name
//    (without the last suffix) is read as in readingsOf, and the first reading
//    whose number equals a record's catalogue number (both without surrounding
//    blanks, letter case ignored) gives the candidate records.
// 2. Records that share one picture file (same year and number) count as one.
//    When several remain, the year of that reading, else of the nearest folder
//    (folderYear), keeps those of that year; one left is the match. A year
//    never overrules a number that only one record has.
// 3. No reading finds a record: NoRecord. Several records left, or a record
//    whose picture cannot be filed: Conflict without a row. Several files for
//    one record: each is a Conflict with that row. Otherwise New or Replaces.
std::vector<ScanFolder::Match> ScanFolder::match(const QString &folder, RecordSpan records,
                                                 const PictureFiler &filer)
{
    QHash<QString, std::vector<int>> rowsByNumber;
    for (int row = 0; row < int(records.size()); ++row) {
        const QString key = numberKey(records[size_t(row)][StampRecord::CatalogueNumber]);
        if (!key.isEmpty())
            rowsByNumber[key].push_back(row);
    }
    const auto targetOf = [&](int row) {
        QString path;
        return filer.target(records[size_t(row)], path) ? path : QStringLiteral("#%1").arg(row);
    };
    const auto targetsOf = [&](const std::vector<int> &rows) {
        QSet<QString> targets;
        for (int row : rows)
            targets.insert(targetOf(row));
        return targets;
    };

    std::vector<Match> matches;
    QHash<QString, std::vector<size_t>> matchesByTarget;
    for (const QString &file : imageFiles(folder, filer.programFolder().collectionFolder())) {
        Match match{file, -1, Action::NoRecord, {}, {}};
        std::vector<int> rows;
        QString year;
        for (const Reading &reading : readingsOf(QFileInfo(file).completeBaseName())) {
            const auto found = rowsByNumber.constFind(numberKey(reading.number));
            if (found != rowsByNumber.constEnd()) {
                rows = found.value();
                year = reading.year.isEmpty() ? folderYear(folder, file) : reading.year;
                break;
            }
        }
        QSet<QString> targets = targetsOf(rows);
        if (targets.size() > 1 && !year.isEmpty()) {
            std::vector<int> ofYear;
            std::copy_if(rows.begin(), rows.end(), std::back_inserter(ofYear),
                         [&](int row) { return records[size_t(row)][StampRecord::Year].trimmed() == year; });
            if (!ofYear.empty()) {
                rows = std::move(ofYear);
                targets = targetsOf(rows);
            }
        }

        QString target;
        if (rows.empty()) {
            match.action = Action::NoRecord;
        } else if (targets.size() > 1) {
            match.action = Action::Conflict;
            match.candidates = rows;
            match.reason = StorageText::tr("Dit catalogusnummer hoort bij %1 records.").arg(rows.size());
        } else if (const StorageResult usable = filer.target(records[size_t(rows.front())], target);
                   !usable) {
            match.action = Action::Conflict;
            match.candidates = rows;
            match.reason = usable.reason;
        } else {
            match.row = rows.front();
            match.candidates = {match.row};
            const QFileInfo existing(target);
            match.action = existing.exists() || existing.isSymLink() ? Action::Replaces : Action::New;
            matchesByTarget[target].push_back(matches.size());
        }
        matches.push_back(match);
    }

    for (const std::vector<size_t> &sameRecord : std::as_const(matchesByTarget)) {
        if (sameRecord.size() < 2)
            continue;
        for (size_t index : sameRecord) {
            matches[index].action = Action::Conflict;
            matches[index].reason =
                StorageText::tr("%1 bestanden horen bij dit record.").arg(sameRecord.size());
        }
    }
    return matches;
}

ScanFolder::Outcome ScanFolder::file(const std::vector<Match> &chosen, RecordSpan records,
                                     const PictureFiler &filer, const Progress &progress)
{
    Outcome outcome;
    // A record receives one file per import: a second one would replace the first.
    QSet<int> filedRows;
    const int total = int(chosen.size());
    for (int done = 0; done < total;) {
        const Match &match = chosen[size_t(done)];
        const QString name = QDir::toNativeSeparators(match.file);
        if (match.row < 0 || match.row >= int(records.size())) {
            outcome.failures.append(StorageText::tr("%1: geen record").arg(name));
        } else if (!match.canBeChosen()) {
            outcome.failures.append(StorageText::tr("%1: conflict; %2").arg(name, match.reason));
        } else if (filedRows.contains(match.row)) {
            outcome.failures.append(StorageText::tr("%1: dit record kreeg al een afbeelding").arg(name));
        } else {
            const auto existing = match.action == Action::Replaces ? PictureFiler::Existing::Replace
                                                                   : PictureFiler::Existing::Keep;
            const StorageResult filed = filer.fileFromFile(match.file, records[size_t(match.row)], existing);
            if (filed) {
                ++outcome.filed;
                filedRows.insert(match.row);
            } else {
                outcome.failures.append(StorageText::tr("%1: %2").arg(name, filed.reason));
            }
        }
        ++done;
        if (progress && !progress(done, total))
            break;
    }
    return outcome;
}
