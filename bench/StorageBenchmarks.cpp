#include "SampleCollection.h"

#include "storage/CollectionFile.h"
#include "storage/OldDataFile.h"
#include "storage/ProgramFolder.h"
#include "storage/RecordList.h"
#include "storage/TextFile.h"

#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <map>

namespace {

// One program folder per size, holding the sample collection and its old-format twin.
class SampleFolder {
public:
    explicit SampleFolder(int count)
        : m_folder(m_dir.path())
    {
        QDir(m_dir.path()).mkpath(QStringLiteral("Verzameling"));
        write(m_folder.collectionFile(QStringLiteral("Proef")), SampleCollection::collectionFile(count));
        write(m_folder.oldDataFile(QStringLiteral("Proef")), SampleCollection::oldDataFile(count));
    }
    const ProgramFolder &folder() const { return m_folder; }
    qint64 fileSize() const { return QFileInfo(m_folder.collectionFile(QStringLiteral("Proef"))).size(); }

    static SampleFolder &of(int count)
    {
        static std::map<int, std::unique_ptr<SampleFolder>> folders;
        auto &folder = folders[count];
        if (!folder)
            folder = std::make_unique<SampleFolder>(count);
        return *folder;
    }

private:
    static void write(const QString &path, const QByteArray &bytes)
    {
        QFile file(path);
        if (file.open(QIODevice::WriteOnly))
            file.write(bytes);
    }

    QTemporaryDir m_dir;
    ProgramFolder m_folder;
};

void setBytes(benchmark::State &state, qint64 bytes)
{
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * bytes);
}

// The floor: reading the file's bytes and splitting them into lines.
void Floor_ReadAndSplit(benchmark::State &state)
{
    SampleFolder &sample = SampleFolder::of(static_cast<int>(state.range(0)));
    const QString path = sample.folder().collectionFile(QStringLiteral("Proef"));
    for (auto _ : state) {
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        benchmark::DoNotOptimize(TextFile::splitLines(file.readAll()).size());
    }
    setBytes(state, sample.fileSize());
}

void Load(benchmark::State &state)
{
    SampleFolder &sample = SampleFolder::of(static_cast<int>(state.range(0)));
    RecordList list;
    QString name;
    for (auto _ : state)
        LoadCollection(sample.folder(), QStringLiteral("Proef"), list, name);
    setBytes(state, sample.fileSize());
}

void Save(benchmark::State &state)
{
    SampleFolder &sample = SampleFolder::of(static_cast<int>(state.range(0)));
    RecordList list;
    QString name;
    LoadCollection(sample.folder(), QStringLiteral("Proef"), list, name);
    for (auto _ : state)
        SaveCollection(sample.folder(), QStringLiteral("Kopie"), list);
    setBytes(state, sample.fileSize());
}

void ImportOld(benchmark::State &state)
{
    SampleFolder &sample = SampleFolder::of(static_cast<int>(state.range(0)));
    RecordList list;
    for (auto _ : state)
        ImportOldData(sample.folder(), QStringLiteral("Proef"), list);
}

void Sort(benchmark::State &state)
{
    SampleFolder &sample = SampleFolder::of(static_cast<int>(state.range(0)));
    RecordList list;
    QString name;
    LoadCollection(sample.folder(), QStringLiteral("Proef"), list, name);
    const int column = static_cast<int>(state.range(1));
    Qt::SortOrder order = Qt::AscendingOrder;
    for (auto _ : state) {
        list.sort(column, order);
        order = order == Qt::AscendingOrder ? Qt::DescendingOrder : Qt::AscendingOrder;
    }
}

void Sizes(benchmark::internal::Benchmark *benchmark)
{
    for (int count : {10000, 100000, 1000000})
        benchmark->Arg(count);
    benchmark->Unit(benchmark::kMillisecond);
}

void SortSizes(benchmark::internal::Benchmark *benchmark)
{
    for (int count : {10000, 100000})
        for (int column = StampRecord::Year; column <= StampRecord::Type; ++column)
            benchmark->Args({count, column});
    benchmark->Unit(benchmark::kMillisecond);
}

} // namespace

BENCHMARK(Floor_ReadAndSplit)->Apply(Sizes);
BENCHMARK(Load)->Apply(Sizes);
BENCHMARK(Save)->Apply(Sizes);
BENCHMARK(ImportOld)->Apply(Sizes);
BENCHMARK(Sort)->Apply(SortSizes);
