#pragma once

#include "storage/StorageResult.h"

#include <QDir>
#include <QString>
#include <QStringList>

// The folder that holds Tessaron2.ini, Verzameling/ and Data/. Every path of the
// program is built from it, never from the working folder. Path components are
// matched without regard to letter case, so "Data" and "data" are one folder
// on a case-sensitive file system too.
class ProgramFolder {
public:
    ProgramFolder() = default;
    explicit ProgramFolder(const QString &root);

    // --home DIR, else $TESSARON2_HOME, else the folder of the executable when
    // it holds a Verzameling folder (a portable copy), else Tessaron2 in the
    // home folder. That last one is filled from the shipped data on first
    // start, when it does not exist yet; nothing is ever overwritten.
    // Removes "--home DIR" from arguments when present.
    static ProgramFolder fromCommandLine(QStringList &arguments, const QString &executableFolder,
                                         const QString &homeFolder = QDir::homePath());
    // The shared data an installation keeps for new program folders (Data/ and
    // the demo Verzameling/), found relative to the executable so that a moved
    // installation still finds its own.
    static QString installedData(const QString &executableFolder);
    // The data new program folders are filled from: the installed data, or
    // for a program run from its build folder, the data that build assembled.
    static QString shippedData(const QString &executableFolder);

    // A program folder holds Verzameling or Data; a folder with neither was
    // most likely named by mistake.
    bool holdsProgramData() const;
    // Copies Data/ and Verzameling/ of the shipped data where this folder has
    // no such folder (in any letter case); creates the folder when missing.
    // What exists is never touched.
    StorageResult fillFrom(const QString &shippedData) const;

    const QString &root() const { return m_root; }

    // root + the given components, each matched case-insensitively against what
    // exists; a component that does not exist is used as given.
    QString path(const QStringList &components) const;

    QString settingsFile() const;                      // Tessaron2.ini
    QString languageFile() const;                      // Tessaron2.taal, beside the fixed settings
    QString slideshowPage() const;                     // Slideshow.htm
    QString collectionFolder() const;                  // Verzameling
    QString dataFolder() const;                        // Data
    QString dataFile(const QString &fileName) const;   // Data/<file>
    QString collectionFile(const QString &name) const; // Verzameling/<name>.col
    QString oldDataFile(const QString &name) const;    // Verzameling/<name>.cat
    QString pictureFolder(const QString &name) const;  // Verzameling/<name>
    QString yearFolder(const QString &name, const QString &year) const;
    // The help document for a run in that language ("nl", "en", "de"):
    // Data/help.<language>.pdf, else Data/help.en.pdf, else Data/help.pdf, the
    // Dutch one, which is also Dutch's own.
    QString helpFile(const QString &language) const;
    // Verzameling/<name>/<year>/<catalogueNumber>.jpg, texts used untrimmed.
    // Empty when the texts would lead out of the picture folder (a name, year
    // or number holding "/" or being "." or "..", an empty name), as they may
    // in a damaged or hostile collection file.
    QString picturePath(const QString &name, const QString &year, const QString &catalogueNumber) const;
    // False for a year or catalogue number that would lead out of its folder.
    static bool staysInside(const QString &component);
    // Whether Verzameling/<name> can be read as the picture folder of a loaded
    // collection: the window, the album and the picture check agree. A name
    // refused for a new collection but harmless to read (a leading dot, from a
    // file's name line) still finds its pictures.
    static bool namesPictureFolder(const QString &name);

private:
    QString m_root;
};
