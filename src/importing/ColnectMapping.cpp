#include "importing/ColnectMapping.h"

#include "importing/TellicoMapping.h"

#include "storage/text/Windows1252.h"

#include <QVarLengthArray>

#include <algorithm>
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
    QString ours;
};
const std::array<Word, 7> Emissions = {{
    {QLatin1String("Definitive"), QStringLiteral("Frankeerzegels")},
    {QLatin1String("Commemorative"), QStringLiteral("Herdenkingszegels")},
    {QLatin1String("Air Post"), QStringLiteral("Luchtpostzegels")},
    {QLatin1String("Semi-Postal"), QStringLiteral("Weldadigheidszegels")},
    {QLatin1String("Charity"), QStringLiteral("Weldadigheidszegels")},
    {QLatin1String("Postage Due"), QStringLiteral("Portzegels")},
    {QLatin1String("Official"), QStringLiteral("Dienstzegels")},
}};
const std::array<Word, 6> Formats = {{
    {QLatin1String("Stamp"), QStringLiteral("Los")},
    {QLatin1String("Souvenir Sheet"), QStringLiteral("Blok")},
    {QLatin1String("Block"), QStringLiteral("Blok")},
    {QLatin1String("Sheetlet"), QStringLiteral("Velletje")},
    {QLatin1String("Booklet"), QStringLiteral("Boekje")},
    {QLatin1String("Pair"), QStringLiteral("Paar")},
}};
const std::array<Word, 5> Conditions = {{
    {QLatin1String("MNH"), QStringLiteral("Postfris")},
    {QLatin1String("MH"), QStringLiteral("Met plakker")},
    {QLatin1String("MNG"), QStringLiteral("Ongebruikt")},
    {QLatin1String("U"), QStringLiteral("Gestempeld")},
    {QLatin1String("CTO"), QStringLiteral("Gestempeld")},
}};

template <size_t N> QString translated(const std::array<Word, N> &words, QStringView text)
{
    for (const Word &word : words) {
        if (text.compare(word.colnect, Qt::CaseInsensitive) == 0)
            return word.ours;
    }
    return text.toString();
}

const QString PartSeparator = QStringLiteral("; ");

bool canEncode(QChar c)
{
    return c.unicode() < 0x80 || Windows1252::canEncode(c);
}

// Whether plainText would give the text back as it is: no tag, no character
// reference, no space at either end, none doubled and none but the plain one.
bool isPlain(QStringView text)
{
    bool afterSpace = true;
    for (const QChar c : text) {
        if (c == u'<' || c == u'&')
            return false;
        if (c.isSpace()) {
            if (afterSpace || c != u' ')
                return false;
            afterSpace = true;
        } else {
            afterSpace = false;
        }
    }
    return text.isEmpty() || !afterSpace;
}

// Calls each(system, number) for every code of "Mi:DE 1234, Gz :AR 758". A
// code is "SYS:CC NUMBER" or "SYS:NUMBER", spaces around each part allowed;
// what is no code, a system of spaces alone included (no catalogue line can
// hold a blank system), is passed over.
template <typename Each> void forEachCode(QStringView text, Each each)
{
    const auto isSpace = [](QChar c) { return c.isSpace(); };
    for (const QStringView part : text.tokenize(u',', Qt::SkipEmptyParts)) {
        const qsizetype colon = part.indexOf(u':');
        if (colon <= 0)
            continue;
        QStringView system = part.first(colon);
        const auto systemEnd = std::find_if_not(system.rbegin(), system.rend(), isSpace).base();
        if (systemEnd == system.begin())
            continue;
        system = QStringView(std::find_if_not(system.begin(), systemEnd, isSpace), systemEnd);
        QStringView rest = part.sliced(colon + 1);
        const auto restEnd = std::find_if_not(rest.rbegin(), rest.rend(), isSpace).base();
        rest = QStringView(std::find_if_not(rest.begin(), restEnd, isSpace), restEnd);
        if (rest.isEmpty())
            continue;
        // A first word followed by more is the country code.
        const auto wordEnd = std::find_if(rest.begin(), rest.end(), isSpace);
        if (wordEnd != rest.end())
            rest = QStringView(std::find_if_not(wordEnd, rest.end(), isSpace), rest.end());
        each(system, rest);
    }
}

// "[2],[]" → "2", "".
QVarLengthArray<QStringView, 8> cellViews(QStringView text)
{
    QVarLengthArray<QStringView, 8> result;
    for (const QStringView cell : text.tokenize(u',')) {
        QStringView inner = cell.trimmed();
        if (inner.startsWith(u'['))
            inner = inner.sliced(1);
        if (inner.endsWith(u']'))
            inner.chop(1);
        result.append(inner.trimmed());
    }
    return result;
}

// The item number of a link ".../stamp/1234-Name", empty when it names none.
QStringView itemOf(QStringView link)
{
    static const QString marker = QStringLiteral("/stamp/");
    for (qsizetype at = link.indexOf(marker); at >= 0; at = link.indexOf(marker, at + 1)) {
        const QStringView after = link.sliced(at + marker.size());
        const auto digitsEnd =
            std::find_if_not(after.begin(), after.end(), [](QChar c) { return c.isDigit(); });
        if (digitsEnd != after.begin())
            return QStringView(after.begin(), digitsEnd);
    }
    return {};
}

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

QStringView ColnectMapping::field(const std::vector<QStringView> &fields, Column column) const
{
    const int at = m_index[static_cast<size_t>(column)];
    return at >= 0 && static_cast<size_t>(at) < fields.size() ? fields[static_cast<size_t>(at)]
                                                              : QStringView();
}

QStringView ColnectMapping::value(const std::vector<QStringView> &fields, Column column, QString &scratch,
                                  int &replaced) const
{
    const QStringView text = field(fields, column);
    if (isPlain(text) && std::all_of(text.begin(), text.end(), canEncode))
        return text;
    scratch = TellicoMapping::storable(plainText(text), replaced);
    return scratch;
}

QString ColnectMapping::plainText(QStringView html)
{
    // A tag is "<" up to the next ">"; a "<" without a ">" after it is text.
    QString tagless;
    tagless.reserve(html.size());
    for (qsizetype i = 0; i < html.size(); ++i) {
        if (html[i] == u'<') {
            const qsizetype close = html.indexOf(u'>', i + 1);
            if (close < 0) {
                tagless += html.sliced(i);
                break;
            }
            tagless += u' ';
            i = close;
            continue;
        }
        tagless += html[i];
    }
    struct Reference {
        QLatin1String name;
        char16_t character;
    };
    static const std::array<Reference, 6> references = {{{QLatin1String("&nbsp;"), u' '},
                                                         {QLatin1String("&lt;"), u'<'},
                                                         {QLatin1String("&gt;"), u'>'},
                                                         {QLatin1String("&quot;"), u'"'},
                                                         {QLatin1String("&#39;"), u'\''},
                                                         {QLatin1String("&amp;"), u'&'}}};
    QString text;
    text.reserve(tagless.size());
    for (qsizetype i = 0; i < tagless.size(); ++i) {
        const auto reference =
            tagless[i] != u'&' ? references.end()
                               : std::find_if(references.begin(), references.end(), [&](const Reference &r) {
                                     return QStringView(tagless).sliced(i).startsWith(r.name);
                                 });
        if (reference == references.end()) {
            text += tagless[i];
        } else {
            text += QChar(reference->character);
            i += reference->name.size() - 1;
        }
    }
    return text.simplified();
}

QList<CatalogueEntry> ColnectMapping::codes(QStringView text)
{
    QList<CatalogueEntry> entries;
    forEachCode(text, [&entries](QStringView system, QStringView number) {
        entries.append({systemName(system), number.toString(), {}, {}});
    });
    return entries;
}

QStringList ColnectMapping::cells(QStringView text)
{
    QStringList result;
    for (const QStringView cell : cellViews(text))
        result.append(cell.toString());
    return result;
}

QString ColnectMapping::system(QStringView colnect)
{
    for (const auto &[written, kept] : m_systems) {
        if (written == colnect)
            return kept;
    }
    m_systems.emplace_back(colnect.toString(), systemName(colnect));
    return m_systems.back().second;
}

QString ColnectMapping::sharedCondition(QStringView text)
{
    for (const QString &condition : std::as_const(m_conditions)) {
        if (condition == text)
            return condition;
    }
    m_conditions.append(text.toString());
    return m_conditions.back();
}

QString ColnectMapping::condition(QStringView colnect)
{
    for (const Word &word : Conditions) {
        if (colnect.compare(word.colnect, Qt::CaseInsensitive) == 0)
            return word.ours;
    }
    return {};
}

void ColnectMapping::map(const std::vector<QStringView> &fields, Mapped &mapped)
{
    int replaced = 0;
    QString scratch;
    // A view lasts until the next: it may lie in the scratch.
    const auto view = [&](Column column) { return value(fields, column, scratch, replaced); };
    StampRecord &record = mapped.record;
    record = StampRecord();

    const QString issued = view(IssuedOn).toString();
    record[StampRecord::Year] = issued.left(4);
    record[StampRecord::Subject] = view(Name).toString();
    QString currency = view(Currency).toString();
    if (const qsizetype dash = currency.indexOf(QLatin1String(" - ")); dash >= 0)
        currency.truncate(dash);
    QString faceValue = view(FaceValue).toString();
    faceValue.replace(u'.', u',');
    record[StampRecord::FaceValue] =
        faceValue.isEmpty() || currency.isEmpty() ? faceValue : faceValue + u' ' + currency.trimmed();
    record[StampRecord::Category] = translated(Emissions, view(Emission));
    record[StampRecord::Type] = translated(Formats, view(Format));

    m_info.resize(0);
    const auto addPart = [this](QLatin1String label, QStringView text) {
        if (text.isEmpty())
            return;
        if (!m_info.isEmpty())
            m_info += PartSeparator;
        m_info.append(label).append(QLatin1String(": ")).append(text);
    };
    if (issued.size() > 4)
        addPart(QLatin1String("Uitgifte"), issued);
    addPart(QLatin1String("Serie"), view(Series));
    addPart(QLatin1String("Variant"), view(Variant));
    addPart(QLatin1String("Tanding"), view(Perforation));
    addPart(QLatin1String("Druk"), view(Printing));
    addPart(QLatin1String("Papier"), view(Paper));
    addPart(QLatin1String("Watermerk"), view(Watermark));
    addPart(QLatin1String("Gom"), view(Gum));
    addPart(QLatin1String("Kleuren"), view(Colors));
    addPart(QLatin1String("Ontwerpers"), view(Designers));
    addPart(QLatin1String("Drukkerij"), view(Printers));
    addPart(QLatin1String("Oplage"), view(PrintRun));
    addPart(QLatin1String("Thema's"), view(Themes));
    addPart(QLatin1String("Beschrijving"), view(Description));
    addPart(QLatin1String("Opmerking"), view(PublicNote));
    addPart(QLatin1String("Eigen notitie"), view(PrivateNote));
    // Copied at its size: the room grew in steps.
    record[StampRecord::Info] = QStringView(m_info).toString();

    mapped.codes.clear();
    forEachCode(view(Codes), [&](QStringView colnect, QStringView number) {
        mapped.codes.append({system(colnect), number.toString(), {}, {}});
    });
    mapped.itemNumber = itemOf(view(Link)).toString();
    mapped.country = view(Country).toString();

    mapped.lists.clear();
    QString listScratch;
    QString quantityScratch;
    const QStringView lists = value(fields, List, listScratch, replaced);
    if (!lists.isEmpty()) {
        const auto quantities = cellViews(value(fields, Quantity, quantityScratch, replaced));
        const auto conditions = cellViews(view(Condition));
        qsizetype i = 0;
        for (const QStringView listName : lists.tokenize(u',')) {
            const QStringView name = listName.trimmed();
            qsizetype list = m_listNames.indexOf(name);
            if (list < 0) {
                list = m_listNames.size();
                m_listNames.append(name.toString());
            }
            bool number = false;
            const int quantity = i < quantities.size() ? quantities[i].toInt(&number) : 0;
            mapped.lists.push_back({static_cast<int>(list), number && quantity >= 0 ? quantity : -1,
                                    i < conditions.size() ? sharedCondition(conditions[i]) : QString()});
            ++i;
        }
    }
    mapped.replacedCharacters = replaced;
}
