#include "extras/CatalogueNumber.h"

namespace {

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

bool isSpace(QChar c)
{
    return c.isSpace();
}

// The next character of a prefix for comparing: case folded, a run of spaces
// as one space. Returns a null character at the end.
inline QChar nextPrefixChar(QStringView text, qsizetype &at)
{
    if (at >= text.size())
        return QChar();
    const QChar c = text[at++];
    // Most catalogue numbers are plain ASCII, which folds without a table.
    if (c.unicode() > 0x20 && c.unicode() < 0x80) {
        const char16_t code = c.unicode();
        return QChar(code >= u'A' && code <= u'Z' ? char16_t(code + 0x20) : code);
    }
    if (!isSpace(c))
        return c.toCaseFolded();
    while (at < text.size() && isSpace(text[at]))
        ++at;
    return QChar(u' ');
}

} // namespace

CatalogueNumber::CatalogueNumber(QStringView text)
{
    qsizetype first = 0;
    while (first < text.size() && !isDigit(text[first]))
        ++first;
    if (first == text.size())
        return;
    qsizetype end = first;
    while (end < text.size() && isDigit(text[end]))
        ++end;
    m_prefix = text.first(first).trimmed();
    // Leading zeros say nothing about the number; one stays for zero itself.
    qsizetype significant = first;
    while (significant + 1 < end && text[significant] == u'0')
        ++significant;
    m_digits = text.sliced(significant, end - significant);
    m_suffix = text.sliced(end).trimmed();
    if (m_digits.size() <= MaxDigits) {
        quint64 value = 0;
        for (const QChar c : m_digits)
            value = value * 10 + static_cast<quint64>(c.unicode() - u'0');
        m_number = value;
    }
}

QString CatalogueNumber::plainPrefix() const
{
    return m_prefix.toString().simplified();
}

bool CatalogueNumber::samePrefix(QStringView left, QStringView right)
{
    return comparePrefix(left, right) == 0;
}

int CatalogueNumber::comparePrefix(QStringView left, QStringView right)
{
    qsizetype leftAt = 0;
    qsizetype rightAt = 0;
    for (;;) {
        const QChar l = nextPrefixChar(left, leftAt);
        const QChar r = nextPrefixChar(right, rightAt);
        if (l != r)
            return l < r ? -1 : 1;
        if (l.isNull())
            return 0;
    }
}

quint64 CatalogueNumber::hashPrefix(QStringView text, quint64 seed)
{
    // FNV-1a over the characters as they are compared.
    quint64 hash = seed ^ 0xcbf29ce484222325ULL;
    qsizetype at = 0;
    for (QChar c = nextPrefixChar(text, at); !c.isNull(); c = nextPrefixChar(text, at))
        hash = (hash ^ c.unicode()) * 0x100000001b3ULL;
    return hash;
}

int CatalogueNumber::compareDigits(QStringView left, QStringView right)
{
    if (left.size() != right.size())
        return left.size() < right.size() ? -1 : 1;
    return left.compare(right);
}
