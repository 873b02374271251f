#include "common/TellicoSample.h"

#include <QBuffer>
#include <QFile>
#include <QImage>

#include <zip.h>

namespace TellicoSample {

QByteArray document(const QByteArray &title, const QByteArray &type, const QByteArray &body)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!DOCTYPE tellico>\n"
           "<tellico xmlns=\"http://periapsis.org/tellico/\" syntaxVersion=\"11\">\n"
           " <collection title=\"" +
           title + "\" type=\"" + type + "\">\n" + body + " </collection>\n</tellico>\n";
}

bool writeZip(const QString &path, const QByteArray &xml,
              const std::vector<std::pair<QString, QByteArray>> &pictures)
{
    int error = 0;
    zip *archive = zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    if (!archive)
        return false;
    // libzip reads the buffers when the archive is closed.
    std::vector<std::pair<QByteArray, QByteArray>> members{{"tellico.xml", xml}};
    for (const auto &[id, data] : pictures)
        members.emplace_back("images/" + id.toUtf8(), data);
    bool added = true;
    for (const auto &[name, data] : members) {
        zip_source_t *source =
            zip_source_buffer(archive, data.constData(), static_cast<zip_uint64_t>(data.size()), 0);
        if (!source || zip_file_add(archive, name.constData(), source, ZIP_FL_OVERWRITE) < 0) {
            zip_source_free(source);
            added = false;
        }
    }
    if (!added) {
        zip_discard(archive);
        return false;
    }
    return zip_close(archive) == 0;
}

QByteArray picture(const QColor &colour, const char *format)
{
    QImage image(24, 16, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

} // namespace TellicoSample
