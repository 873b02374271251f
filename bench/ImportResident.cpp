#include "ImportResident.h"

#include "ChildMeasurements.h"
#include "SampleFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>

namespace {

QList<QByteArray> childFigures(const QStringList &arguments)
{
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), arguments);
    child.waitForFinished(-1);
    return child.readAllStandardOutput().trimmed().split(' ');
}

} // namespace

namespace ImportResident {

int measure(const std::function<void()> &import)
{
    const long empty = ChildMeasurements::statusKilobytes("VmRSS");
    import();
    std::printf("%ld %ld\n", empty, ChildMeasurements::statusKilobytes("VmHWM"));
    return 0;
}

void count(benchmark::State &state, const QString &childOption, const QString &file)
{
    QTemporaryDir home;
    QDir(home.path()).mkpath(QStringLiteral("Verzameling"));
    const QList<QByteArray> imported = childFigures({childOption, file, home.path()});
    const QList<QByteArray> loaded =
        childFigures({QStringLiteral("--resident"), home.path(), SampleFolder::Name});
    if (imported.size() != 2 || loaded.size() != 3)
        return;
    const double peak = (imported[1].toDouble() - imported[0].toDouble()) / 1024;
    const double collection = (loaded[1].toDouble() - loaded[0].toDouble()) / 1024;
    state.counters["import_peak_MB"] = peak;
    state.counters["collection_MB"] = collection;
    state.counters["peak_x_collection"] = peak / collection;
}

} // namespace ImportResident
