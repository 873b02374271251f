#include "storage/PictureFiler.h"

#include "storage/CollectionName.h"
#include "storage/TextFile.h"
#include "storage/Trim.h"

#include <QBuffer>
#include <QDir>
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
        return StorageResult::failure(QStringLiteral("Afbeelding kon niet als JPEG worden opgeslagen: ") +
                                      writer.errorString());
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
    const QString &year = record[StampRecord::Year];
    const QString &number = record[StampRecord::CatalogueNumber];
    if (m_collectionName.isEmpty())
        return StorageResult::failure(
            QStringLiteral("De verzameling heeft nog geen naam; sla haar eerst op."));
    if (!CollectionName::isValid(m_collectionName))
        return StorageResult::failure(
            QStringLiteral("Ongeldige naam voor een verzameling: '%1'").arg(m_collectionName));
    if (isBlank(year))
        return StorageResult::failure(QStringLiteral("Dit record heeft geen jaartal."));
    if (isBlank(number))
        return StorageResult::failure(QStringLiteral("Dit record heeft geen catalogusnummer."));
    // Year and number become a folder and a file name beside the collection's
    // own, so they obey the same rule as a collection name: no separator, no
    // character Windows forbids, not "." or "..". The window's own lookup
    // (picturePath) refuses a subset of these.
    if (!CollectionName::isValid(year))
        return StorageResult::failure(QStringLiteral("Het jaartal '%1' kan geen mapnaam zijn.").arg(year));
    if (!CollectionName::isValid(number))
        return StorageResult::failure(
            QStringLiteral("Het catalogusnummer '%1' kan geen bestandsnaam zijn.").arg(number));
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
        return StorageResult::failure(QStringLiteral("'%1' kon niet worden gelezen: %2")
                                          .arg(QDir::toNativeSeparators(imageFile), result.reason));
    return fileFromData(bytes, record, existing);
}

StorageResult PictureFiler::fileFromData(const QByteArray &imageData, const StampRecord &record,
                                         Existing existing) const
{
    QBuffer buffer;
    buffer.setData(imageData);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    reader.setAutoTransform(true);
    // Asked before reading: the answer comes from the file's header.
    const bool uprightJpeg =
        reader.format() == "jpeg" && reader.transformation() == QImageIOHandler::TransformationNone;
    // Decoded even when copied, so that a damaged file is never filed.
    const QImage image = reader.read();
    if (image.isNull())
        return StorageResult::failure(QStringLiteral("Dit is geen afbeelding die het programma kan lezen."));
    return uprightJpeg ? write(record, existing, imageData) : fileFromImage(image, record, existing);
}

StorageResult PictureFiler::fileFromImage(const QImage &image, const StampRecord &record,
                                          Existing existing) const
{
    if (image.isNull())
        return StorageResult::failure(QStringLiteral("Er is geen afbeelding."));
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
    if ((file.exists() || file.isSymLink()) && existing == Existing::Keep)
        return StorageResult::failure(QStringLiteral("Dit record heeft al een afbeelding: ") +
                                      QDir::toNativeSeparators(path));
    const QString yearFolder = file.absolutePath();
    if (!QDir().mkpath(yearFolder))
        return StorageResult::failure(
            QStringLiteral("Map '%1' kon niet worden gemaakt.").arg(QDir::toNativeSeparators(yearFolder)));
    if (!staysInPictureFolder(path))
        return StorageResult::failure(QStringLiteral("'%1' ligt buiten de map van de verzameling.")
                                          .arg(QDir::toNativeSeparators(path)));
    result = TextFile::writeBytes(path, jpeg);
    if (!result)
        return StorageResult::failure(QStringLiteral("Afbeelding kon niet worden opgeslagen: ") +
                                      result.reason);
    return result;
}

bool PictureFiler::staysInPictureFolder(const QString &path) const
{
    // A year folder or an old picture may be a link; what it leads to must lie
    // in the picture folder too, since the file is written through the link.
    const QString root = QFileInfo(m_folder.pictureFolder(m_collectionName)).canonicalFilePath();
    const QFileInfo file(path);
    const QString resolved = file.exists() || file.isSymLink()
                                 ? file.canonicalFilePath()
                                 : QFileInfo(file.absolutePath()).canonicalFilePath();
    return !root.isEmpty() && resolved.startsWith(root + QLatin1Char('/'));
}
