#include "importing/ColnectMapping.h"

#include "importing/TellicoMapping.h"

#include <QRegularExpression>

#include <array>

namespace {

// The header names of the columns the mapping reads, in the order of its Column.
const std::array<QLatin1String, 27> ColumnNames = {
    QLatin1String("Name"),          QLatin1String("Country"),     QLatin1String("Series"),
    QLatin1String("Catalog Codes"), QLatin1String("Issued on"),   QLatin1String("Watermark"),
    QLatin1String("Format"),        QLatin1String("Emission"),    QLatin1String("Perforation"),
    QLatin1String("Printing"),      QLatin1String("Paper"),       QLatin1String("Gum"),
    QLatin1String("Currency"),      QLatin1String("FaceValue"),   QLatin1String("Print run"),
    QLatin1String("Variant"),       QLatin1String("Colors"),      QLatin1String("Designers"),
    QLatin1String("Printers"),      QLatin1String("Themes"),      QLatin1String("Description"),
    QLatin1String("Link"),          QLatin1String("List"),        QLatin1String("Quantity"),
    QLatin1String("Condition"),     QLatin1String("Public Note"), QLatin1String("Private Note"),
};

struct Word {
    QLatin1String colnect;
    QLatin1String ours;
};
const std::array<Word, 7> Emissions = {{
    {QLatin1String("Definitive"), QLatin1String("Frankeerzegels")},
    {QLatin1String("Commemorative"), QLatin1String("Herdenkingszegels")},
    {QLatin1String("Air Post"), QLatin1String("Luchtpostzegels")},
    {QLatin1String("Semi-Postal"), QLatin1String("Weldadigheidszegels")},
    {QLatin1String("Charity"), QLatin1String("Weldadigheidszegels")},
    {QLatin1String("Postage Due"), QLatin1String("Portzegels")},
    {QLatin1String("Official"), QLatin1String("Dienstzegels")},
}};
const std::array<Word, 6> Formats = {{
    {QLatin1String("Stamp"), QLatin1String("Los")},
    {QLatin1String("Souvenir Sheet"), QLatin1String("Blok")},
    {QLatin1String("Block"), QLatin1String("Blok")},
    {QLatin1String("Sheetlet"), QLatin1String("Velletje")},
    {QLatin1String("Booklet"), QLatin1String("Boekje")},
    {QLatin1String("Pair"), QLatin1String("Paar")},
}};
const std::array<Word, 5> Conditions = {{
    {QLatin1String("MNH"), QLatin1String("Postfris")},
    {QLatin1String("MH"), QLatin1String("Met plakker")},
    {QLatin1String("MNG"), QLatin1String("Ongebruikt")},
    {QLatin1String("U"), QLatin1String("Gestempeld")},
    {QLatin1String("CTO"), QLatin1String("Gestempeld")},
}};

template <size_t N> QString translated(const std::array<Word, N> &words, const QString &text)
{
    for (const Word &word : words) {
        if (text.compare(word.colnect, Qt::CaseInsensitive) == 0)
            return word.ours;
    }
    return text;
}

const QString PartSeparator = QStringLiteral("; ");

} // namespace

QString ColnectMapping::systemName(QStringView colnect)
{
    if (colnect.compare(QLatin1String("Sn"), Qt::CaseInsensitive) == 0 ||
        colnect.compare(QLatin1String("Sc"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("Sc");
    if (colnect.compare(QLatin1String("Sg"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("SG");
    return colnect.toString();
}

ColnectMapping::ColnectMapping(const QStringList &columns)
    : m_index(ColumnCount, -1)
{
    for (size_t column = 0; column < ColumnNames.size(); ++column)
        m_index[column] = static_cast<int>(columns.indexOf(ColumnNames[column]));
}

QString ColnectMapping::field(const std::vector<QString> &fields, Column column) const
{
    const int at = m_index[static_cast<size_t>(column)];
    return at >= 0 && static_cast<size_t>(at) < fields.size() ? plainText(fields[static_cast<size_t>(at)])
                                                              : QString();
}

QString ColnectMapping::plainText(QStringView html)
{
    static const QRegularExpression tags(QStringLiteral("<[^>]*>"));
    static const QRegularExpression space(QStringLiteral("\\s+"));
    QString text = html.toString();
    if (text.contains(u'<'))
        text.replace(tags, QStringLiteral(" "));
    if (text.contains(u'&')) {
        text.replace(QLatin1String("&nbsp;"), QLatin1String(" "));
        text.replace(QLatin1String("&lt;"), QLatin1String("<"));
        text.replace(QLatin1String("&gt;"), QLatin1String(">"));
        text.replace(QLatin1String("&quot;"), QLatin1String("\""));
        text.replace(QLatin1String("&#39;"), QLatin1String("'"));
        text.replace(QLatin1String("&amp;"), QLatin1String("&"));
    }
    return text.simplified();
}

QList<CatalogueEntry> ColnectMapping::codes(QStringView text)
{
    // A code is "SYS:CC NUMBER" or "SYS:NUMBER"; what is no code is passed over.
    static const QRegularExpression code(
        QStringLiteral("^\\s*([^:]+?)\\s*:\\s*(?:(\\S+)\\s+)?(\\S.*?)\\s*$"));
    QList<CatalogueEntry> entries;
    for (const QString &part : text.toString().split(u',', Qt::SkipEmptyParts)) {
        const QRegularExpressionMatch match = code.match(part);
        if (match.hasMatch())
            entries.append({systemName(match.capturedView(1)), match.captured(3), {}, {}});
    }
    return entries;
}

QStringList ColnectMapping::cells(QStringView text)
{
    QStringList result;
    for (const QStringView cell : text.split(u',')) {
        QStringView inner = cell.trimmed();
        if (inner.startsWith(u'['))
            inner = inner.sliced(1);
        if (inner.endsWith(u']'))
            inner.chop(1);
        result.append(inner.trimmed().toString());
    }
    return result;
}

QString ColnectMapping::condition(QStringView colnect)
{
    for (const Word &word : Conditions) {
        if (colnect.compare(word.colnect, Qt::CaseInsensitive) == 0)
            return word.ours;
    }
    return {};
}

void ColnectMapping::map(const std::vector<QString> &fields, Mapped &mapped)
{
    int replaced = 0;
    const auto value = [&](Column column) {
        return TellicoMapping::storable(field(fields, column), replaced);
    };
    StampRecord &record = mapped.record;
    record = StampRecord();

    const QString issued = value(IssuedOn);
    record[StampRecord::Year] = issued.left(4);
    record[StampRecord::Subject] = value(Name);
    QString currency = value(Currency);
    if (const qsizetype dash = currency.indexOf(QLatin1String(" - ")); dash >= 0)
        currency.truncate(dash);
    QString faceValue = value(FaceValue);
    faceValue.replace(u'.', u',');
    record[StampRecord::FaceValue] =
        faceValue.isEmpty() || currency.isEmpty() ? faceValue : faceValue + u' ' + currency.trimmed();
    record[StampRecord::Category] = translated(Emissions, value(Emission));
    record[StampRecord::Type] = translated(Formats, value(Format));

    QStringList parts;
    const auto addPart = [&parts](const QString &label, const QString &text) {
        if (!text.isEmpty())
            parts.append(label + QStringLiteral(": ") + text);
    };
    if (issued.size() > 4)
        addPart(QStringLiteral("Uitgifte"), issued);
    addPart(QStringLiteral("Serie"), value(Series));
    addPart(QStringLiteral("Variant"), value(Variant));
    addPart(QStringLiteral("Tanding"), value(Perforation));
    addPart(QStringLiteral("Druk"), value(Printing));
    addPart(QStringLiteral("Papier"), value(Paper));
    addPart(QStringLiteral("Watermerk"), value(Watermark));
    addPart(QStringLiteral("Gom"), value(Gum));
    addPart(QStringLiteral("Kleuren"), value(Colors));
    addPart(QStringLiteral("Ontwerpers"), value(Designers));
    addPart(QStringLiteral("Drukkerij"), value(Printers));
    addPart(QStringLiteral("Oplage"), value(PrintRun));
    addPart(QStringLiteral("Thema's"), value(Themes));
    addPart(QStringLiteral("Beschrijving"), value(Description));
    addPart(QStringLiteral("Opmerking"), value(PublicNote));
    addPart(QStringLiteral("Eigen notitie"), value(PrivateNote));
    record[StampRecord::Info] = parts.join(PartSeparator);

    mapped.codes = codes(value(Codes));
    const QString link = value(Link);
    static const QRegularExpression item(QStringLiteral("/stamp/(\\d+)"));
    mapped.itemNumber = item.match(link).captured(1);
    mapped.country = value(Country);

    mapped.lists.clear();
    const QString lists = value(List);
    if (!lists.isEmpty()) {
        const QStringList quantities = cells(value(Quantity));
        const QStringList conditions = cells(value(Condition));
        const QStringList names = lists.split(u',');
        for (qsizetype i = 0; i < names.size(); ++i) {
            const QString name = names.at(i).trimmed();
            qsizetype list = m_listNames.indexOf(name);
            if (list < 0) {
                list = m_listNames.size();
                m_listNames.append(name);
            }
            bool number = false;
            const int quantity = quantities.value(i).toInt(&number);
            mapped.lists.push_back(
                {static_cast<int>(list), number && quantity >= 0 ? quantity : -1, conditions.value(i)});
        }
    }
    mapped.replacedCharacters = replaced;
}
