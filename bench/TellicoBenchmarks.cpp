#include "ImportResident.h"
#include "SampleCollection.h"
#include "SampleFolder.h"
#include "SampleImport.h"

#include "common/TellicoSample.h"
#include "importing/TellicoImport.h"
#include "storage/folder/ProgramFolder.h"

#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

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

// 100,000 entries read from a .tc and written as a collection file. The
// memory figures come from fresh processes: the peak of the import above the
// empty process, and what the collection it wrote takes when loaded.
void TellicoImportArchive(benchmark::State &state)
{
    const int count = static_cast<int>(state.range(0));
    const QString file = sampleArchive(count);
    ImportResident::count(state, QStringLiteral("--tellico-resident"), file);
    for (auto _ : state) {
        QTemporaryDir target;
        QDir(target.path()).mkpath(QStringLiteral("Verzameling"));
        importSample<TellicoImport>(file, ProgramFolder(target.path()));
        state.PauseTiming();
        malloc_trim(0);
        state.ResumeTiming();
    }
}

} // namespace

int measureTellicoResident(const QString &file, const QString &home)
{
    return ImportResident::measure([&] { importSample<TellicoImport>(file, ProgramFolder(home)); });
}

BENCHMARK(TellicoImportArchive)->Arg(100000)->Unit(benchmark::kMillisecond);
