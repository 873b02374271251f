#include "common/TestFolder.h"

#include "storage/text/Windows1252.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

TestFolder::TestFolder()
    : m_folder(m_dir.path())
{
    QDir root(m_dir.path());
    root.mkpath(QStringLiteral("Verzameling"));
    root.mkpath(QStringLiteral("Data"));
}

QString TestFolder::path(const QString &relative) const
{
    return m_dir.filePath(relative);
}

void TestFolder::write(const QString &relative, const QByteArray &bytes) const
{
    const QString full = path(relative);
    QDir().mkpath(QFileInfo(full).absolutePath());
    QFile file(full);
    QVERIFY2(file.open(QIODevice::WriteOnly | QIODevice::Truncate), qPrintable(full));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray TestFolder::read(const QString &relative) const
{
    QFile file(path(relative));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

bool TestFolder::exists(const QString &relative) const
{
    return QFileInfo::exists(path(relative));
}

QByteArray crlf(const QStringList &lines)
{
    QByteArray bytes;
    for (const QString &line : lines)
        bytes += Windows1252::encode(line) + "\r\n";
    return bytes;
}
