#include "storage/catalogue/CatalogueNumber.h"

namespace {

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
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
        const QChar l = nextFolded(left, leftAt);
        const QChar r = nextFolded(right, rightAt);
        if (l != r)
            return l < r ? -1 : 1;
        if (l.isNull())
            return 0;
    }
}

int CatalogueNumber::compareDigits(QStringView left, QStringView right)
{
    if (left.size() != right.size())
        return left.size() < right.size() ? -1 : 1;
    return left.compare(right);
}
