#pragma once

#include "storage/folder/ProgramFolder.h"

#include <QTemporaryDir>

// A program folder holding the sample collection "Proef" of one size, as a
// collection file and as its old-format twin. Made once per size and kept for
// the whole run.
class SampleFolder {
public:
    static const QString Name;

    explicit SampleFolder(int count);

    const ProgramFolder &folder() const { return m_folder; }
    QString collectionFile() const { return m_folder.collectionFile(Name); }
    qint64 fileSize() const;

    static SampleFolder &of(int count);

private:
    QTemporaryDir m_dir;
    ProgramFolder m_folder;
};
