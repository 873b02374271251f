#include "storage/document/PriceTotals.h"

#include "storage/StorageText.h"
#include "storage/document/RecordList.h"

#include <QVarLengthArray>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>

namespace {

bool isSkipped(char16_t c)
{
    return c == u' ' || c == u'\t' || c == u'\n';
}

bool isDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

bool isExponentLetter(char16_t c)
{
    return c == u'E' || c == u'e' || c == u'D' || c == u'd';
}

// A total never becomes infinite: absurd prices stop at the largest double.
void addTo(double &total, double value)
{
    total += value;
    if (std::isinf(total))
        total = std::copysign(std::numeric_limits<double>::max(), total);
}

// Digits, at most one decimal sign (point or comma) and nothing else, as
// nearly every price is typed: read as a whole number of at most 15 digits
// divided by a power of ten. Both are exact in a double and one division
// rounds correctly, so this gives the very value the full reading would.
std::optional<double> plainDecimal(QStringView text)
{
    constexpr qsizetype MaxDigits = 15;
    constexpr double PowersOfTen[MaxDigits + 1] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                   1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    std::int64_t digits = 0;
    qsizetype digitCount = 0;
    qsizetype decimals = -1; // -1: no decimal sign yet
    for (const QChar character : text) {
        const char16_t c = character.unicode();
        if (isDigit(c)) {
            if (++digitCount > MaxDigits)
                return std::nullopt;
            digits = digits * 10 + (c - u'0');
            if (decimals >= 0)
                ++decimals;
        } else if ((c == u',' || c == u'.') && decimals < 0) {
            decimals = 0;
        } else {
            return std::nullopt;
        }
    }
    if (digitCount == 0)
        return std::nullopt;
    return static_cast<double>(digits) / PowersOfTen[std::max<qsizetype>(0, decimals)];
}

// Up to this size the cents of an amount survive 15 significant digits.
constexpr double LargestRoundedAmount = 1e13;

} // namespace

PriceTotals PriceTotals::of(const RecordList &list)
{
    return of(list.records());
}

PriceTotals PriceTotals::of(RecordSpan records)
{
    PriceTotals totals;
    for (const StampRecord &record : records) {
        addTo(totals.catalogue, priceValue(record[StampRecord::CataloguePrice]));
        addTo(totals.own, priceValue(record[StampRecord::OwnPrice]));
    }
    return totals;
}

double PriceTotals::priceValue(QStringView text)
{
    if (const std::optional<double> plain = plainDecimal(text))
        return *plain;
    // Prices are short; a copy on the stack spares an allocation per price.
    QVarLengthArray<QChar, 32> pointed(text.begin(), text.end());
    std::replace(pointed.begin(), pointed.end(), QChar(u','), QChar(u'.'));
    return leadingNumber(QStringView(pointed.data(), pointed.size()));
}

double PriceTotals::leadingNumber(QStringView text)
{
    enum class Part { Sign, Mantissa, ExponentSign, ExponentDigits };
    Part part = Part::Sign;
    bool negative = false;
    bool hasPoint = false;
    bool hasMantissaDigit = false;
    // The leading 0 lets a number start with its point (".5").
    std::string number = "0";
    std::string::size_type complete = 0; // length of the longest whole number read; 0: none

    for (const QChar character : text) {
        const char16_t c = character.unicode();
        if (isSkipped(c))
            continue;
        if (part == Part::Sign) {
            part = Part::Mantissa;
            if (c == u'+' || c == u'-') {
                negative = c == u'-';
                continue;
            }
        }
        if (part == Part::Mantissa) {
            if (isDigit(c)) {
                number += static_cast<char>(c);
                hasMantissaDigit = true;
                complete = number.size();
                continue;
            }
            if (c == u'.' && !hasPoint) {
                number += '.';
                hasPoint = true;
                continue;
            }
            if (!hasMantissaDigit || !isExponentLetter(c))
                break;
            number += 'e';
            part = Part::ExponentSign;
            continue;
        }
        if (part == Part::ExponentSign) {
            part = Part::ExponentDigits;
            if (c == u'+' || c == u'-') {
                number += static_cast<char>(c);
                continue;
            }
        }
        if (!isDigit(c))
            break;
        number += static_cast<char>(c);
        complete = number.size();
    }
    if (complete == 0)
        return 0.0;

    double value = 0.0;
    const char *begin = number.data();
    const auto [end, error] = std::from_chars(begin, begin + complete, value);
    if (error != std::errc() || end != begin + complete)
        return 0.0;
    return negative ? -value : value;
}

QString PriceTotals::formatAmount(double amount, const QLocale &locale)
{
    // Amounts are sums of prices typed as decimals. Reading the cents in 15
    // significant digits first rounds 1.005 up, as typed, rather than down as
    // its binary value 1.00499… would.
    if (std::isnan(amount))
        amount = 0.0;
    else if (std::isinf(amount))
        amount = std::copysign(std::numeric_limits<double>::max(), amount);
    double rounded = amount;
    if (std::abs(amount) < LargestRoundedAmount) {
        const double cents = QString::number(amount * 100, 'g', 15).toDouble();
        rounded = std::round(cents) / 100;
    }
    if (rounded == 0.0)
        rounded = 0.0; // no "-0.00"
    QString text = QString::number(rounded, 'f', 2);
    text.replace(u'.', locale.decimalPoint());
    return text;
}

QStringList PriceTotals::messageLines(const QLocale &locale) const
{
    return {StorageText::tr("Cat.Prijs : € %1").arg(formatAmount(catalogue, locale)),
            StorageText::tr("Mijn Prijs : € %1").arg(formatAmount(own, locale))};
}
