#include "storage/catalogue/CatalogueEntries.h"

#include "storage/text/Trim.h"
#include "storage/text/Windows1252.h"

#include <QCollator>

#include <algorithm>
#include <atomic>

namespace {

constexpr QChar FieldSeparator = u'\t';
constexpr QChar EntrySeparator = u'\n';

std::atomic<quint64> lastGeneration{0};

// The text with its spaces left out, case folded.
QString searchForm(QStringView text)
{
    QString folded;
    folded.reserve(text.size());
    for (const QChar c : text) {
        if (!c.isSpace())
            folded.append(c.toCaseFolded());
    }
    return folded;
}

int compareSystems(QStringView left, QStringView right)
{
    return left.compare(right, Qt::CaseInsensitive);
}

} // namespace

QString CatalogueEntries::keyOf(const StampRecord &record)
{
    return keyOf(record[StampRecord::Year], record[StampRecord::CatalogueNumber]);
}

QString CatalogueEntries::keyOf(QStringView year, const QString &catalogueNumber)
{
    const QStringView trimmedYear = trimmedSpaces(year);
    QString key;
    key.reserve(trimmedYear.size() + 1 + catalogueNumber.size());
    key.append(trimmedYear).append(FieldSeparator).append(catalogueNumber);
    return key;
}

std::pair<QStringView, QStringView> CatalogueEntries::splitKey(const QString &key)
{
    const qsizetype tab = key.indexOf(FieldSeparator);
    if (tab < 0)
        return {QStringView(key), QStringView()};
    return {QStringView(key).first(tab), QStringView(key).sliced(tab + 1)};
}

CatalogueEntries::List CatalogueEntries::of(const QString &key) const
{
    const auto found = m_packed.constFind(key);
    return found == m_packed.cend() ? List() : unpack(*found);
}

void CatalogueEntries::set(const QString &key, const List &entries)
{
    setPacked(key, pack(entries));
}

void CatalogueEntries::changed()
{
    m_generation = ++lastGeneration;
}

void CatalogueEntries::setPacked(const QString &key, const QString &packed)
{
    changed();
    if (packed.isEmpty())
        m_packed.remove(key);
    else
        m_packed.insert(key, packed);
}

QString CatalogueEntries::pack(const List &entries)
{
    QString packed;
    for (const CatalogueEntry &entry : entries) {
        if (!packed.isEmpty())
            packed.append(EntrySeparator);
        packed.append(entry.system)
            .append(FieldSeparator)
            .append(entry.number)
            .append(FieldSeparator)
            .append(entry.value)
            .append(FieldSeparator)
            .append(entry.edition);
    }
    return packed;
}

CatalogueEntries::List CatalogueEntries::unpack(QStringView packed)
{
    List entries;
    if (packed.isEmpty())
        return entries;
    for (const QStringView line : packed.tokenize(EntrySeparator)) {
        CatalogueEntry entry;
        QString *fields[] = {&entry.system, &entry.number, &entry.value, &entry.edition};
        int field = 0;
        for (const QStringView part : line.tokenize(FieldSeparator)) {
            if (field < 4)
                *fields[field++] = part.toString();
        }
        entries.append(std::move(entry));
    }
    return entries;
}

std::vector<QString> CatalogueEntries::stampsMatching(QStringView text) const
{
    const QString wanted = searchForm(text);
    if (wanted.isEmpty())
        return {};
    if (m_lastMatches && m_lastMatches->generation == m_generation && m_lastMatches->text == wanted)
        return m_lastMatches->stamps;
    auto matches = std::make_shared<Matches>();
    matches->generation = m_generation;
    matches->text = wanted;
    QString entryForm;
    for (auto it = m_packed.cbegin(); it != m_packed.cend(); ++it) {
        for (const QStringView line : QStringView(it.value()).tokenize(EntrySeparator)) {
            // System and number: the line up to its second TAB.
            const qsizetype first = line.indexOf(FieldSeparator);
            const qsizetype second = first < 0 ? -1 : line.indexOf(FieldSeparator, first + 1);
            entryForm.clear();
            for (const QChar c : line.first(second < 0 ? line.size() : second)) {
                if (!c.isSpace())
                    entryForm.append(c.toCaseFolded());
            }
            if (entryForm.contains(wanted)) {
                matches->stamps.push_back(it.key());
                break;
            }
        }
    }
    m_lastMatches = matches;
    return matches->stamps;
}

void CatalogueEntries::forEachStamp(const std::function<void(const QString &, const List &)> &each) const
{
    for (auto it = m_packed.cbegin(); it != m_packed.cend(); ++it)
        each(it.key(), unpack(it.value()));
}

void CatalogueEntries::forEachPacked(const std::function<void(const QString &, const QString &)> &each) const
{
    for (auto it = m_packed.cbegin(); it != m_packed.cend(); ++it)
        each(it.key(), it.value());
}

QStringList CatalogueEntries::systemsInUse() const
{
    QStringList systems;
    for (const QString &packed : m_packed) {
        for (const QStringView line : QStringView(packed).tokenize(EntrySeparator)) {
            const QStringView system = line.first(std::max<qsizetype>(line.indexOf(FieldSeparator), 0));
            const bool known = std::any_of(systems.cbegin(), systems.cend(),
                                           [&](const QString &seen) { return sameSystem(seen, system); });
            if (!known && !system.isEmpty())
                systems.append(system.toString());
        }
    }
    std::sort(systems.begin(), systems.end(),
              [](const QString &left, const QString &right) { return compareSystems(left, right) < 0; });
    return systems;
}

CatalogueEntries::List CatalogueEntries::ordered(List entries)
{
    QCollator editions;
    editions.setNumericMode(true);
    std::stable_sort(entries.begin(), entries.end(),
                     [&](const CatalogueEntry &left, const CatalogueEntry &right) {
                         if (const int bySystem = compareSystems(left.system, right.system); bySystem != 0)
                             return bySystem < 0;
                         return editions.compare(left.edition, right.edition) < 0;
                     });
    return entries;
}

bool CatalogueEntries::sameSystem(QStringView left, QStringView right)
{
    return compareSystems(left, right) == 0;
}

const CatalogueEntry *CatalogueEntries::latestOf(const List &entries, QStringView system)
{
    QCollator editions;
    editions.setNumericMode(true);
    const CatalogueEntry *latest = nullptr;
    for (const CatalogueEntry &entry : entries) {
        if (sameSystem(entry.system, system) &&
            (!latest || editions.compare(entry.edition, latest->edition) >= 0))
            latest = &entry;
    }
    return latest;
}

QString CatalogueEntries::compactLine(const List &entries)
{
    QStringList parts;
    const List sorted = ordered(entries);
    for (qsizetype index = 0; index < sorted.size(); ++index) {
        // The last of a system's run is its latest edition.
        if (index + 1 < sorted.size() && sameSystem(sorted[index].system, sorted[index + 1].system))
            continue;
        parts.append(sorted[index].system + QLatin1Char(' ') + sorted[index].number);
    }
    return parts.join(QStringLiteral(" \u00b7 "));
}

QStringList CatalogueEntries::knownSystems()
{
    return {QStringLiteral("Mi"),       QStringLiteral("Yt"),        QStringLiteral("Sc"),
            QStringLiteral("SG"),       QStringLiteral("NVPH"),      QStringLiteral("Facit"),
            QStringLiteral("Zumstein"), QStringLiteral("Unificato"), QStringLiteral("Edifil"),
            QStringLiteral("AFA"),      QStringLiteral("Colnect")};
}

bool CatalogueEntries::isStorable(QStringView text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) {
        return c != u'\t' && c != u'\r' && c != u'\n' && Windows1252::canEncode(c);
    });
}
