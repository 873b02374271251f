#include "storage/CollectionName.h"

#include "storage/Windows1252.h"

namespace CollectionName {

bool isValid(const QString &name)
{
    // A leading dot hides the file, and the program's own folders begin with one.
    if (name.isEmpty() || name.startsWith(u'.'))
        return false;
    static const QString forbidden = QStringLiteral("\\/:*?\"<>|");
    for (const QChar c : name) {
        // A character outside Windows-1252 would make line 2 of the file disagree with its name.
        if (c.unicode() < 0x20 || c.unicode() == 0x7F || forbidden.contains(c) || !Windows1252::canEncode(c))
            return false;
    }
    return true;
}

} // namespace CollectionName
