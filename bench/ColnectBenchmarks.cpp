#include "ImportResident.h"
#include "SampleCollection.h"
#include "SampleFolder.h"
#include "SampleImport.h"

#include "common/ColnectSample.h"
#include "importing/ColnectImport.h"
#include "storage/folder/ProgramFolder.h"

#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <malloc.h>

namespace {

// The sample records as a Colnect stamp list of as many rows, of five
// countries and two lists, with every column the mapping reads filled.
QString sampleList(int count)
{
    static QTemporaryDir folder;
    static QString path;
    if (!path.isEmpty())
        return path;
    const QStringList countries = {"Nederland", "Belgi\u00eb", "Germany", "France", ""};
    QList<ColnectSample::Row> rows;
    int i = 0;
    for (const StampRecord &record : SampleCollection::records(count)) {
        ++i;
        rows.append({{"Name", record[StampRecord::Subject]},
                     {"Country", countries[i % 5]},
                     {"Series", record[StampRecord::Depiction]},
                     {"Catalog Codes", QStringLiteral("Mi:NL %1, Sn:NL %2, Yt:NL %3")
                                           .arg(record[StampRecord::CatalogueNumber])
                                           .arg(i)
                                           .arg(i + 7)},
                     {"Issued on", record[StampRecord::Year] + QStringLiteral("-05-01")},
                     {"Format", "Stamp"},
                     {"Emission", "Commemorative"},
                     {"Perforation", "comb<i> 13 x 12\u00bd</i>"},
                     {"Currency", "c - Dutch cent"},
                     {"FaceValue", QString::number(i % 100)},
                     {"Colors", "red"},
                     {"Description", record[StampRecord::Info]},
                     {"Link", QStringLiteral("https://colnect.com/en/stamps/stamp/%1").arg(i)},
                     {"List", "Wish,Swap"},
                     {"Quantity", "[1],[]"},
                     {"Condition", "[MNH],[]"}});
    }
    path = folder.path() + QStringLiteral("/lijst.csv");
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(ColnectSample::list(rows)) < 0)
        qFatal("Colnect sample could not be written");
    return path;
}

// 100,000 rows of a Colnect list read and written as a collection with its
// catalogue numbers. The memory figures come from fresh processes: the peak
// of the import above the empty process, and what the collection it wrote
// takes when loaded.
void ColnectImportList(benchmark::State &state)
{
    const QString file = sampleList(static_cast<int>(state.range(0)));
    ImportResident::count(state, QStringLiteral("--colnect-resident"), file);
    for (auto _ : state) {
        QTemporaryDir target;
        QDir(target.path()).mkpath(QStringLiteral("Verzameling"));
        importSample<ColnectImport>(file, ProgramFolder(target.path()));
        state.PauseTiming();
        malloc_trim(0);
        state.ResumeTiming();
    }
}

} // namespace

int measureColnectResident(const QString &file, const QString &home)
{
    return ImportResident::measure([&] { importSample<ColnectImport>(file, ProgramFolder(home)); });
}

BENCHMARK(ColnectImportList)->Arg(100000)->Unit(benchmark::kMillisecond);
