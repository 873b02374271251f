#include "BenchSizes.h"
#include "RequireSuccess.h"
#include "SampleFolder.h"

#include "album/SlideshowPage.h"
#include "printing/PrintJob.h"
#include "printing/PrintSource.h"
#include "printing/QtPrinterCanvas.h"
#include "storage/document/RecordList.h"
#include "storage/document/RecordListFiles.h"
#include "storage/formats/CollectionFile.h"

#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPdfWriter>
#include <QTemporaryDir>

namespace {

// A picture folder of 50 years with 200 pictures each; the files are empty,
// the page only lists them.
class AlbumFolder {
public:
    static constexpr int Years = 50;
    static constexpr int PicturesPerYear = 200;

    AlbumFolder()
        : m_folder(m_dir.path())
    {
        for (int year = 0; year < Years; ++year) {
            const QString yearFolder = m_folder.yearFolder(SampleFolder::Name, QString::number(1900 + year));
            QDir().mkpath(yearFolder);
            for (int picture = 0; picture < PicturesPerYear; ++picture) {
                QFile file(yearFolder + QStringLiteral("/%1.jpg").arg(1 + year * PicturesPerYear + picture));
                file.open(QIODevice::WriteOnly);
            }
        }
    }
    const ProgramFolder &folder() const { return m_folder; }

private:
    QTemporaryDir m_dir;
    ProgramFolder m_folder;
};

void AlbumPage(benchmark::State &state)
{
    static const AlbumFolder album;
    for (auto _ : state)
        requireSuccess(SlideshowPage::write(album.folder(), SampleFolder::Name, true));
    state.counters["pictures"] = AlbumFolder::Years * AlbumFolder::PicturesPerYear;
}

// Print jobs 1 and 2 of the whole collection into a PDF file.
void PrintToPdf(benchmark::State &state)
{
    SampleFolder &sample = SampleFolder::of(static_cast<int>(state.range(0)));
    RecordList list;
    PrintSource source;
    requireSuccess(LoadCollection(sample.folder(), SampleFolder::Name, list, source.collectionName));
    source.rows.assign(list.records().begin(), list.records().end());
    list.clear();
    const int job = static_cast<int>(state.range(1));
    const QString pdf = sample.folder().path({QStringLiteral("job.pdf")});
    for (auto _ : state) {
        QPdfWriter writer(pdf);
        QtPrinterCanvas canvas(writer);
        PrintJob::print(job, canvas, source, sample.folder(), QImage(), QStringLiteral("1"));
    }
    state.counters["pdf_MB"] = static_cast<double>(QFileInfo(pdf).size()) / 1e6;
}

void PrintSizes(benchmark::internal::Benchmark *benchmark)
{
    // A million rows are 18,519 pages a job: minutes, and no collector prints
    // them; the two smaller sizes show how the time grows.
    for (int count : {10000, 100000}) {
        for (int job : {PrintJob::CollectionList, PrintJob::PriceList})
            benchmark->Args({count, job});
    }
    benchmark->ArgNames({"", "job"});
    benchmark->Unit(benchmark::kMillisecond)->Iterations(1)->Teardown(BenchSizes::settleHeap);
}

} // namespace

BENCHMARK(AlbumPage)->Unit(benchmark::kMillisecond);
BENCHMARK(PrintToPdf)->Apply(PrintSizes);
