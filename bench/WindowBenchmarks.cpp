#include "BenchSizes.h"
#include "SampleFolder.h"

#include "mainwindow/Main.h"
#include "mainwindow/RecordSelection.h"
#include "storage/CollectionFile.h"

#include <benchmark/benchmark.h>

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QRandomGenerator>
#include <QTreeView>

namespace {

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
    window.findChild<QTreeView *>(QStringLiteral("ListView1"))
        ->setCurrentIndex(window.collection().records().index(row, 0));
    auto *selection = window.findChild<RecordSelection *>();
    for (auto _ : state) {
        selection->ShowSelectedRecord();
        window.findChild<QLabel *>(QStringLiteral("Image1"))->repaint();
    }
    state.counters["jpeg_MB"] = static_cast<double>(QFileInfo(picture).size()) / 1e6;
    QFile::remove(picture);
}

} // namespace

BENCHMARK(ShowSelectedRecord)->Apply(BenchSizes::all);
