#pragma once

#include <QString>
#include <QStringView>

#include <optional>

// One line of a want list: "[PREFIX] FROM-TO" (the prefix may stand before TO
// as well: "LP1-LP15"), or one catalogue number ("MBund 152", "NVPH 123a").
// A number of a range is held by a record with its prefix and number, whatever
// the suffix; a single number with a suffix only by exactly that suffix.
class CatalogueRange {
public:
    // Empty for a text that is not a range: no digit, a second prefix that
    // differs from the first, TO below FROM, a suffix in a range, a number
    // too large, or a "-" after the number that does not lead to a range.
    static std::optional<CatalogueRange> read(const QString &text);

    // The range as given, trimmed.
    const QString &text() const { return m_text; }
    const QString &prefix() const { return m_prefix; }
    quint64 from() const { return m_from; }
    quint64 to() const { return m_to; }
    // Empty except for a single number given with a suffix.
    const QString &suffix() const { return m_suffix; }
    // How a single missing number is written: as given, without the prefix.
    const QString &numberText() const { return m_numberText; }

    // The prefix as a catalogue key holds it: a number can be of this range
    // only when its key's prefix is this.
    const QString &keyPrefix() const { return m_keyPrefix; }
    // Whether a number with that prefix is one this range asks for, given its
    // suffix as its key holds it.
    bool holds(quint64 number, QStringView keySuffix) const
    {
        return number >= m_from && number <= m_to && (m_suffix.isEmpty() || keySuffix == m_keySuffix);
    }

private:
    QString m_text;
    QString m_prefix;
    quint64 m_from = 0;
    quint64 m_to = 0;
    QString m_suffix;
    QString m_numberText;
    QString m_keyPrefix;
    QString m_keySuffix;
};
