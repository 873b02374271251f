#pragma once

#include "storage/StampRecord.h"
#include "storage/StorageResult.h"
#include "storage/folder/ProgramFolder.h"

#include <QByteArray>
#include <QImage>
#include <QString>

// Puts a record's picture where the window looks for it
// (ProgramFolder::picturePath: Verzameling/<collection>/<year>/<number>.jpg,
// existing folders and an existing picture reused whatever their letter case).
// A JPEG that is upright is copied byte for byte; anything else Qt reads is
// turned upright and written as JPEG. The file is written whole or not at all,
// and an existing picture is replaced only when the caller says so; the old one
// is kept first (KeptPictures), and a picture that is a link is replaced by a
// file of the record's own. Nothing is written outside the collection's picture
// folder, and a JPEG that is cut off is refused.
class PictureFiler {
public:
    enum class Existing { Keep, Replace };

    PictureFiler(const ProgramFolder &folder, const QString &collectionName);

    // Where the record's picture is or goes. Fails, with a reason for the user,
    // for a collection without a (valid) name and for a record whose year or
    // catalogue number is blank or cannot be a file name.
    StorageResult target(const StampRecord &record, QString &path) const;
    // True when the record has a picture to replace (a refused record has none).
    bool hasPicture(const StampRecord &record) const;

    // The picture from an image file of any format Qt reads.
    StorageResult fileFromFile(const QString &imageFile, const StampRecord &record, Existing existing) const;
    // The picture from encoded image data (a file's bytes, or the clipboard's).
    StorageResult fileFromData(const QByteArray &imageData, const StampRecord &record,
                               Existing existing) const;
    // The picture from decoded image data (the clipboard's image).
    StorageResult fileFromImage(const QImage &image, const StampRecord &record, Existing existing) const;

    static constexpr int JpegQuality = 92;
    // What an image reader may allocate for one picture: a 45 megapixel photo
    // and far more, where Qt's own limit refuses such a photo.
    static constexpr int LargestPictureMegabytes = 1024;
    // Raises the image readers' limit to LargestPictureMegabytes (it is
    // process-wide), so that what the filer takes is shown and printed too.
    static void allowLargePictures();

    const ProgramFolder &programFolder() const { return m_folder; }

private:
    // Writes the JPEG bytes to the record's picture file.
    StorageResult write(const StampRecord &record, Existing existing, const QByteArray &jpeg) const;
    bool staysInPictureFolder(const QString &yearFolder) const;

    ProgramFolder m_folder;
    QString m_collectionName;
};
