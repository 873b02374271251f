#pragma once

#include <QString>
#include <QStringView>

#include <optional>

// A catalogue number read as prefix, number and suffix: the prefix is the text
// before the first digit, the number that first run of digits as a whole
// number, the suffix the rest ("NVPH 1034 II" is NVPH / 1034 / II). Prefixes
// and suffixes compare without regard to letter case, and runs of spaces inside
// a prefix count as one. The parts are views into the text read, which must
// outlive them; reading allocates nothing, so a million numbers read quickly.
class CatalogueNumber {
public:
    // Whole numbers up to this many digits (leading zeros aside) fit a range.
    static constexpr qsizetype MaxDigits = 18;

    explicit CatalogueNumber(QStringView text);

    // False for a text without a digit, which has no place in a range.
    bool hasNumber() const { return !m_digits.isNull(); }
    // Trimmed; inner runs of spaces as written.
    QStringView prefix() const { return m_prefix; }
    // The digits without leading zeros ("0" for zero).
    QStringView digits() const { return m_digits; }
    // Empty without a number or when it has more than MaxDigits digits.
    std::optional<quint64> number() const { return m_number; }
    // Trimmed.
    QStringView suffix() const { return m_suffix; }

    // The prefix with runs of spaces as one, as it is written otherwise.
    QString plainPrefix() const;

    // Case-insensitive; runs of spaces as one.
    static bool samePrefix(QStringView left, QStringView right);
    static int comparePrefix(QStringView left, QStringView right);
    // The next character of a prefix as prefixes compare: case folded, a run of
    // spaces as one space. A null character at the end (or at a null character).
    static QChar nextFolded(QStringView text, qsizetype &at)
    {
        if (at >= text.size())
            return QChar();
        const QChar c = text[at++];
        // Most catalogue numbers are plain ASCII, which folds without a table.
        if (c.unicode() > 0x20 && c.unicode() < 0x80) {
            const char16_t code = c.unicode();
            return QChar(code >= u'A' && code <= u'Z' ? char16_t(code + 0x20) : code);
        }
        if (!c.isSpace())
            return c.toCaseFolded();
        while (at < text.size() && text[at].isSpace())
            ++at;
        return QChar(u' ');
    }
    // Whole numbers given as digits without leading zeros.
    static int compareDigits(QStringView left, QStringView right);

private:
    QStringView m_prefix;
    QStringView m_digits;
    QStringView m_suffix;
    std::optional<quint64> m_number;
};
