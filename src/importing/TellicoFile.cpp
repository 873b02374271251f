#include "importing/TellicoFile.h"

#include "importing/ImportText.h"
#include "importing/ZipMemberDevice.h"
#include "storage/folder/TextFile.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QXmlStreamReader>

namespace {

const QString XmlMember = QStringLiteral("tellico.xml");
// Fields nest one level (years > year); anything deeper is skipped, so a
// hostile file cannot nest its way into deep recursion.
constexpr int MaxValueDepth = 3;
constexpr int EntriesPerProgress = 256;

QString archiveMember(const QString &id)
{
    return QStringLiteral("images/") + id;
}

StorageResult unsafeId(const QString &id)
{
    return StorageResult::failure(
        ImportText::tr("de afbeelding '%1' verwijst naar een plaats buiten het bestand").arg(id));
}

// One child element of an entry, from its start to its end: its text, with
// <br/> as a line break, as a pair. A field with several values is written as
// a plural holding one element per value (years > year): each gives a pair of
// its own. Any other element holding elements (a date: year, month, day) is
// one value, its parts joined with '-', so the year of when an entry was made
// (cdate) is never taken for a year of issue.
void readValue(QXmlStreamReader &xml, TellicoFile::Entry &entry, int depth)
{
    const QString name = xml.name().toString();
    QString text;
    QStringList parts;
    bool plural = false;
    while (!xml.atEnd()) {
        const QXmlStreamReader::TokenType token = xml.readNext();
        if (token == QXmlStreamReader::Characters) {
            text += xml.text();
        } else if (token == QXmlStreamReader::StartElement) {
            if (xml.name() == QLatin1String("br")) {
                text += u'\n';
                xml.skipCurrentElement();
            } else if (depth >= MaxValueDepth) {
                xml.skipCurrentElement();
            } else if (name == xml.name().toString() + u's') {
                plural = true;
                readValue(xml, entry, depth + 1);
            } else {
                TellicoFile::Entry part;
                readValue(xml, part, depth + 1);
                for (const auto &[field, value] : part.values)
                    parts.append(value.trimmed());
            }
        } else if (token == QXmlStreamReader::EndElement) {
            break;
        }
    }
    if (plural)
        return;
    if (!parts.isEmpty())
        text = parts.join(u'-');
    entry.values.emplace_back(name, std::move(text));
}

// The text of the current element is only looked at, never kept: a picture's
// data can be large.
bool holdsText(QXmlStreamReader &xml)
{
    bool text = false;
    while (!xml.atEnd()) {
        const QXmlStreamReader::TokenType token = xml.readNext();
        if (token == QXmlStreamReader::Characters)
            text = text || !xml.isWhitespace();
        else if (token == QXmlStreamReader::StartElement)
            xml.skipCurrentElement();
        else if (token == QXmlStreamReader::EndElement)
            break;
    }
    return text;
}

} // namespace

QString TellicoFile::Entry::value(QStringView name) const
{
    for (const auto &[field, text] : values) {
        if (field == name)
            return text;
    }
    return {};
}

QStringList TellicoFile::Entry::all(QStringView name) const
{
    QStringList texts;
    for (const auto &[field, text] : values) {
        if (field == name)
            texts.append(text);
    }
    return texts;
}

TellicoFile::TellicoFile() = default;
TellicoFile::~TellicoFile() = default;

bool TellicoFile::isSafePictureId(const QString &id)
{
    return !id.isEmpty() && id != QLatin1String(".") && id != QLatin1String("..") && !id.contains(u'/') &&
           !id.contains(u'\\') && !id.contains(QChar(0));
}

StorageResult TellicoFile::open(const QString &path)
{
    m_path = path;
    QFile file(path);
    const QFileInfo info(path);
    if (!info.isFile() || !file.open(QIODevice::ReadOnly))
        return StorageResult::failure(ImportText::tr("het bestand kan niet worden gelezen"));
    const QByteArray start = file.read(64);
    file.close();
    if (ZipArchive::looksLikeZip(start)) {
        m_zip = std::make_unique<ZipArchive>();
        StorageResult opened = m_zip->open(path);
        if (opened && !m_zip->contains(XmlMember))
            opened = StorageResult::failure(ImportText::tr("het zip-archief bevat geen tellico.xml"));
        return opened;
    }
    // Tellico keeps the pictures of a plain XML file in a folder beside it.
    m_pictureFolder = info.absoluteDir().filePath(info.completeBaseName() + QStringLiteral("_files"));
    if (!start.trimmed().startsWith('<') && !start.startsWith("\xef\xbb\xbf<"))
        return StorageResult::failure(ImportText::tr("dit is geen zip- of XML-bestand"));
    return StorageResult::success();
}

StorageResult TellicoFile::openBytes(const QByteArray &bytes)
{
    if (ZipArchive::looksLikeZip(bytes.first(std::min<qsizetype>(bytes.size(), 4)))) {
        m_zip = std::make_unique<ZipArchive>();
        StorageResult opened = m_zip->openBytes(bytes);
        if (opened && !m_zip->contains(XmlMember))
            opened = StorageResult::failure(ImportText::tr("het zip-archief bevat geen tellico.xml"));
        return opened;
    }
    m_bytes = bytes;
    return StorageResult::success();
}

std::unique_ptr<QIODevice> TellicoFile::openXml(StorageResult &result, qint64 &size) const
{
    result = StorageResult::success();
    if (m_zip) {
        size = m_zip->size(XmlMember);
        return m_zip->stream(XmlMember, result);
    }
    if (!m_path.isEmpty()) {
        auto file = std::make_unique<QFile>(m_path);
        if (!file->open(QIODevice::ReadOnly)) {
            result = StorageResult::failure(
                ImportText::tr("het bestand kan niet worden gelezen: %1").arg(file->errorString()));
            return nullptr;
        }
        size = file->size();
        return file;
    }
    auto buffer = std::make_unique<QBuffer>();
    buffer->setData(m_bytes);
    buffer->open(QIODevice::ReadOnly);
    size = m_bytes.size();
    return buffer;
}

StorageResult TellicoFile::xmlError(const QXmlStreamReader &xml, const QIODevice &device) const
{
    const auto *member = qobject_cast<const ZipMemberDevice *>(&device);
    if (member && member->damaged())
        return StorageResult::failure(
            ImportText::tr("het zip-archief is beschadigd (%1)").arg(device.errorString()));
    return StorageResult::failure(
        ImportText::tr("fout in de XML op regel %1: %2").arg(xml.lineNumber()).arg(xml.errorString()));
}

StorageResult TellicoFile::read(const Handler &handler) const
{
    StorageResult result;
    qint64 size = 0;
    const std::unique_ptr<QIODevice> device = openXml(result, size);
    if (!device)
        return result;
    QXmlStreamReader xml(device.get());
    if (!xml.readNextStartElement())
        return xml.hasError() ? xmlError(xml, *device)
                              : StorageResult::failure(ImportText::tr("het bestand bevat geen XML"));
    if (xml.name() != QLatin1String("tellico"))
        return StorageResult::failure(
            ImportText::tr("dit is geen Tellico-bestand (het begint met <%1>)").arg(xml.name()));

    bool seenCollection = false;
    bool stopped = false;
    while (!stopped && xml.readNextStartElement()) {
        if (xml.name() != QLatin1String("collection") || seenCollection) {
            xml.skipCurrentElement();
            continue;
        }
        seenCollection = true;
        const QXmlStreamAttributes attributes = xml.attributes();
        const QString type = attributes.value(QLatin1String("type")).toString();
        Collection collection;
        collection.title = attributes.value(QLatin1String("title")).toString();
        if (type != StampCollectionType)
            return StorageResult::failure(
                ImportText::tr("'%1' is geen postzegelverzameling maar een verzameling van het soort %2; "
                               "alleen postzegelverzamelingen (soort 9) kunnen worden geïmporteerd")
                    .arg(collection.title, type.isEmpty() ? ImportText::tr("(geen)") : type));
        bool started = false;
        const auto start = [&] {
            if (!started && handler.started)
                handler.started(collection);
            started = true;
        };
        Entry entry;
        int entries = 0;
        while (!stopped && xml.readNextStartElement()) {
            const QStringView name = xml.name();
            if (name == QLatin1String("fields")) {
                while (xml.readNextStartElement()) {
                    if (xml.name() == QLatin1String("field")) {
                        const QString fieldName = xml.attributes().value(QLatin1String("name")).toString();
                        if (fieldName != QLatin1String("_default"))
                            collection.fields.push_back(
                                {fieldName, xml.attributes().value(QLatin1String("title")).toString()});
                    }
                    xml.skipCurrentElement();
                }
            } else if (name == QLatin1String("entry")) {
                start();
                entry.values.clear();
                while (xml.readNextStartElement())
                    readValue(xml, entry, 1);
                if (xml.hasError())
                    break;
                for (const QString &id : entry.all(u"image")) {
                    if (!id.trimmed().isEmpty() && !isSafePictureId(id.trimmed()))
                        return unsafeId(id);
                }
                stopped = handler.entry && !handler.entry(entry);
                if (!stopped && ++entries % EntriesPerProgress == 0 && handler.progress && size > 0)
                    stopped = !handler.progress(static_cast<double>(xml.characterOffset()) /
                                                static_cast<double>(size));
            } else if (name == QLatin1String("images")) {
                while (xml.readNextStartElement()) {
                    const QString id = xml.attributes().value(QLatin1String("id")).toString();
                    if (xml.name() != QLatin1String("image")) {
                        xml.skipCurrentElement();
                    } else if (!isSafePictureId(id)) {
                        return unsafeId(id);
                    } else if (holdsText(xml) && handler.embeddedPicture) {
                        handler.embeddedPicture(id);
                    }
                }
            } else {
                xml.skipCurrentElement();
            }
        }
        start();
    }
    if (stopped)
        return StorageResult::success();
    if (xml.hasError())
        return xmlError(xml, *device);
    if (!seenCollection)
        return StorageResult::failure(ImportText::tr("het bestand bevat geen verzameling"));
    return StorageResult::success();
}

QString TellicoFile::pictureFilePath(const QString &id) const
{
    return m_pictureFolder.isEmpty() || !isSafePictureId(id) ? QString() : m_pictureFolder + u'/' + id;
}

bool TellicoFile::hasPictureFile(const QString &id) const
{
    if (!isSafePictureId(id))
        return false;
    if (m_zip)
        return m_zip->contains(archiveMember(id));
    const QString path = pictureFilePath(id);
    return !path.isEmpty() && QFileInfo(path).isFile();
}

StorageResult TellicoFile::readPictureFile(const QString &id, QByteArray &data) const
{
    data.clear();
    if (!isSafePictureId(id))
        return unsafeId(id);
    if (m_zip)
        return m_zip->read(archiveMember(id), MaxPictureSize, data);
    const QString path = pictureFilePath(id);
    // A link in the picture folder may lead anywhere; only what lies in the
    // folder itself is read.
    const QString folder = QFileInfo(m_pictureFolder).canonicalFilePath();
    const QString resolved = QFileInfo(path).canonicalFilePath();
    if (path.isEmpty() || resolved.isEmpty() || folder.isEmpty())
        return StorageResult::failure(ImportText::tr("afbeelding '%1' ontbreekt").arg(id));
    if (!resolved.startsWith(folder + u'/'))
        return unsafeId(id);
    if (QFileInfo(resolved).size() > MaxPictureSize)
        return StorageResult::failure(
            ImportText::tr("afbeelding '%1' is groter dan %2 MB").arg(id).arg(MaxPictureSize >> 20));
    return TextFile::readBytes(resolved, data);
}

StorageResult TellicoFile::readEmbeddedPictures(
    const QSet<QString> &wanted,
    const std::function<bool(const QString &id, const QByteArray &data)> &take) const
{
    StorageResult result;
    qint64 size = 0;
    const std::unique_ptr<QIODevice> device = openXml(result, size);
    if (!device)
        return result;
    QXmlStreamReader xml(device.get());
    // Down to tellico > collection > images > image, skipping the rest whole.
    const auto descend = [&xml](QLatin1String name) {
        while (xml.readNextStartElement()) {
            if (xml.name() == name)
                return true;
            xml.skipCurrentElement();
        }
        return false;
    };
    if (xml.readNextStartElement() && descend(QLatin1String("collection"))) {
        while (descend(QLatin1String("images"))) {
            while (descend(QLatin1String("image"))) {
                const QString id = xml.attributes().value(QLatin1String("id")).toString();
                if (!wanted.contains(id)) {
                    xml.skipCurrentElement();
                    continue;
                }
                const QString text = xml.readElementText(QXmlStreamReader::SkipChildElements);
                if (!take(id, QByteArray::fromBase64(text.toLatin1())))
                    return StorageResult::success();
            }
        }
    }
    return xml.hasError() ? xmlError(xml, *device) : StorageResult::success();
}
