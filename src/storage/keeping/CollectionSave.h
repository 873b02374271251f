#pragma once

#include "storage/StampRecord.h"
#include "storage/StorageResult.h"
#include "storage/folder/FileFingerprint.h"
#include "storage/folder/ProgramFolder.h"

class CatalogueEntries;
class CollectionFiles;

#include <QString>

#include <optional>
#include <vector>

// Saving a collection as one exclusive step: under the collection's lock, the
// file about to be replaced is kept as a version, then the records are written
// to Verzameling/<name>.col, replacing it atomically. Two programs saving the
// same collection at once take turns, so every state either stays the file or
// becomes a version.
class CollectionSave {
public:
    // Why a save wrote nothing.
    enum class Stop {
        None,             // written
        ChangedElsewhere, // the file was not as the caller expected it
        VersionNotKept,   // the file it replaces could not be kept as a version
        Failed,           // anything else: an invalid name, the lock, the write
    };

    struct [[nodiscard]] Result : StorageResult {
        Stop stop = Stop::None;
    };

    struct Conditions {
        // When set, the file is written only while it is still as it was then
        // (a null fingerprint: there was no file). The comparison is made
        // under the lock, right before writing.
        std::optional<FileFingerprint> fileAsBefore;
        // False: the collector agreed to save without keeping a version.
        bool keepVersion = true;
    };

    explicit CollectionSave(const CollectionFiles &collection);

    // The fingerprint of what was written goes to written when asked for.
    // The catalogue numbers are written after the records when given.
    Result write(RecordSpan records, const Conditions &conditions, FileFingerprint *written = nullptr,
                 const CatalogueEntries *entries = nullptr) const;

    // What the file to be written is now, for Conditions::fileAsBefore; a null
    // fingerprint when there is none.
    FileFingerprint fileNow() const;

private:
    ProgramFolder m_folder;
    QString m_name;
    QString m_file;
    QString m_lockFile;
    QString m_catalogueFile;
};
