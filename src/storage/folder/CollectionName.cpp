#include "storage/folder/CollectionName.h"

#include "storage/text/Windows1252.h"

#include <algorithm>

namespace {

// C0 and C1 controls and DEL; the C1 range holds the five code points that
// Windows-1252 leaves undefined.
bool isControl(QChar c)
{
    const char16_t u = c.unicode();
    return u < 0x20 || (u >= 0x7F && u <= 0x9F);
}

// A character outside Windows-1252 would make line 2 of the file disagree with its name.
bool isRefused(QChar c)
{
    static const QString forbidden = QStringLiteral("\\/:*?\"<>|");
    return isControl(c) || forbidden.contains(c) || !Windows1252::canEncode(c);
}

} // namespace

namespace CollectionName {

bool isValid(const QString &name)
{
    // A leading dot hides the file, and the program's own folders begin with one.
    if (name.isEmpty() || name.startsWith(u'.'))
        return false;
    return std::none_of(name.begin(), name.end(), isRefused);
}

QString repaired(const QString &name)
{
    if (name.isEmpty())
        return QStringLiteral("_");
    QString safe = name;
    std::replace_if(safe.begin(), safe.end(), isRefused, QChar(u'_'));
    if (safe.startsWith(u'.'))
        safe[0] = u'_';
    return safe;
}

QString normalized(const QString &name)
{
    return name.normalized(QString::NormalizationForm_C);
}

bool sameCollection(const QString &left, const QString &right)
{
    if (left.compare(right, Qt::CaseInsensitive) == 0)
        return true;
    // Only a name holding a combining mark or a letter that decomposes can
    // have another form; most names are compared without normalizing them.
    const auto composedOnly = [](const QString &name) {
        return std::all_of(name.begin(), name.end(), [](QChar c) { return c.unicode() < 0xC0; });
    };
    if (composedOnly(left) && composedOnly(right))
        return false;
    return normalized(left).compare(normalized(right), Qt::CaseInsensitive) == 0;
}

} // namespace CollectionName
