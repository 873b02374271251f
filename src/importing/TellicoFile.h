#pragma once

#include "importing/ZipArchive.h"
#include "storage/StorageResult.h"

#include <QByteArray>
#include <QSet>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <utility>
#include <vector>

class QIODevice;
class QXmlStreamReader;

// A collection file of Tellico: a zip archive (tellico.xml and images/<id>) or
// plain XML, whose pictures lie in a folder <name>_files beside it or are held
// in the XML as base64 data. The XML is read as a stream, entry by entry, so
// memory does not grow with the file; pictures are read one at a time when
// asked for. Only stamp collections are read.
class TellicoFile {
public:
    // The collection type Tellico gives a stamp collection.
    static constexpr QLatin1String StampCollectionType{"9"};
    // A picture larger than this is refused unread.
    static constexpr qint64 MaxPictureSize = qint64(64) * 1024 * 1024;

    struct Field {
        QString name;
        QString title;
    };
    struct Collection {
        QString title;
        // Empty when the file lists only "_default": the standard fields.
        std::vector<Field> fields;
    };
    struct Entry {
        // Field name and text, in the order written; a field with several values
        // (the years) gives a pair for each, a date one pair "year-month-day".
        // A line break (<br/>) is a '\n'.
        std::vector<std::pair<QString, QString>> values;

        QString value(QStringView name) const;
        QStringList all(QStringView name) const;
    };
    struct Handler {
        // Once, before the first entry: the collection's title and fields.
        std::function<void(const Collection &)> started;
        // Each entry in turn; false stops reading.
        std::function<bool(const Entry &)> entry;
        // The id of each picture held as data in the XML.
        std::function<void(const QString &id)> embeddedPicture;
        // Now and then, the part of the file read (0 to 1); false stops reading.
        std::function<bool(double done)> progress;
    };

    TellicoFile();
    ~TellicoFile();
    TellicoFile(const TellicoFile &) = delete;
    TellicoFile &operator=(const TellicoFile &) = delete;

    // Refuses what is neither a zip archive holding tellico.xml nor XML.
    StorageResult open(const QString &path);
    // The same from bytes in memory; a plain XML file then has no picture folder.
    StorageResult openBytes(const QByteArray &bytes);

    // Reads the collection. Refuses another type of collection (naming it),
    // broken XML (with its line), a damaged archive, and picture ids that would
    // lead out of the archive or the picture folder.
    StorageResult read(const Handler &handler) const;
    // True when the picture is in the archive or in the picture folder.
    bool hasPictureFile(const QString &id) const;
    // The picture from the archive or the picture folder.
    StorageResult readPictureFile(const QString &id, QByteArray &data) const;
    // A second pass over the XML for the pictures held in it: take is given the
    // decoded data of each id in wanted, one at a time; false from take stops.
    StorageResult
    readEmbeddedPictures(const QSet<QString> &wanted,
                         const std::function<bool(const QString &id, const QByteArray &data)> &take) const;

    // A picture id is a plain file name: no path separator, not "." or "..".
    static bool isSafePictureId(const QString &id);

private:
    std::unique_ptr<QIODevice> openXml(StorageResult &result, qint64 &size) const;
    StorageResult xmlError(const QXmlStreamReader &xml, const QIODevice &device) const;
    QString pictureFilePath(const QString &id) const;

    QString m_path;
    QByteArray m_bytes; // openBytes: the plain XML
    std::unique_ptr<ZipArchive> m_zip;
    QString m_pictureFolder; // plain XML on disk: <name>_files beside it
};
