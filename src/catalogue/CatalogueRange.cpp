#include "catalogue/CatalogueRange.h"

#include "storage/catalogue/CatalogueKey.h"
#include "storage/catalogue/CatalogueNumber.h"

#include <QRegularExpression>

std::optional<CatalogueRange> CatalogueRange::read(const QString &text)
{
    CatalogueRange range;
    range.m_text = text.trimmed();
    const CatalogueNumber first(range.m_text);
    const std::optional<quint64> from = first.number();
    if (!from)
        return std::nullopt;
    range.m_prefix = first.plainPrefix();
    range.m_keyPrefix = CatalogueKey::folded(range.m_prefix);
    range.m_from = *from;
    range.m_to = *from;
    // A dash after the number makes the text a range; anything else after it
    // is the suffix of one catalogue number.
    const QStringView rest = first.suffix();
    if (!rest.contains(u'-')) {
        range.m_suffix = rest.toString();
        range.m_keySuffix = CatalogueKey::folded(rest);
        // The number as written from its first significant digit on, suffix included.
        const qsizetype runEnd = first.digits().data() - range.m_text.constData() + first.digits().size();
        range.m_numberText = first.digits().toString() + range.m_text.sliced(runEnd);
        return range;
    }
    static const QRegularExpression second(QStringLiteral("^-\\s*([^0-9]*?)\\s*([0-9]+)$"));
    const QRegularExpressionMatch match = second.match(rest);
    if (!match.hasMatch())
        return std::nullopt;
    const QString secondPrefix = match.captured(1);
    if (!secondPrefix.isEmpty() && !CatalogueNumber::samePrefix(secondPrefix, range.m_prefix))
        return std::nullopt;
    const QString toText = match.captured(2);
    const std::optional<quint64> to = CatalogueNumber(toText).number();
    if (!to || *to < *from)
        return std::nullopt;
    range.m_to = *to;
    return range;
}
