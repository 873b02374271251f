#pragma once

#include "storage/folder/ProgramFolder.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// A temporary program folder with empty Verzameling/ and Data/ folders, and
// helpers that write and read files by their exact bytes.
class TestFolder {
public:
    TestFolder();

    const ProgramFolder &folder() const { return m_folder; }
    QString path(const QString &relative) const;

    void write(const QString &relative, const QByteArray &bytes) const;
    QByteArray read(const QString &relative) const;
    bool exists(const QString &relative) const;

private:
    QTemporaryDir m_dir;
    ProgramFolder m_folder;
};

// Lines joined with CR LF after each, in Windows-1252.
QByteArray crlf(const QStringList &lines);
