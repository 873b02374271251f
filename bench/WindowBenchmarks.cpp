#include "BenchSizes.h"
#include "CollectionWindow.h"
#include "SampleFolder.h"

#include "mainwindow/RecordSelection.h"
#include "storage/formats/CollectionFile.h"
#include "widgets/MessageBox.h"
#include "widgets/RecordListView.h"
#include "widgets/VistaButton.h"

#include <benchmark/benchmark.h>

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QRandomGenerator>

namespace {

constexpr int LargestCount = 1000000;

// A photograph-like picture: smooth colours with grain, so that the JPEG file
// has the size and decoding cost of a real scan.
void writeScan(const QString &path)
{
    QImage picture(3000, 2000, QImage::Format_RGB32);
    QRandomGenerator random(3000);
    for (int y = 0; y < picture.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(picture.scanLine(y));
        for (int x = 0; x < picture.width(); ++x) {
            const int grain = static_cast<int>(random.bounded(24u));
            line[x] = qRgb((x / 12 + grain) & 0xFF, (y / 8 + grain) & 0xFF, ((x + y) / 20 + grain) & 0xFF);
        }
    }
    QDir().mkpath(QFileInfo(path).path());
    picture.save(path, "JPG", 90);
}

// From a click on a row to its thumbnail on screen: the panel, the count, the
// picture read from disk, the thumbnail and the viewer.
void ShowSelectedRecord(benchmark::State &state)
{
    SampleFolder &sample = SampleFolder::of(static_cast<int>(state.range(0)));
    Main window(sample.folder());
    static_cast<void>(window.collection().open(SampleFolder::Name));
    const QString name = window.collection().name();
    // The first record with a year, which a picture needs.
    int row = 0;
    while (window.collection().records().cell(row, StampRecord::Year).isEmpty())
        ++row;
    const StampRecord &record = window.collection().records().record(row);
    const QString picture =
        sample.folder().picturePath(name, record[StampRecord::Year], record[StampRecord::CatalogueNumber]);
    writeScan(picture);
    window.show();
    window.findChild<RecordListView *>(QStringLiteral("ListView1"))
        ->setCurrentIndex(window.collection().records().index(row, 0));
    auto *selection = window.findChild<RecordSelection *>();
    for (auto _ : state) {
        selection->ShowSelectedRecord();
        window.findChild<QLabel *>(QStringLiteral("Image1"))->repaint();
    }
    state.counters["jpeg_MB"] = static_cast<double>(QFileInfo(picture).size()) / 1e6;
    QFile::remove(picture);
}

// From the start of opening a collection in the shown, empty window until its
// list has painted the first rows. Emptying the window in between is not counted.
void OpenWindow(benchmark::State &state)
{
    SampleFolder &sample = SampleFolder::of(static_cast<int>(state.range(0)));
    CollectionWindow window(sample.folder());
    window.showEmpty();
    for (auto _ : state) {
        state.PauseTiming();
        window.main().collection().startNew(QString());
        window.waitForListPaint();
        BenchSizes::settleHeap(state);
        state.ResumeTiming();
        window.open(SampleFolder::Name);
        window.waitForListPaint();
    }
    BenchSizes::setBytes(state, sample.fileSize());
}

// The window, shown, with the collection of count records open and painted.
class ShownWindow : public CollectionWindow {
public:
    explicit ShownWindow(int count = LargestCount)
        : CollectionWindow(SampleFolder::of(count).folder())
    {
        showEmpty();
        open(SampleFolder::Name);
        waitForListPaint();
    }

    template <typename Control> Control &control(const char *objectName)
    {
        return *main().findChild<Control *>(QLatin1String(objectName));
    }
    void click(const char *button) { emit control<VistaButton>(button).Click(); }
    void selectRow(int row) { list().setCurrentIndex(records().index(row, 0)); }
};

void InMilliseconds(benchmark::internal::Benchmark *benchmark)
{
    benchmark->Unit(benchmark::kMillisecond)->Teardown(BenchSizes::settleHeap);
}

// The edits are timed from the button's click until the list has painted
// again, with the count below it: what the collector waits for. At both sizes,
// so that the figures show whether an edit costs more in a larger list.
void EditSizes(benchmark::internal::Benchmark *benchmark)
{
    benchmark->Arg(BenchSizes::Counts[0])->Arg(LargestCount)->Apply(InMilliseconds);
}

// "Toevoegen" with a catalogue number typed.
void AddRecord(benchmark::State &state)
{
    ShownWindow window(static_cast<int>(state.range(0)));
    auto &catalogueNumber = window.control<QLineEdit>("Text1");
    for (auto _ : state) {
        state.PauseTiming();
        catalogueNumber.setText(QStringLiteral("123a"));
        state.ResumeTiming();
        window.click("AddKnop");
        window.waitForListPaint();
    }
}

// "Verwijderen" of the selected row in the middle, answered Yes.
void DeleteRecord(benchmark::State &state)
{
    ShownWindow window(static_cast<int>(state.range(0)));
    MessageBox::setTestHook([](const MessageBox::Request &) { return MessageBox::Answer::Yes; });
    for (auto _ : state) {
        state.PauseTiming();
        window.selectRow(window.records().count() / 2);
        window.waitForListPaint();
        state.ResumeTiming();
        window.click("DelKnop");
        window.waitForListPaint();
    }
    MessageBox::setTestHook({});
}

// "Wijzig" of the selected row in the middle, its catalogue number retyped.
void ReplaceRecord(benchmark::State &state)
{
    ShownWindow window(static_cast<int>(state.range(0)));
    auto &catalogueNumber = window.control<QLineEdit>("Text1");
    window.selectRow(window.records().count() / 2);
    window.waitForListPaint();
    int edits = 0;
    for (auto _ : state) {
        state.PauseTiming();
        catalogueNumber.setText(QString::number(++edits));
        state.ResumeTiming();
        window.click("WijzigKnop");
        window.waitForListPaint();
    }
}

// A click on a row of a record without picture, until the list has painted again.
void SelectRow(benchmark::State &state)
{
    ShownWindow window;
    int row = window.records().count() / 2;
    for (auto _ : state) {
        window.selectRow(++row);
        window.waitForListPaint();
    }
}

// "Volgende" in the search bar for a text no record holds: the longest step,
// through every field of every record.
void SearchStep(benchmark::State &state)
{
    ShownWindow window;
    window.control<QAction>("ToolsSearch").trigger();
    window.control<QLineEdit>("ZoekText").setText(QStringLiteral("Zeppelin"));
    window.selectRow(window.records().count() / 2);
    for (auto _ : state) {
        window.click("VolgendeKnop");
        window.waitForListPaint();
    }
}

// A click on a column header of the list as loaded, until the list has painted
// again. The order of the load is restored between clicks, without counting.
void SortByColumn(benchmark::State &state)
{
    ShownWindow window;
    const RecordSpan shown = window.records().records();
    const std::vector<StampRecord> loaded(shown.begin(), shown.end());
    QHeaderView &header = *window.list().header();
    for (auto _ : state) {
        state.PauseTiming();
        window.main().collection().startNew(SampleFolder::Name, loaded);
        window.waitForListPaint();
        state.ResumeTiming();
        emit header.sectionClicked(static_cast<int>(state.range(1)));
        window.waitForListPaint();
    }
}

} // namespace

BENCHMARK(ShowSelectedRecord)->Apply(BenchSizes::all);
BENCHMARK(OpenWindow)->Arg(100000)->Arg(LargestCount)->Apply(InMilliseconds);
BENCHMARK(AddRecord)->Apply(EditSizes);
BENCHMARK(DeleteRecord)->Apply(EditSizes);
BENCHMARK(ReplaceRecord)->Apply(EditSizes);
BENCHMARK(SelectRow)->Arg(LargestCount)->Apply(InMilliseconds);
BENCHMARK(SearchStep)->Arg(LargestCount)->Apply(InMilliseconds);
// The catalogue number: the slowest column of Sort at this size (most distinct texts).
BENCHMARK(SortByColumn)
    ->Args({LargestCount, StampRecord::CatalogueNumber})
    ->ArgNames({"", "column"})
    ->Apply(InMilliseconds);
