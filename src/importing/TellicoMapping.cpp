#include "importing/TellicoMapping.h"

#include "storage/formats/CollectionFile.h"
#include "storage/text/Windows1252.h"

#include <QRegularExpression>

#include <algorithm>
#include <array>

namespace {

// The fields of Tellico's stamp collection; any other field is the collector's own.
constexpr std::array<QLatin1String, 22> StandardFields = {
    QLatin1String("title"),     QLatin1String("description"), QLatin1String("denomination"),
    QLatin1String("currency"),  QLatin1String("country"),     QLatin1String("year"),
    QLatin1String("color"),     QLatin1String("scott"),       QLatin1String("grade"),
    QLatin1String("cancelled"), QLatin1String("hinged"),      QLatin1String("centering"),
    QLatin1String("gummed"),    QLatin1String("pur_date"),    QLatin1String("pur_price"),
    QLatin1String("location"),  QLatin1String("gift"),        QLatin1String("image"),
    QLatin1String("comments"),  QLatin1String("cdate"),       QLatin1String("mdate"),
    QLatin1String("id"),
};
constexpr std::array<QLatin1String, 5> Catalogues = {
    QLatin1String("nvph"), QLatin1String("michel"),   QLatin1String("yvert"),
    QLatin1String("sg"),   QLatin1String("zumstein"),
};
// What a collector answers for a stamp that was never hinged.
constexpr std::array<QLatin1String, 4> NeverHinged = {
    QLatin1String("never hinged"), QLatin1String("unhinged"), QLatin1String("nee"), QLatin1String("no")};
constexpr std::array<QLatin1String, 4> Yes = {QLatin1String("true"), QLatin1String("ja"),
                                              QLatin1String("yes"), QLatin1String("1")};

const QString PartSeparator = QStringLiteral("; ");

bool isOneOf(QStringView text, auto const &words)
{
    return std::any_of(words.begin(), words.end(),
                       [text](QLatin1String word) { return text.compare(word, Qt::CaseInsensitive) == 0; });
}

bool namesCatalogue(const QString &title)
{
    static const QRegularExpression words(QStringLiteral("[A-Za-z]+"));
    for (auto match = words.globalMatch(title); match.hasNext();) {
        if (isOneOf(match.next().capturedView(), Catalogues))
            return true;
    }
    return false;
}

// One line: line breaks and tabs become spaces, outer white space goes.
QString oneLine(QStringView text)
{
    QString line = text.toString();
    for (QChar &c : line) {
        if (c == u'\n' || c == u'\r' || c == u'\t')
            c = u' ';
    }
    return line.trimmed();
}

// Comments: each line break (written as <br/>, as a line end, or as escaped
// markup) becomes " / "; empty lines go.
QString commentLine(const QString &text)
{
    static const QRegularExpression breaks(QStringLiteral("<br\\s*/?>|\\r\\n|\\r|\\n"),
                                           QRegularExpression::CaseInsensitiveOption);
    QStringList lines;
    for (const QString &line : text.split(breaks)) {
        const QString trimmed = oneLine(line);
        if (!trimmed.isEmpty())
            lines.append(trimmed);
    }
    return lines.join(QStringLiteral(" / "));
}

// Letters the decomposition does not reach: a stroke or bar through the letter.
constexpr std::array<std::pair<char16_t, char16_t>, 9> StrokedLetters = {{
    {u'\u0141', u'L'},
    {u'\u0142', u'l'},
    {u'\u0110', u'D'},
    {u'\u0111', u'd'},
    {u'\u0126', u'H'},
    {u'\u0127', u'h'},
    {u'\u0166', u'T'},
    {u'\u0167', u't'},
    {u'\u0131', u'i'},
}};

QChar strokedLetter(char16_t c)
{
    for (const auto &[stroked, plain] : StrokedLetters) {
        if (stroked == c)
            return plain;
    }
    return QChar();
}

} // namespace

TellicoMapping::TellicoMapping(const TellicoFile::Collection &collection)
{
    for (const TellicoFile::Field &field : collection.fields) {
        if (isOneOf(field.name, StandardFields) || field.name.isEmpty())
            continue;
        const QString title = field.title.isEmpty() ? field.name : field.title;
        (namesCatalogue(title) ? m_catalogues : m_others).push_back({field.name, title});
    }
}

QString TellicoMapping::storable(QStringView text, int &replaced)
{
    if (std::all_of(text.begin(), text.end(), [](QChar c) { return Windows1252::canEncode(c); }))
        return text.toString();
    // Composed first, so that a letter followed by a combining accent that the
    // code page has as one character stays that character.
    const QString composed = text.toString().normalized(QString::NormalizationForm_C);
    QString result;
    result.reserve(composed.size());
    for (qsizetype i = 0; i < composed.size(); ++i) {
        const QChar c = composed[i];
        if (Windows1252::canEncode(c)) {
            result += c;
            continue;
        }
        ++replaced;
        if (c.isHighSurrogate() && i + 1 < composed.size() && composed[i + 1].isLowSurrogate()) {
            ++i;
            result += u'?';
            continue;
        }
        if (const QChar stroked = strokedLetter(c.unicode()); !stroked.isNull()) {
            result += stroked;
            continue;
        }
        // The letter without its accents, when all that is left is in the code page.
        QString base;
        for (const QChar part : QString(c).normalized(QString::NormalizationForm_KD)) {
            if (part.category() == QChar::Mark_NonSpacing)
                continue;
            if (!Windows1252::canEncode(part)) {
                base.clear();
                break;
            }
            base += part;
        }
        result += base.isEmpty() ? QStringLiteral("?") : base;
    }
    return result;
}

QString TellicoMapping::price(QStringView text)
{
    static const QRegularExpression number(QStringLiteral("\\d[\\d.,]*"));
    const QRegularExpressionMatch match = number.match(text.toString());
    if (!match.hasMatch())
        return {};
    QString digits = match.captured();
    while (digits.endsWith(u'.') || digits.endsWith(u','))
        digits.chop(1);
    // The last sign is the decimal sign when it is followed by one or two
    // digits or when both signs occur; the others group thousands.
    const qsizetype last = std::max(digits.lastIndexOf(u'.'), digits.lastIndexOf(u','));
    if (last < 0)
        return digits;
    const bool bothSigns = digits.contains(u'.') && digits.contains(u',');
    const bool decimal = bothSigns || digits.size() - last - 1 <= 2 || digits.count(digits[last]) == 1;
    QString whole = digits.left(last);
    whole.remove(u'.');
    whole.remove(u',');
    return decimal ? whole + u',' + digits.mid(last + 1) : whole + digits.mid(last + 1);
}

QString TellicoMapping::withCountry(const QString &info, qsizetype at, const QString &country)
{
    const QString part = QStringLiteral("Land: ") + country;
    if (at >= info.size())
        return info.isEmpty() ? part : info + PartSeparator + part;
    return info.left(at) + part + PartSeparator + info.mid(at);
}

void TellicoMapping::finish(StampRecord &record)
{
    static const QString Dash = QStringLiteral("-");
    for (const int field :
         {StampRecord::CatalogueNumber, StampRecord::Subject, StampRecord::FaceValue, StampRecord::Depiction,
          StampRecord::Info, StampRecord::CataloguePrice, StampRecord::OwnPrice}) {
        if (record[field].trimmed().isEmpty())
            record[field] = Dash;
    }
    for (QString &field : record.fields) {
        if (field.trimmed() == CollectionFile::SeparatorLine)
            field = Dash;
    }
}

void TellicoMapping::map(const TellicoFile::Entry &entry, Mapped &mapped) const
{
    int replaced = 0;
    const auto value = [&](QStringView name) { return storable(oneLine(entry.value(name)), replaced); };
    StampRecord &record = mapped.record;
    record = StampRecord();

    QStringList years;
    for (const QString &year : entry.all(u"year") + entry.all(u"years")) {
        if (const QString line = oneLine(year); !line.isEmpty())
            years.append(storable(line, replaced));
    }
    record[StampRecord::Year] = years.value(0);

    const QString scott = value(u"scott");
    QStringList parts;
    const auto addPart = [&parts](const char *label, const QString &text) {
        if (!text.isEmpty())
            parts.append(QLatin1String(label) + QStringLiteral(": ") + text);
    };
    if (years.size() > 1)
        addPart("Andere jaren", years.mid(1).join(QStringLiteral(", ")));
    addPart("Kwaliteit", value(u"grade"));
    addPart("Centrering", value(u"centering"));
    const QString hinged = value(u"hinged");
    addPart("Plakker", hinged);
    addPart("Gom", value(u"gummed"));
    addPart("Kleur", value(u"color"));
    addPart("Plaats", value(u"location"));
    addPart("Aankoopdatum", value(u"pur_date"));
    if (isOneOf(oneLine(entry.value(u"gift")), Yes))
        addPart("Geschenk", QStringLiteral("ja"));

    // The first catalogue field the entry fills gives the number; the others
    // are kept in Info, the Scott number as an entry of its own.
    QString number;
    QStringList otherNumbers;
    for (const Custom &catalogue : m_catalogues) {
        const QString text = value(catalogue.name);
        if (text.isEmpty())
            continue;
        if (number.isEmpty())
            number = text;
        else
            otherNumbers.append(storable(catalogue.title, replaced) + QStringLiteral(": ") + text);
    }
    if (number.isEmpty())
        number = scott;
    mapped.scott = scott;
    parts += otherNumbers;
    for (const Custom &other : m_others) {
        if (const QString text = value(other.name); !text.isEmpty())
            parts.append(storable(other.title, replaced) + QStringLiteral(": ") + text);
    }
    record[StampRecord::CatalogueNumber] = number;
    record[StampRecord::Subject] = value(u"description");
    const QString denomination = value(u"denomination");
    const QString currency = value(u"currency");
    record[StampRecord::FaceValue] = denomination.isEmpty() || currency.isEmpty()
                                         ? denomination + currency
                                         : denomination + u' ' + currency;

    QString info = parts.join(PartSeparator);
    mapped.countryAt = info.size();
    const QString comments = storable(commentLine(entry.value(u"comments")), replaced);
    if (!comments.isEmpty()) {
        if (!info.isEmpty())
            info += PartSeparator;
        mapped.countryAt = info.size();
        info += QStringLiteral("Opmerkingen: ") + comments;
    }
    record[StampRecord::Info] = info;

    if (isOneOf(oneLine(entry.value(u"cancelled")), Yes))
        record[StampRecord::Condition] = QStringLiteral("Gestempeld");
    else if (hinged.isEmpty() || isOneOf(hinged, NeverHinged))
        record[StampRecord::Condition] = QStringLiteral("Postfris");
    else
        record[StampRecord::Condition] = QStringLiteral("Ongebruikt");
    record[StampRecord::OwnPrice] = price(entry.value(u"pur_price"));

    mapped.country = value(u"country");
    mapped.pictureId = entry.value(u"image").trimmed();
    mapped.replacedCharacters = replaced;
}
