#include "BenchSizes.h"
#include "SampleCollection.h"

#include "catalogue/TradeList.h"
#include "catalogue/WantList.h"

#include <benchmark/benchmark.h>

#include <QStringList>

#include <vector>

namespace {

// The sample collection with a third of its numbers in other series, some
// written with a space and some in small letters, as collectors type them.
const std::vector<StampRecord> &listRecords(int count)
{
    static std::vector<StampRecord> records;
    if (static_cast<int>(records.size()) != count) {
        records = SampleCollection::records(count);
        const QStringList prefixes{QString(), QStringLiteral("LP"), QStringLiteral("MBund "),
                                   QStringLiteral("lp ")};
        for (size_t row = 0; row < records.size(); ++row) {
            QString &number = records[row][StampRecord::CatalogueNumber];
            number.prepend(prefixes.at(static_cast<qsizetype>(row % 6 < 3 ? 0 : row % 6 - 2)));
        }
    }
    return records;
}

// Ten ranges over the whole collection: one long run of numbers, series with
// a prefix, single numbers with and without a suffix, and one category.
void WantListTenRanges(benchmark::State &state)
{
    const std::vector<StampRecord> &records = listRecords(static_cast<int>(state.range(0)));
    const QStringList ranges{QStringLiteral("1-4000"),       QStringLiteral("LP1-LP500"),
                             QStringLiteral("MBund 1-2000"), QStringLiteral("lp 2000 - LP 4000"),
                             QStringLiteral("100-199"),      QStringLiteral("NVPH 1-100"),
                             QStringLiteral("MBund 152"),    QStringLiteral("LP 12a"),
                             QStringLiteral("3999a"),        QStringLiteral("1-1000000")};
    for (auto _ : state)
        benchmark::DoNotOptimize(WantList::of(records, ranges).total());
}

void TradeListWhole(benchmark::State &state)
{
    const std::vector<StampRecord> &records = listRecords(static_cast<int>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(TradeList::of(records).entries().size());
}

} // namespace

BENCHMARK(WantListTenRanges)->Apply(BenchSizes::all);
BENCHMARK(TradeListWhole)->Apply(BenchSizes::all);
