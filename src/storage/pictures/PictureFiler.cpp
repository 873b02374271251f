#include "storage/pictures/PictureFiler.h"

#include "storage/StorageText.h"
#include "storage/folder/CollectionName.h"
#include "storage/folder/TextFile.h"
#include "storage/keeping/KeptPictures.h"
#include "storage/pictures/JpegDecodeCheck.h"
#include "storage/pictures/JpegStructure.h"
#include "storage/text/Trim.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>

namespace {

// JPEG holds no transparency: a transparent background becomes white, as on
// the page the stamp was cut from, rather than black.
QImage withoutTransparency(const QImage &image)
{
    if (!image.hasAlphaChannel())
        return image;
    QImage opaque(image.size(), QImage::Format_RGB32);
    opaque.setDevicePixelRatio(image.devicePixelRatio());
    opaque.fill(Qt::white);
    QPainter painter(&opaque);
    painter.drawImage(0, 0, image);
    return opaque;
}

StorageResult encodeJpeg(const QImage &image, QByteArray &jpeg)
{
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(PictureFiler::JpegQuality);
    if (!writer.write(withoutTransparency(image)))
        return StorageResult::failure(
            StorageText::tr("Afbeelding kon niet als JPEG worden opgeslagen: %1").arg(writer.errorString()));
    return StorageResult::success();
}

} // namespace

PictureFiler::PictureFiler(const ProgramFolder &folder, const QString &collectionName)
    : m_folder(folder)
    , m_collectionName(collectionName)
{}

StorageResult PictureFiler::target(const StampRecord &record, QString &path) const
{
    path.clear();
    // The year as the collection file stores it, so the picture is found
    // again after the next open.
    const QString year = trimSpaces(record[StampRecord::Year]);
    const QString &number = record[StampRecord::CatalogueNumber];
    if (m_collectionName.isEmpty())
        return StorageResult::failure(
            StorageText::tr("De verzameling heeft nog geen naam; sla haar eerst op."));
    if (!CollectionName::isValid(m_collectionName))
        return StorageResult::failure(
            StorageText::tr("Ongeldige naam voor een verzameling: '%1'").arg(m_collectionName));
    if (isBlank(year))
        return StorageResult::failure(StorageText::tr("Dit record heeft geen jaartal."));
    if (isBlank(number))
        return StorageResult::failure(StorageText::tr("Dit record heeft geen catalogusnummer."));
    // Year and number become a folder and a file name beside the collection's
    // own, so they obey the same rule as a collection name: no separator, no
    // character Windows forbids, not "." or "..". The window's own lookup
    // (picturePath) refuses a subset of these.
    if (!CollectionName::isValid(year))
        return StorageResult::failure(StorageText::tr("Het jaartal '%1' kan geen mapnaam zijn.").arg(year));
    if (!CollectionName::isValid(number))
        return StorageResult::failure(
            StorageText::tr("Het catalogusnummer '%1' kan geen bestandsnaam zijn.").arg(number));
    path = m_folder.picturePath(m_collectionName, year, number);
    return StorageResult::success();
}

bool PictureFiler::hasPicture(const StampRecord &record) const
{
    QString path;
    if (!target(record, path))
        return false;
    const QFileInfo file(path);
    return file.exists() || file.isSymLink();
}

StorageResult PictureFiler::fileFromFile(const QString &imageFile, const StampRecord &record,
                                         Existing existing) const
{
    // A refused record is told before the file is read.
    QString path;
    StorageResult result = target(record, path);
    if (!result)
        return result;
    QByteArray bytes;
    result = TextFile::readBytes(imageFile, bytes);
    if (!result)
        return StorageResult::failure(StorageText::tr("'%1' kon niet worden gelezen: %2")
                                          .arg(QDir::toNativeSeparators(imageFile), result.reason));
    return fileFromData(bytes, record, existing);
}

void PictureFiler::allowLargePictures()
{
    if (QImageReader::allocationLimit() < LargestPictureMegabytes)
        QImageReader::setAllocationLimit(LargestPictureMegabytes);
}

StorageResult PictureFiler::fileFromData(const QByteArray &imageData, const StampRecord &record,
                                         Existing existing) const
{
    // The decoder fills a cut-off JPEG with grey without failing; asked before
    // the reader sees the file, which would warn about it.
    const bool jpeg = imageData.startsWith("\xFF\xD8\xFF");
    const StorageResult damaged =
        StorageResult::failure(StorageText::tr("Dit JPEG-bestand is beschadigd of onvolledig."));
    if (jpeg && !JpegStructure::isComplete(imageData))
        return damaged;
    allowLargePictures();
    QBuffer buffer;
    buffer.setData(imageData);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    reader.setAutoTransform(true);
    // Asked before reading: the answers come from the file's header.
    const bool uprightJpeg =
        reader.format() == "jpeg" && reader.transformation() == QImageIOHandler::TransformationNone;
    const QSize size = reader.size();
    if (size.isValid() && qint64(size.width()) * size.height() * 4 > qint64(LargestPictureMegabytes) << 20)
        return StorageResult::failure(
            StorageText::tr("Deze afbeelding is te groot: %1 x %2 beeldpunten (het programma leest tot %3 "
                            "miljoen beeldpunten).")
                .arg(size.width())
                .arg(size.height())
                .arg((qint64(LargestPictureMegabytes) << 20) / 4 / 1000000));
    // Damage inside the compressed data is reported after the size, the truer
    // reason for a picture that is both.
    if (jpeg && !JpegDecodeCheck::decodesCleanly(imageData))
        return damaged;
    // Decoded even when copied, so that a damaged file is never filed.
    const QImage image = reader.read();
    if (image.isNull())
        return StorageResult::failure(StorageText::tr("Dit is geen afbeelding die het programma kan lezen."));
    return uprightJpeg ? write(record, existing, imageData) : fileFromImage(image, record, existing);
}

StorageResult PictureFiler::fileFromImage(const QImage &image, const StampRecord &record,
                                          Existing existing) const
{
    if (image.isNull())
        return StorageResult::failure(StorageText::tr("Er is geen afbeelding."));
    QByteArray jpeg;
    const StorageResult encoded = encodeJpeg(image, jpeg);
    return encoded ? write(record, existing, jpeg) : encoded;
}

StorageResult PictureFiler::write(const StampRecord &record, Existing existing, const QByteArray &jpeg) const
{
    QString path;
    StorageResult result = target(record, path);
    if (!result)
        return result;
    const QFileInfo file(path);
    const bool exists = file.exists() || file.isSymLink();
    if (exists && existing == Existing::Keep)
        return StorageResult::failure(
            StorageText::tr("Dit record heeft al een afbeelding: %1").arg(QDir::toNativeSeparators(path)));
    const QString yearFolder = file.absolutePath();
    if (!QDir().mkpath(yearFolder))
        return StorageResult::failure(
            StorageText::tr("Map '%1' kon niet worden gemaakt.").arg(QDir::toNativeSeparators(yearFolder)));
    if (!staysInPictureFolder(yearFolder))
        return StorageResult::failure(StorageText::tr("'%1' ligt buiten de map van de verzameling.")
                                          .arg(QDir::toNativeSeparators(path)));
    if (file.isSymLink()) {
        // A link may lead to another record's picture: the link goes, its
        // target stays as it is, and the record gets a file of its own.
        if (!QFile::remove(path))
            return StorageResult::failure(StorageText::tr("Koppeling '%1' kon niet worden verwijderd.")
                                              .arg(QDir::toNativeSeparators(path)));
    } else if (exists) {
        result = KeptPictures(m_folder, m_collectionName)
                     .keep(path, QFileInfo(yearFolder).fileName(), file.completeBaseName());
        if (!result)
            return result;
    }
    result = TextFile::writeBytes(path, jpeg);
    if (!result)
        return StorageResult::failure(
            StorageText::tr("Afbeelding kon niet worden opgeslagen: %1").arg(result.reason));
    return result;
}

bool PictureFiler::staysInPictureFolder(const QString &yearFolder) const
{
    // The year folder may be a link; what it leads to must lie in the picture
    // folder too, since the file is written into it.
    const QString root = QFileInfo(m_folder.pictureFolder(m_collectionName)).canonicalFilePath();
    const QString resolved = QFileInfo(yearFolder).canonicalFilePath();
    return !root.isEmpty() && resolved.startsWith(root + QLatin1Char('/'));
}
