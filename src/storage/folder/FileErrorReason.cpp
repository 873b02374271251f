#include "storage/folder/FileErrorReason.h"

#include "storage/StorageText.h"

#include <QFileDevice>

#include <cerrno>

namespace {

const char *const Missing = QT_TRANSLATE_NOOP("StorageText", "Het bestand of de map bestaat niet.");
const char *const NoAccess = QT_TRANSLATE_NOOP("StorageText", "Geen toegang tot het bestand of de map.");
const char *const IsFolder = QT_TRANSLATE_NOOP("StorageText", "Dit is een map, geen bestand.");
const char *const DiskFull = QT_TRANSLATE_NOOP("StorageText", "De schijf is vol.");

struct KnownReason {
    int code;
    const char *reason;
};

const KnownReason Reasons[] = {
    {ENOENT, Missing},
    {ENOTDIR, Missing},
    {EACCES, NoAccess},
    {EPERM, NoAccess},
    {EROFS, QT_TRANSLATE_NOOP("StorageText", "De schijf is alleen te lezen.")},
    {EISDIR, IsFolder},
    {ENOSPC, DiskFull},
    {EDQUOT, DiskFull},
    {EFBIG, QT_TRANSLATE_NOOP("StorageText", "Het bestand is te groot.")},
    {ENAMETOOLONG, QT_TRANSLATE_NOOP("StorageText", "De naam van het bestand is te lang.")},
};

} // namespace

namespace FileErrorReason {

QString of(const QFileDevice &file)
{
    return fromSystemText(file.errorString());
}

QString fromSystemText(const QString &systemText)
{
    // The saving of a whole file says these in its own words.
    if (systemText == QLatin1String("Filename refers to a directory"))
        return StorageText::tr(IsFolder);
    if (systemText.startsWith(QLatin1String("Existing file ")) &&
        systemText.endsWith(QLatin1String(" is not writable")))
        return StorageText::tr(NoAccess);
    // Other texts are the system's text for an error number, alone or after
    // what was being done ("Cannot open x: No such file or directory").
    for (const KnownReason &known : Reasons) {
        const QString text = qt_error_string(known.code);
        if (!text.isEmpty() && (systemText == text || systemText.endsWith(QLatin1String(": ") + text)))
            return StorageText::tr(known.reason);
    }
    return systemText;
}

} // namespace FileErrorReason
