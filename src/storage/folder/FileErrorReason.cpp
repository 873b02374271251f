#include "storage/folder/FileErrorReason.h"

#include <QFileDevice>

#include <cerrno>

namespace {

const char Missing[] = "Het bestand of de map bestaat niet.";
const char NoAccess[] = "Geen toegang tot het bestand of de map.";
const char IsFolder[] = "Dit is een map, geen bestand.";
const char DiskFull[] = "De schijf is vol.";

struct DutchReason {
    int code;
    const char *reason;
};

const DutchReason Reasons[] = {
    {ENOENT, Missing},
    {ENOTDIR, Missing},
    {EACCES, NoAccess},
    {EPERM, NoAccess},
    {EROFS, "De schijf is alleen te lezen."},
    {EISDIR, IsFolder},
    {ENOSPC, DiskFull},
    {EDQUOT, DiskFull},
    {EFBIG, "Het bestand is te groot."},
    {ENAMETOOLONG, "De naam van het bestand is te lang."},
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
        return QString::fromUtf8(IsFolder);
    if (systemText.startsWith(QLatin1String("Existing file ")) &&
        systemText.endsWith(QLatin1String(" is not writable")))
        return QString::fromUtf8(NoAccess);
    // Other texts are the system's text for an error number, alone or after
    // what was being done ("Cannot open x: No such file or directory").
    for (const DutchReason &known : Reasons) {
        const QString text = qt_error_string(known.code);
        if (!text.isEmpty() && (systemText == text || systemText.endsWith(QLatin1String(": ") + text)))
            return QString::fromUtf8(known.reason);
    }
    return systemText;
}

} // namespace FileErrorReason
