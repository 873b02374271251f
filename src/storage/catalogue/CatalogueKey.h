#pragma once

#include <QString>
#include <QStringView>

#include <optional>
#include <vector>

// A catalogue number as it compares: prefix and suffix case folded with runs of
// spaces as one, the digits without leading zeros, held as one text; a text
// without a digit is its whole text, trimmed and folded. Two catalogue numbers
// are the same number exactly when their keys are equal, so a key can be
// hashed and compared as a whole. A key is meant to be read again and again:
// reading allocates nothing unless a text is longer than any before it.
class CatalogueKey {
public:
    CatalogueKey() { m_key.reserve(64); }

    void read(QStringView text);

    // Empty without a number or when it is too large for a range.
    std::optional<quint64> number() const { return m_number; }
    // True for a text of spaces only, or none.
    bool isBlank() const { return m_blank; }
    // Folded; empty without a number.
    QStringView prefix() const;
    QStringView suffix() const;
    // The whole key.
    QStringView text() const { return QStringView(m_key.data(), static_cast<qsizetype>(m_key.size())); }

    // The text as a prefix or suffix compares.
    static QString folded(QStringView text);

private:
    void appendFolded(QStringView text);

    std::vector<char16_t> m_key;
    // Where the prefix ends and the suffix begins in the key; -1 without a number.
    qsizetype m_prefixEnd = -1;
    qsizetype m_suffixStart = -1;
    std::optional<quint64> m_number;
    bool m_blank = true;
};
