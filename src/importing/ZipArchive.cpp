#include "importing/ZipArchive.h"

#include "importing/ImportText.h"
#include "importing/ZipMemberDevice.h"

#include <QFile>

#include <zip.h>

namespace {

QString errorText(int code)
{
    zip_error_t error;
    zip_error_init_with_code(&error, code);
    const QString text = QString::fromUtf8(zip_error_strerror(&error));
    zip_error_fini(&error);
    return text;
}

} // namespace

ZipArchive::ZipArchive() = default;

ZipArchive::~ZipArchive()
{
    if (m_archive)
        zip_discard(m_archive);
}

bool ZipArchive::looksLikeZip(QByteArrayView start)
{
    return start.startsWith("PK\x03\x04") || start.startsWith("PK\x05\x06");
}

StorageResult ZipArchive::open(const QString &path)
{
    int error = 0;
    zip *archive = zip_open(QFile::encodeName(path).constData(), ZIP_RDONLY | ZIP_CHECKCONS, &error);
    return finishOpening(archive, error);
}

StorageResult ZipArchive::openBytes(const QByteArray &bytes)
{
    m_bytes = bytes;
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t *source =
        zip_source_buffer_create(m_bytes.constData(), static_cast<zip_uint64_t>(m_bytes.size()), 0, &error);
    zip *archive = source ? zip_open_from_source(source, ZIP_RDONLY | ZIP_CHECKCONS, &error) : nullptr;
    if (source && !archive)
        zip_source_free(source);
    const int code = zip_error_code_zip(&error);
    zip_error_fini(&error);
    return finishOpening(archive, code);
}

StorageResult ZipArchive::finishOpening(zip *archive, int error)
{
    if (!archive)
        return StorageResult::failure(
            ImportText::tr("het zip-archief is onvolledig of beschadigd (%1)").arg(errorText(error)));
    m_archive = archive;
    return StorageResult::success();
}

qint64 ZipArchive::indexOf(const QString &name) const
{
    if (!m_archive)
        return -1;
    return zip_name_locate(m_archive, name.toUtf8().constData(), 0);
}

bool ZipArchive::contains(const QString &name) const
{
    return indexOf(name) >= 0;
}

qint64 ZipArchive::size(const QString &name) const
{
    const qint64 index = indexOf(name);
    zip_stat_t stat;
    if (index < 0 || zip_stat_index(m_archive, static_cast<zip_uint64_t>(index), 0, &stat) != 0 ||
        !(stat.valid & ZIP_STAT_SIZE))
        return -1;
    return static_cast<qint64>(stat.size);
}

StorageResult ZipArchive::read(const QString &name, qint64 maxSize, QByteArray &bytes) const
{
    bytes.clear();
    const qint64 expected = size(name);
    if (expected > maxSize)
        return StorageResult::failure(
            ImportText::tr("'%1' is groter dan %2 MB").arg(name).arg(maxSize >> 20));
    StorageResult result;
    const std::unique_ptr<ZipMemberDevice> member = stream(name, result);
    if (!member)
        return result;
    // The size in the directory may lie; never more than the limit is read.
    bytes = member->read(maxSize + 1);
    if (member->damaged()) {
        bytes.clear();
        return StorageResult::failure(
            ImportText::tr("'%1' is beschadigd (%2)").arg(name, member->errorString()));
    }
    if (bytes.size() > maxSize) {
        bytes.clear();
        return StorageResult::failure(
            ImportText::tr("'%1' is groter dan %2 MB").arg(name).arg(maxSize >> 20));
    }
    return StorageResult::success();
}

std::unique_ptr<ZipMemberDevice> ZipArchive::stream(const QString &name, StorageResult &result) const
{
    const qint64 index = indexOf(name);
    zip_file_t *file = index < 0 ? nullptr : zip_fopen_index(m_archive, static_cast<zip_uint64_t>(index), 0);
    if (!file) {
        result =
            StorageResult::failure(index < 0 ? ImportText::tr("'%1' ontbreekt in het archief").arg(name)
                                             : ImportText::tr("'%1' kan niet worden gelezen (%2)")
                                                   .arg(name, QString::fromUtf8(zip_strerror(m_archive))));
        return nullptr;
    }
    result = StorageResult::success();
    return std::make_unique<ZipMemberDevice>(file);
}
