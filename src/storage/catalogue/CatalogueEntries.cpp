#include "storage/catalogue/CatalogueEntries.h"

#include "storage/text/Trim.h"
#include "storage/text/Windows1252.h"

#include <QCollator>

#include <algorithm>
#include <array>
#include <atomic>
#include <iterator>

namespace {

constexpr QChar FieldSeparator = u'\t';
constexpr QChar EntrySeparator = u'\n';

std::atomic<quint64> lastGeneration{0};

QChar foldedForSearch(QChar c)
{
    // Most numbers are plain ASCII, which folds without a table.
    if (c.unicode() < 0x80)
        return QChar(c >= u'A' && c <= u'Z' ? char16_t(c.unicode() + 0x20) : c.unicode());
    return c.toCaseFolded();
}

// The text with its spaces left out, case folded.
QString searchForm(QStringView text)
{
    QString folded;
    folded.reserve(text.size());
    for (const QChar c : text) {
        if (!c.isSpace())
            folded.append(foldedForSearch(c));
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

CatalogueEntries CatalogueEntries::fromFile(QByteArray bytes, std::vector<ReadStamp> read,
                                            std::vector<Stamp> others)
{
    auto kept = std::make_shared<Read>();
    kept->bytes = std::move(bytes);
    const auto keyBytes = [&kept](const ReadStamp &stamp) { return kept->keyOf(stamp); };
    const auto byKey = [&](const ReadStamp &left, const ReadStamp &right) {
        return keyBytes(left).compare(keyBytes(right)) < 0;
    };
    // The file is written in key order: mostly there is nothing to sort.
    if (!std::is_sorted(read.begin(), read.end(), byKey))
        std::stable_sort(read.begin(), read.end(), byKey);
    // A stamp whose lines lie apart (a file edited by hand) is one, given whole.
    std::vector<Stamp> apart;
    for (size_t index = 0; index < read.size();) {
        size_t end = index + 1;
        while (end < read.size() && keyBytes(read[end]) == keyBytes(read[index]))
            ++end;
        if (end - index > 1) {
            Stamp whole{Windows1252::decode(keyBytes(read[index])), {}};
            for (size_t part = index; part < end; ++part) {
                if (!whole.packed.isEmpty())
                    whole.packed.append(EntrySeparator);
                whole.packed.append(kept->packedOf(read[part]));
                read[part].length = 0;
            }
            apart.push_back(std::move(whole));
        }
        index = end;
    }
    if (!apart.empty())
        read.erase(std::remove_if(read.begin(), read.end(),
                                  [](const ReadStamp &stamp) { return stamp.length == 0; }),
                   read.end());
    kept->stamps = std::move(read);
    CatalogueEntries entries;
    entries.m_count = static_cast<qsizetype>(kept->stamps.size());
    entries.m_read = std::move(kept);
    others.insert(others.end(), std::make_move_iterator(apart.begin()), std::make_move_iterator(apart.end()));
    for (Stamp &other : others) {
        const QString packed = entries.packedOf(other.key);
        entries.setPacked(other.key,
                          packed.isEmpty() ? other.packed : packed + EntrySeparator + other.packed);
    }
    entries.changed();
    return entries;
}

QString CatalogueEntries::Read::packedOf(const ReadStamp &stamp) const
{
    QString packed;
    const QByteArrayView lines = QByteArrayView(bytes).sliced(stamp.at, stamp.length);
    qsizetype start = 0;
    while (start < lines.size()) {
        qsizetype end = start;
        while (end < lines.size() && lines[end] != '\r' && lines[end] != '\n')
            ++end;
        if (end > start) {
            if (!packed.isEmpty())
                packed.append(EntrySeparator);
            packed.append(Windows1252::decode(
                lines.sliced(start + stamp.keyLength + 1, end - start - stamp.keyLength - 1)));
        }
        start = end + 1;
    }
    return packed;
}

const CatalogueEntries::ReadStamp *CatalogueEntries::readStamp(QByteArrayView key) const
{
    if (!m_read)
        return nullptr;
    const auto found = std::lower_bound(m_read->stamps.begin(), m_read->stamps.end(), key,
                                        [this](const ReadStamp &stamp, QByteArrayView wanted) {
                                            return m_read->keyOf(stamp).compare(wanted) < 0;
                                        });
    return found != m_read->stamps.end() && m_read->keyOf(*found) == key ? &*found : nullptr;
}

QString CatalogueEntries::packedOf(const QString &key) const
{
    const QByteArray bytes = Windows1252::encode(key);
    if (const auto changed = m_changes.find(bytes); changed != m_changes.end())
        return changed->second.packed;
    const ReadStamp *stamp = readStamp(bytes);
    return stamp ? m_read->packedOf(*stamp) : QString();
}

void CatalogueEntries::set(const QString &key, const List &entries)
{
    setPacked(key, pack(entries));
}

void CatalogueEntries::changed()
{
    m_generation = ++lastGeneration;
}

void CatalogueEntries::clear()
{
    m_read.reset();
    m_changes.clear();
    m_count = 0;
    changed();
}

void CatalogueEntries::setPacked(const QString &key, const QString &packed)
{
    const bool had = has(key);
    QByteArray bytes = Windows1252::encode(key);
    if (!packed.isEmpty() || readStamp(bytes))
        m_changes[std::move(bytes)] = {key, packed};
    else
        m_changes.erase(bytes);
    m_count += (packed.isEmpty() ? 0 : 1) - (had ? 1 : 0);
    changed();
    mergeChangesWhenMany();
}

void CatalogueEntries::mergeChangesWhenMany()
{
    const size_t readCount = m_read ? m_read->stamps.size() : 0;
    if (m_changes.size() < std::max<size_t>(1024, readCount / 64))
        return;
    auto merged = std::make_shared<Read>();
    merged->stamps.reserve(static_cast<size_t>(m_count));
    forEachAsLines([&merged](QByteArrayView lines) {
        // The key is the year and the Cat.nr.: up to the line's second TAB.
        const qsizetype keyLength = lines.indexOf('\t', lines.indexOf('\t') + 1);
        merged->stamps.push_back({merged->bytes.size(), keyLength, lines.size()});
        merged->bytes.append(lines);
        return true;
    });
    m_read = std::move(merged);
    m_changes.clear();
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
    // System and number of an entry, in search form: the entry up to its second TAB.
    QString form;
    const auto entryHolds = [&](auto entry, auto characterAt) {
        form.resize(0);
        int tabs = 0;
        for (qsizetype at = 0; at < entry.size(); ++at) {
            const char16_t c = characterAt(entry, at);
            if (c == FieldSeparator) {
                if (++tabs == 2)
                    break;
            } else if (c != 0) {
                form.append(QChar(c));
            }
        }
        return form.contains(wanted);
    };
    // Each byte in search form: case folded, 0 for a space.
    static const std::array<char16_t, 256> foldedBytes = [] {
        std::array<char16_t, 256> folded{};
        for (int byte = 0; byte < 256; ++byte) {
            const char raw = static_cast<char>(byte);
            char16_t decoded = 0;
            Windows1252::decodeInto(&decoded, QByteArrayView(&raw, 1));
            const QChar c(decoded);
            folded[static_cast<size_t>(byte)] =
                c == FieldSeparator ? decoded : (c.isSpace() ? 0 : foldedForSearch(c).unicode());
        }
        return folded;
    }();
    const auto byteAt = [](QByteArrayView bytes, qsizetype at) {
        return foldedBytes[static_cast<unsigned char>(bytes[at])];
    };
    const auto characterAt = [](QStringView chars, qsizetype at) -> char16_t {
        const QChar c = chars[at];
        return c == FieldSeparator ? c.unicode() : (c.isSpace() ? 0 : foldedForSearch(c).unicode());
    };
    forEachInOrder(
        [&](const ReadStamp &stamp) {
            const QByteArrayView lines = QByteArrayView(m_read->bytes).sliced(stamp.at, stamp.length);
            qsizetype start = 0;
            while (start < lines.size()) {
                qsizetype end = start;
                while (end < lines.size() && lines[end] != '\r' && lines[end] != '\n')
                    ++end;
                if (end > start &&
                    entryHolds(lines.sliced(start + stamp.keyLength + 1, end - start - stamp.keyLength - 1),
                               byteAt)) {
                    matches->stamps.push_back(Windows1252::decode(m_read->keyOf(stamp)));
                    return;
                }
                start = end + 1;
            }
        },
        [&](const Change &change) {
            for (const QStringView line : QStringView(change.packed).tokenize(EntrySeparator)) {
                if (entryHolds(line, characterAt)) {
                    matches->stamps.push_back(change.key);
                    return;
                }
            }
        });
    m_lastMatches = matches;
    return matches->stamps;
}

void CatalogueEntries::forEachStamp(const std::function<void(const QString &, const List &)> &each) const
{
    forEachPacked([&each](const QString &key, const QString &packed) { each(key, unpack(packed)); });
}

void CatalogueEntries::forEachInOrder(const std::function<void(const ReadStamp &)> &eachRead,
                                      const std::function<void(const Change &)> &eachChanged) const
{
    static const std::vector<ReadStamp> none;
    const std::vector<ReadStamp> &read = m_read ? m_read->stamps : none;
    auto next = read.begin();
    for (const auto &[bytes, change] : m_changes) {
        for (; next != read.end() && m_read->keyOf(*next).compare(bytes) < 0; ++next)
            eachRead(*next);
        if (next != read.end() && m_read->keyOf(*next) == bytes)
            ++next;
        if (!change.packed.isEmpty())
            eachChanged(change);
    }
    for (; next != read.end(); ++next)
        eachRead(*next);
}

void CatalogueEntries::forEachPacked(const std::function<void(const QString &, const QString &)> &each) const
{
    forEachInOrder(
        [&](const ReadStamp &stamp) {
            each(Windows1252::decode(m_read->keyOf(stamp)), m_read->packedOf(stamp));
        },
        [&](const Change &change) { each(change.key, change.packed); });
}

void CatalogueEntries::forEachAsLines(const std::function<bool(QByteArrayView)> &each) const
{
    bool going = true;
    QByteArray lines;
    forEachInOrder(
        [&](const ReadStamp &stamp) {
            if (going)
                going = each(QByteArrayView(m_read->bytes).sliced(stamp.at, stamp.length));
        },
        [&](const Change &change) {
            if (!going)
                return;
            const QByteArray key = Windows1252::encode(change.key);
            lines.resize(0);
            for (const QStringView line : QStringView(change.packed).tokenize(EntrySeparator))
                lines.append(key).append('\t').append(Windows1252::encode(line)).append('\n');
            going = each(lines);
        });
}

QStringList CatalogueEntries::systemsInUse() const
{
    QStringList systems;
    const auto meet = [&systems](QStringView system) {
        const bool known = std::any_of(systems.cbegin(), systems.cend(),
                                       [&](const QString &seen) { return sameSystem(seen, system); });
        if (!known && !system.isEmpty())
            systems.append(system.toString());
    };
    // The lines read are looked at as bytes: a spelling met already costs a comparison.
    std::vector<QByteArray> spellingsMet;
    forEachInOrder(
        [&](const ReadStamp &stamp) {
            const QByteArrayView lines = QByteArrayView(m_read->bytes).sliced(stamp.at, stamp.length);
            qsizetype start = 0;
            while (start < lines.size()) {
                const qsizetype systemStart = start + stamp.keyLength + 1;
                qsizetype systemEnd = systemStart;
                while (systemEnd < lines.size() && lines[systemEnd] != '\t')
                    ++systemEnd;
                const QByteArrayView system = lines.sliced(systemStart, systemEnd - systemStart);
                if (std::find(spellingsMet.begin(), spellingsMet.end(), system) == spellingsMet.end()) {
                    spellingsMet.emplace_back(system.toByteArray());
                    meet(Windows1252::decode(system));
                }
                start = systemEnd;
                while (start < lines.size() && lines[start] != '\r' && lines[start] != '\n')
                    ++start;
                while (start < lines.size() && (lines[start] == '\r' || lines[start] == '\n'))
                    ++start;
            }
        },
        [&](const Change &change) {
            for (const QStringView line : QStringView(change.packed).tokenize(EntrySeparator))
                meet(line.first(std::max<qsizetype>(line.indexOf(FieldSeparator), 0)));
        });
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
