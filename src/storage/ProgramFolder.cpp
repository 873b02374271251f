#include "storage/ProgramFolder.h"

#include "storage/CollectionName.h"

#include <QDir>
#include <QFileInfo>

ProgramFolder::ProgramFolder(const QString &root)
    : m_root(QDir(root).absolutePath())
{
}

ProgramFolder ProgramFolder::fromCommandLine(QStringList &arguments, const QString &executableFolder)
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
    return ProgramFolder(executableFolder);
}

QString ProgramFolder::path(const QStringList &components) const
{
    QString current = m_root;
    for (const QString &component : components) {
        QString candidate = current + QLatin1Char('/') + component;
        if (!QFileInfo::exists(candidate)) {
            const QStringList entries =
                QDir(current).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
            for (const QString &entry : entries) {
                if (entry.compare(component, Qt::CaseInsensitive) == 0) {
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

QString ProgramFolder::picturePath(const QString &name, const QString &year, const QString &catalogueNumber) const
{
    if (!CollectionName::isValid(name) || !staysInside(year) || !staysInside(catalogueNumber))
        return {};
    return path({QStringLiteral("Verzameling"), name, year, catalogueNumber + QLatin1String(".jpg")});
}
