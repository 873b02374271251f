#include "BenchSizes.h"
#include "RequireSuccess.h"
#include "SampleCollection.h"

#include "storage/catalogue/CatalogueEntries.h"
#include "storage/document/RecordList.h"
#include "storage/document/RecordListFiles.h"
#include "storage/document/RecordSearch.h"
#include "storage/folder/ProgramFolder.h"
#include "storage/keeping/CollectionFiles.h"

#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <map>
#include <memory>

namespace {

// A program folder of its own (the shared sample folder stays without
// entries): the sample collection with three entries per record's stamp, in
// Mi, Yt and SG, with a value and an edition each.
class EntriesFolder {
public:
    static inline const QString Name = QStringLiteral("Proef");

    explicit EntriesFolder(int count)
        : m_folder(m_dir.path())
    {
        QDir(m_dir.path()).mkpath(QStringLiteral("Verzameling"));
        QFile file(m_folder.collectionFile(Name));
        if (file.open(QIODevice::WriteOnly))
            file.write(SampleCollection::collectionFile(count));
        file.close();
        RecordList list;
        QString name;
        requireSuccess(LoadCollection(m_folder, Name, list, name));
        CatalogueEntries entries;
        for (int row = 0; row < list.count(); ++row) {
            const QString number = QString::number(row);
            entries.set(
                CatalogueEntries::keyOf(list.record(row)),
                {{QStringLiteral("Mi"), number, QStringLiteral("1,50"), QStringLiteral("2020")},
                 {QStringLiteral("Yt"), number + u'a', QStringLiteral("2,00"), QStringLiteral("2019")},
                 {QStringLiteral("SG"), QStringLiteral("MS ") + number, QStringLiteral("1.25"),
                  QStringLiteral("2024")}});
        }
        requireSuccess(CollectionFiles(m_folder, Name).writeCatalogue(entries));
    }

    const ProgramFolder &folder() const { return m_folder; }

    static EntriesFolder &of(int count)
    {
        static std::map<int, std::unique_ptr<EntriesFolder>> folders;
        std::unique_ptr<EntriesFolder> &folder = folders[count];
        if (!folder)
            folder = std::make_unique<EntriesFolder>(count);
        return *folder;
    }

private:
    QTemporaryDir m_dir;
    ProgramFolder m_folder;
};

// The collection alone, then with its side file: the side file's part is
// the difference (the goal: with entries at most 1.5 times the time without).
void loadInto(benchmark::State &state, bool withEntries)
{
    const EntriesFolder &sample = EntriesFolder::of(static_cast<int>(state.range(0)));
    RecordList list;
    CatalogueEntries entries;
    QString name;
    for (auto _ : state) {
        state.PauseTiming();
        list.clear();
        entries.clear();
        BenchSizes::settleHeap(state);
        state.ResumeTiming();
        requireSuccess(LoadCollection(sample.folder(), EntriesFolder::Name, list, name));
        if (withEntries)
            requireSuccess(
                CollectionFiles(sample.folder(), EntriesFolder::Name).readCatalogue(entries).result);
    }
}

void CatalogueLoadWithoutEntries(benchmark::State &state)
{
    loadInto(state, false);
}

void CatalogueLoadWithEntries(benchmark::State &state)
{
    loadInto(state, true);
}

// One step of the search bar by another system's number, from the top. Two
// numbers in turn, so that no step finds the answer of the one before.
void CatalogueSearchStep(benchmark::State &state)
{
    const EntriesFolder &sample = EntriesFolder::of(static_cast<int>(state.range(0)));
    RecordList list;
    CatalogueEntries entries;
    QString name;
    requireSuccess(LoadCollection(sample.folder(), EntriesFolder::Name, list, name));
    requireSuccess(CollectionFiles(sample.folder(), EntriesFolder::Name).readCatalogue(entries).result);
    const QString texts[] = {QStringLiteral("mi%1").arg(list.count() - 2),
                             QStringLiteral("Mi %1").arg(list.count() - 1)};
    int turn = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(
            RecordSearch::find(list, texts[turn++ % 2], -1, RecordSearch::Direction::Next, &entries));
}

} // namespace

BENCHMARK(CatalogueLoadWithoutEntries)->Apply(BenchSizes::all);
BENCHMARK(CatalogueLoadWithEntries)->Apply(BenchSizes::all);
BENCHMARK(CatalogueSearchStep)->Apply(BenchSizes::all);
