#include "SampleFolder.h"

#include "SampleCollection.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <map>
#include <memory>

namespace {

void write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

} // namespace

const QString SampleFolder::Name = QStringLiteral("Proef");

SampleFolder::SampleFolder(int count)
    : m_folder(m_dir.path())
{
    QDir(m_dir.path()).mkpath(QStringLiteral("Verzameling"));
    write(m_folder.collectionFile(Name), SampleCollection::collectionFile(count));
    write(m_folder.oldDataFile(Name), SampleCollection::oldDataFile(count));
}

qint64 SampleFolder::fileSize() const
{
    return QFileInfo(collectionFile()).size();
}

SampleFolder &SampleFolder::of(int count)
{
    static std::map<int, std::unique_ptr<SampleFolder>> folders;
    auto &folder = folders[count];
    if (!folder)
        folder = std::make_unique<SampleFolder>(count);
    return *folder;
}
