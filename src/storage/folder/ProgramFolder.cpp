#include "storage/folder/ProgramFolder.h"

#include "storage/StorageText.h"
#include "storage/folder/CollectionName.h"
#include "storage/folder/FileHelpers.h"
#include "storage/folder/InterfaceLanguage.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

namespace {

// Copies folders and regular files (no links); every copy is the collector's
// own, readable and writable whatever the installed file's mode was.
bool copyTree(const QString &source, const QString &target)
{
    if (!QDir().mkpath(target))
        return false;
    const QFileInfoList entries = QDir(source).entryInfoList(QDir::Dirs | QDir::Files | QDir::Hidden |
                                                             QDir::NoDotAndDotDot | QDir::NoSymLinks);
    for (const QFileInfo &entry : entries) {
        const QString copy = target + QLatin1Char('/') + entry.fileName();
        if (entry.isDir() ? !copyTree(entry.filePath(), copy)
                          : !QFile::copy(entry.filePath(), copy) ||
                                !QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner |
                                                                 QFile::ReadGroup | QFile::ReadOther))
            return false;
    }
    return true;
}

// The folder is assembled beside its place and renamed into it when complete,
// so an interrupted first start never leaves a half-filled folder, and a folder
// that appeared meanwhile is left as it is.
void fillOnFirstStart(const QString &folder, const QString &installedData)
{
    if (QFileInfo::exists(folder) || !QFileInfo(installedData).isDir())
        return;
    const QString parent = QFileInfo(folder).absolutePath();
    if (!QDir().mkpath(parent))
        return;
    QTemporaryDir assembly(parent + QLatin1String("/.Tessaron2-XXXXXX"));
    if (assembly.isValid() && copyTree(installedData, assembly.path()) &&
        QDir().rename(assembly.path(), folder))
        assembly.setAutoRemove(false);
}

} // namespace

ProgramFolder::ProgramFolder(const QString &root)
    : m_root(QDir(root).absolutePath())
{}

ProgramFolder ProgramFolder::fromCommandLine(QStringList &arguments, const QString &executableFolder,
                                             const QString &homeFolder)
{
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        if (argument == QLatin1String("--home") && i + 1 < arguments.size()) {
            const QString home = arguments.at(i + 1);
            arguments.remove(i, 2);
            return ProgramFolder(home);
        }
        if (argument.startsWith(QLatin1String("--home="))) {
            const QString home = argument.mid(7);
            arguments.remove(i);
            return ProgramFolder(home);
        }
    }
    const QString fromEnvironment = qEnvironmentVariable("TESSARON2_HOME");
    if (!fromEnvironment.isEmpty())
        return ProgramFolder(fromEnvironment);
    const ProgramFolder portable(executableFolder);
    if (QFileInfo(portable.collectionFolder()).isDir())
        return portable;
    const QString personal = ProgramFolder(homeFolder).path({QStringLiteral("Tessaron2")});
    fillOnFirstStart(personal, shippedData(executableFolder));
    return ProgramFolder(personal);
}

QString ProgramFolder::installedData(const QString &executableFolder)
{
    return QDir::cleanPath(executableFolder + QLatin1String("/" T2_INSTALLED_DATA_FROM_PROGRAM));
}

QString ProgramFolder::shippedData(const QString &executableFolder)
{
    const QString installed = installedData(executableFolder);
    if (QFileInfo(installed).isDir())
        return installed;
    const QString buildTree = QStringLiteral(T2_BUILD_TREE "/");
    if ((QDir::cleanPath(executableFolder) + QLatin1Char('/')).startsWith(buildTree))
        return QStringLiteral(T2_BUILD_SHIPPED_DATA);
    return installed;
}

bool ProgramFolder::holdsProgramData() const
{
    return QFileInfo(collectionFolder()).isDir() || QFileInfo(dataFolder()).isDir();
}

StorageResult ProgramFolder::fillFrom(const QString &shippedData) const
{
    if (!QFileInfo(shippedData).isDir())
        return StorageResult::failure(StorageText::tr("De meegeleverde gegevens zijn niet gevonden."));
    if (!QDir().mkpath(m_root))
        return StorageResult::failure(StorageText::tr("De map kon niet worden gemaakt: %1").arg(m_root));
    const QStringList parts =
        QDir(shippedData).entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::NoSymLinks);
    for (const QString &part : parts) {
        if (QFileInfo::exists(path({part})))
            continue;
        // Assembled beside its place, so a failure leaves no half-filled folder.
        QTemporaryDir assembly(m_root + QLatin1String("/.") + part + QLatin1String("-XXXXXX"));
        if (!assembly.isValid() || !copyTree(shippedData + QLatin1Char('/') + part, assembly.path()) ||
            !QDir().rename(assembly.path(), m_root + QLatin1Char('/') + part))
            return StorageResult::failure(StorageText::tr("De map %1 kon niet worden gevuld.").arg(part));
        assembly.setAutoRemove(false);
    }
    return StorageResult::success();
}

QString ProgramFolder::path(const QStringList &components) const
{
    QString current = m_root;
    for (const QString &component : components) {
        QString candidate = current + QLatin1Char('/') + component;
        if (!QFileInfo::exists(candidate)) {
            const QStringList entries = QDir(current).entryList(QDir::AllEntries | QDir::Hidden |
                                                                QDir::System | QDir::NoDotAndDotDot);
            // Also a name stored decomposed (NFD) is found by its composed spelling.
            for (const QString &entry : entries) {
                if (CollectionName::sameCollection(entry, component)) {
                    candidate = current + QLatin1Char('/') + entry;
                    break;
                }
            }
        }
        current = candidate;
    }
    return current;
}

QString ProgramFolder::settingsFile() const
{
    return path({QStringLiteral("Tessaron2.ini")});
}

QString ProgramFolder::languageFile() const
{
    return path({QStringLiteral("Tessaron2.taal")});
}

QString ProgramFolder::slideshowPage() const
{
    return path({QStringLiteral("Slideshow.htm")});
}

QString ProgramFolder::collectionFolder() const
{
    return path({QStringLiteral("Verzameling")});
}

QString ProgramFolder::dataFolder() const
{
    return path({QStringLiteral("Data")});
}

QString ProgramFolder::dataFile(const QString &fileName) const
{
    return path({QStringLiteral("Data"), fileName});
}

QString ProgramFolder::helpFile(const QString &language) const
{
    // Whoever does not read Dutch is better served by the English help than
    // by the Dutch one when the help of their own language is missing.
    if (language != InterfaceLanguage::dutch()) {
        for (const QString &name :
             {QStringLiteral("help.%1.pdf").arg(language), QStringLiteral("help.en.pdf")}) {
            const QString document = dataFile(name);
            if (FileExists(document))
                return document;
        }
    }
    return dataFile(QStringLiteral("help.pdf"));
}

QString ProgramFolder::collectionFile(const QString &name) const
{
    return path({QStringLiteral("Verzameling"), name + QLatin1String(".col")});
}

QString ProgramFolder::oldDataFile(const QString &name) const
{
    return path({QStringLiteral("Verzameling"), name + QLatin1String(".cat")});
}

QString ProgramFolder::pictureFolder(const QString &name) const
{
    return path({QStringLiteral("Verzameling"), name});
}

QString ProgramFolder::yearFolder(const QString &name, const QString &year) const
{
    return path({QStringLiteral("Verzameling"), name, year});
}

bool ProgramFolder::staysInside(const QString &component)
{
    return !component.contains(u'/') && component != QLatin1String(".") && component != QLatin1String("..");
}

bool ProgramFolder::namesPictureFolder(const QString &name)
{
    return !name.isEmpty() && staysInside(name);
}

QString ProgramFolder::picturePath(const QString &name, const QString &year,
                                   const QString &catalogueNumber) const
{
    if (!namesPictureFolder(name) || !staysInside(year) || !staysInside(catalogueNumber))
        return {};
    return path({QStringLiteral("Verzameling"), name, year, catalogueNumber + QLatin1String(".jpg")});
}
