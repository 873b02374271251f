#include "RequireSuccess.h"
#include "SampleCollection.h"
#include "SampleFolder.h"
#include "TellicoResident.h"

#include "common/TellicoSample.h"
#include "importing/TellicoImport.h"
#include "storage/folder/ProgramFolder.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>
#include <cstring>

#include <malloc.h>

namespace {

QByteArray escaped(const QString &text)
{
    return text.toHtmlEscaped().toUtf8();
}

// The sample records as a Tellico stamp collection of as many entries, with a
// catalogue field of its own and every field the mapping reads, no pictures.
QString writeSampleArchive(const QString &folder, int count)
{
    QByteArray body = "<fields><field name=\"_default\"/><field name=\"nvph\" title=\"NVPH#\"/></fields>\n";
    const char *const countries[] = {"Nederland", "Belgi\xc3\xab", "Duitsland", "Frankrijk", ""};
    int i = 0;
    for (const StampRecord &record : SampleCollection::records(count)) {
        QString price = record[StampRecord::OwnPrice];
        ++i;
        body += "<entry id=\"" + QByteArray::number(i) + "\"><description>" +
                escaped(record[StampRecord::Subject]) + "</description><denomination>" +
                escaped(record[StampRecord::FaceValue]) + "</denomination><currency>ct</currency><country>" +
                countries[i % 5] + "</country><years><year>" + escaped(record[StampRecord::Year]) +
                "</year></years><color>rood</color><scott>" + QByteArray::number(i) + "</scott><nvph>" +
                escaped(record[StampRecord::CatalogueNumber]) + "</nvph><grade>Heel fijn</grade><cancelled>" +
                (i % 2 ? "true" : "") +
                "</cancelled><hinged>Nee</hinged><pur_date>2024-05-01</pur_date><pur_price>" +
                escaped(price.replace(u',', u'.')) + "</pur_price><location>Album 3</location><comments>" +
                escaped(record[StampRecord::Depiction]) + "<br/>" + escaped(record[StampRecord::Info]) +
                "</comments><cdate>2024-05-01</cdate><mdate>2024-05-02</mdate></entry>\n";
    }
    const QString path = folder + QStringLiteral("/proef.tc");
    if (!TellicoSample::writeZip(path, TellicoSample::document("Proef", "9", body)))
        qFatal("Tellico sample could not be written");
    return path;
}

QString sampleArchive(int count)
{
    static QTemporaryDir folder;
    static QString path;
    if (path.isEmpty())
        path = writeSampleArchive(folder.path(), count);
    return path;
}

void import(const QString &file, const ProgramFolder &folder)
{
    TellicoImport tellico;
    requireSuccess(tellico.read(file));
    TellicoImport::Options options;
    options.name = SampleFolder::Name;
    TellicoImport::Report report;
    requireSuccess(tellico.write(folder, options, false, report));
}

QList<QByteArray> childFigures(const QStringList &arguments)
{
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), arguments);
    child.waitForFinished(-1);
    return child.readAllStandardOutput().trimmed().split(' ');
}

// 100,000 entries read from a .tc and written as a collection file. The
// memory figures come from fresh processes: the peak of the import above the
// empty process, and what the collection it wrote takes when loaded.
void TellicoImportArchive(benchmark::State &state)
{
    const int count = static_cast<int>(state.range(0));
    const QString file = sampleArchive(count);
    QTemporaryDir home;
    QDir(home.path()).mkpath(QStringLiteral("Verzameling"));
    const QList<QByteArray> imported =
        childFigures({QStringLiteral("--tellico-resident"), file, home.path()});
    const QList<QByteArray> loaded =
        childFigures({QStringLiteral("--resident"), home.path(), SampleFolder::Name});
    if (imported.size() == 2 && loaded.size() == 3) {
        const double peak = (imported[1].toDouble() - imported[0].toDouble()) / 1024;
        const double collection = (loaded[1].toDouble() - loaded[0].toDouble()) / 1024;
        state.counters["import_peak_MB"] = peak;
        state.counters["collection_MB"] = collection;
        state.counters["peak_x_collection"] = peak / collection;
    }
    for (auto _ : state) {
        QTemporaryDir target;
        QDir(target.path()).mkpath(QStringLiteral("Verzameling"));
        import(file, ProgramFolder(target.path()));
        state.PauseTiming();
        malloc_trim(0);
        state.ResumeTiming();
    }
}

} // namespace

int measureTellicoResident(const QString &file, const QString &home)
{
    const auto kilobytes = [](const char *key) {
        QFile status(QStringLiteral("/proc/self/status"));
        if (!status.open(QIODevice::ReadOnly))
            return -1L;
        for (const QByteArray &line : status.readAll().split('\n')) {
            if (line.startsWith(QByteArray(key) + ':'))
                return line.mid(static_cast<qsizetype>(std::strlen(key)) + 1)
                    .trimmed()
                    .split(' ')
                    .value(0)
                    .toLong();
        }
        return -1L;
    };
    const long empty = kilobytes("VmRSS");
    import(file, ProgramFolder(home));
    std::printf("%ld %ld\n", empty, kilobytes("VmHWM"));
    return 0;
}

BENCHMARK(TellicoImportArchive)->Arg(100000)->Unit(benchmark::kMillisecond);
