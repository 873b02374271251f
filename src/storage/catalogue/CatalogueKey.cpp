#include "storage/catalogue/CatalogueKey.h"

#include "storage/catalogue/CatalogueNumber.h"

namespace {

// Parts a number's key: folding never gives a null character.
constexpr char16_t Separator = 0;

} // namespace

void CatalogueKey::read(QStringView text)
{
    const CatalogueNumber number(text);
    m_key.clear();
    m_number = number.number();
    if (!number.hasNumber()) {
        const QStringView whole = text.trimmed();
        m_blank = whole.isEmpty();
        m_prefixEnd = -1;
        m_suffixStart = -1;
        appendFolded(whole);
        return;
    }
    m_blank = false;
    appendFolded(number.prefix());
    m_prefixEnd = static_cast<qsizetype>(m_key.size());
    m_key.push_back(Separator);
    m_key.insert(m_key.end(), number.digits().utf16(), number.digits().utf16() + number.digits().size());
    m_key.push_back(Separator);
    m_suffixStart = static_cast<qsizetype>(m_key.size());
    appendFolded(number.suffix());
}

QStringView CatalogueKey::prefix() const
{
    return m_prefixEnd < 0 ? QStringView() : text().first(m_prefixEnd);
}

QStringView CatalogueKey::suffix() const
{
    return m_suffixStart < 0 ? QStringView() : text().sliced(m_suffixStart);
}

QString CatalogueKey::folded(QStringView text)
{
    CatalogueKey key;
    key.appendFolded(text);
    return key.text().toString();
}

void CatalogueKey::appendFolded(QStringView text)
{
    qsizetype at = 0;
    for (QChar c = CatalogueNumber::nextFolded(text, at); !c.isNull();
         c = CatalogueNumber::nextFolded(text, at))
        m_key.push_back(c.unicode());
}
