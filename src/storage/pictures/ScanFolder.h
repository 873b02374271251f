#pragma once

#include "storage/StampRecord.h"
#include "storage/StorageResult.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

class PictureFiler;

// A folder of scans named after catalogue numbers, matched to the records of a
// collection before anything is copied, then filed with PictureFiler.
class ScanFolder {
public:
    enum class Action {
        New,      // the record has no picture yet
        Replaces, // the record's picture would be replaced
        Conflict, // no single record, or several files for one record
        NoRecord, // no record has this catalogue number
    };

    struct Match {
        QString file; // absolute path
        int row = -1; // the record filed for when chosen; -1 when there is none
        Action action = Action::NoRecord;
        // For a conflict of several records, their rows; for several files,
        // the one record; else empty or the matched row.
        std::vector<int> candidates;
        QString reason; // why a conflict is one, for the user

        // What the user is offered ticked: only new pictures.
        bool tickedByDefault() const { return action == Action::New; }
        // What the user may tick: a conflict or a file without record never.
        bool canBeChosen() const { return action == Action::New || action == Action::Replaces; }
    };

    struct [[nodiscard]] Outcome {
        int filed = 0;
        QStringList failures; // "file: reason", one a file
    };

    // Called after each file with the number done and the total; returning
    // false stops before the next file.
    using Progress = std::function<bool(int done, int total)>;

    // The image files below folder (sub-folders included, hidden entries,
    // linked folders and the collection folder not), in path order, each with
    // its record and action.
    static std::vector<Match> match(const QString &folder, RecordSpan records, const PictureFiler &filer);
    // Files the chosen matches: a picture that exists is replaced only for a
    // match shown as Replaces. Conflicts, matches without a record and a
    // second file for one record are skipped, each with a reason.
    static Outcome file(const std::vector<Match> &chosen, RecordSpan records, const PictureFiler &filer,
                        const Progress &progress = {});
};
