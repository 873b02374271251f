#include "ChildMeasurements.h"
#include "RequireSuccess.h"

#include "CollectionWindow.h"
#include "ImportResident.h"
#include "SampleFolder.h"

#include "mainwindow/Main.h"
#include "storage/document/RecordList.h"
#include "storage/document/RecordListFiles.h"
#include "storage/folder/ProgramFolder.h"
#include "storage/formats/CollectionFile.h"

#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLibraryInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTranslator>
#include <QWindow>

#include <algorithm>
#include <cstdio>
#include <cstring>

#include <sys/resource.h>

namespace {

// Prints "empty loaded peak" in kB: resident before the load, resident after
// it, and the peak of the whole process.
int measureResident(const QString &home, const QString &name)
{
    const ProgramFolder folder(home);
    RecordList list;
    QString collectionName;
    const long empty = ChildMeasurements::statusKilobytes("VmRSS");
    requireSuccess(LoadCollection(folder, name, list, collectionName));
    std::printf("%ld %ld %ld\n", empty, ChildMeasurements::statusKilobytes("VmRSS"),
                ChildMeasurements::statusKilobytes("VmHWM"));
    return list.count() > 0 ? 0 : 1;
}

// The same for the shown window: resident with the empty window painted, after
// the collection is open and its list painted, and the peak of the process.
int measureWindowResident(int argc, char **argv, const QString &home, const QString &name)
{
    QApplication application(argc, argv);
    CollectionWindow window{ProgramFolder(home)};
    window.showEmpty();
    const long empty = ChildMeasurements::statusKilobytes("VmRSS");
    window.open(name);
    window.waitForListPaint();
    std::printf("%ld %ld %ld\n", empty, ChildMeasurements::statusKilobytes("VmRSS"),
                ChildMeasurements::statusKilobytes("VmHWM"));
    return window.records().count() > 0 ? 0 : 1;
}

// Waits until the window has been exposed and painted.
class ExposeWatch : public QObject {
public:
    bool exposed = false;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Expose && static_cast<QWindow *>(watched)->isExposed())
            exposed = true;
        return QObject::eventFilter(watched, event);
    }
};

// Prints two times in ms: from creating the application to the shown window,
// and from constructing Main to the shown window. Start-up as the program
// does it: application, Dutch texts, window, show.
int measureStartup(int argc, char **argv, const QString &home)
{
    QElapsedTimer sinceApplication;
    sinceApplication.start();
    QApplication application(argc, argv);
    QTranslator qtTexts;
    if (qtTexts.load(QStringLiteral("qtbase_nl"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexts);
    QElapsedTimer sinceWindow;
    sinceWindow.start();
    Main window{ProgramFolder(home)};
    window.show();
    ExposeWatch watch;
    window.windowHandle()->installEventFilter(&watch);
    while (!watch.exposed)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    std::printf("%.1f %.1f\n", static_cast<double>(sinceApplication.nsecsElapsed()) / 1e6,
                static_cast<double>(sinceWindow.nsecsElapsed()) / 1e6);
    std::fflush(stdout);
    return 0;
}

QByteArray runSelf(const QStringList &arguments)
{
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), arguments);
    child.waitForFinished(-1);
    return child.readAllStandardOutput().trimmed();
}

double childProcessorMilliseconds()
{
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    const auto milliseconds = [](const timeval &time) {
        return static_cast<double>(time.tv_sec) * 1e3 + static_cast<double>(time.tv_usec) / 1e3;
    };
    return milliseconds(usage.ru_utime) + milliseconds(usage.ru_stime);
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

// Five starts each, the median, so that one slow start of a busy machine does not decide.
constexpr int Starts = 5;

void reportResident(const char *title, const char *childOption)
{
    std::printf("\n%s (fresh process each)\n", title);
    std::printf("%-10s %10s %12s %12s %10s %12s %10s\n", "records", "file MB", "empty MB", "loaded MB",
                "x file", "peak MB", "x file");
    for (const int count : {100000, 1000000}) {
        const SampleFolder &sample = SampleFolder::of(count);
        const QList<QByteArray> figures =
            runSelf({QLatin1String(childOption), sample.folder().root(), SampleFolder::Name}).split(' ');
        if (figures.size() != 3) {
            std::printf("%-10d measurement failed\n", count);
            continue;
        }
        const double file = static_cast<double>(sample.fileSize()) / 1e6;
        const double empty = figures[0].toDouble() * 1024 / 1e6;
        const double loaded = figures[1].toDouble() * 1024 / 1e6;
        const double peak = figures[2].toDouble() * 1024 / 1e6;
        std::printf("%-10d %10.1f %12.1f %12.1f %10.2f %12.1f %10.2f\n", count, file, empty, loaded,
                    (loaded - empty) / file, peak, (peak - empty) / file);
    }
}

// The command-line companion's totals of 100,000 records, from starting the
// process to its exit, in wall and processor time.
void reportCliTotals()
{
    const SampleFolder &sample = SampleFolder::of(100000);
    std::vector<double> wall;
    std::vector<double> processor;
    for (int start = 0; start < Starts; ++start) {
        const double processorBefore = childProcessorMilliseconds();
        QElapsedTimer timer;
        timer.start();
        QProcess cli;
        cli.start(QStringLiteral(CLI_PROGRAM), {QStringLiteral("--home"), sample.folder().root(),
                                                QStringLiteral("totals"), SampleFolder::Name});
        cli.waitForFinished(-1);
        if (cli.exitStatus() != QProcess::NormalExit || cli.exitCode() != 0) {
            std::printf("\ntessaron2-cli totals: measurement failed\n");
            return;
        }
        wall.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
        processor.push_back(childProcessorMilliseconds() - processorBefore);
    }
    std::printf("\ntessaron2-cli totals of 100000 records, start to exit, median of %d fresh processes\n",
                Starts);
    std::printf("  %.1f ms (cpu %.1f ms)\n", median(wall), median(processor));
}

} // namespace

namespace ChildMeasurements {

long statusKilobytes(const char *key)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray prefix = QByteArray(key) + ':';
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(prefix))
            return line.mid(prefix.size()).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

int runChild(int argc, char **argv)
{
    if (argc == 4 && std::strcmp(argv[1], "--resident") == 0) {
        QCoreApplication application(argc, argv);
        return measureResident(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
    }
    if (argc == 4 && std::strcmp(argv[1], "--window-resident") == 0)
        return measureWindowResident(argc, argv, QString::fromLocal8Bit(argv[2]),
                                     QString::fromLocal8Bit(argv[3]));
    if (argc == 4 && std::strcmp(argv[1], "--tellico-resident") == 0) {
        QCoreApplication application(argc, argv);
        return measureTellicoResident(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
    }
    if (argc == 4 && std::strcmp(argv[1], "--colnect-resident") == 0) {
        QCoreApplication application(argc, argv);
        return measureColnectResident(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
    }
    if (argc == 3 && std::strcmp(argv[1], "--startup") == 0)
        return measureStartup(argc, argv, QString::fromLocal8Bit(argv[2]));
    return -1;
}

void reportAll()
{
    reportResident("Resident memory of a loaded collection", "--resident");
    reportResident("Resident memory of the window with a collection open, above the empty window",
                   "--window-resident");
    reportCliTotals();

    // On a throwaway copy of the shipped data: the window writes its settings
    // file into its program folder, and the build's data is what gets installed.
    QTemporaryDir home;
    if (!ProgramFolder(home.path()).fillFrom(QStringLiteral(SHIPPED_DATA_FOLDER))) {
        std::printf("\nStart-up: the shipped data could not be copied\n");
        return;
    }
    std::vector<double> fromProcess;
    std::vector<double> fromApplication;
    std::vector<double> fromWindow;
    for (int start = 0; start < Starts; ++start) {
        QElapsedTimer sinceProcess;
        sinceProcess.start();
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--startup"), home.path()});
        // The child prints its line as soon as its window is shown.
        const bool shown = child.waitForReadyRead(-1);
        const double processTime = static_cast<double>(sinceProcess.nsecsElapsed()) / 1e6;
        child.waitForFinished(-1);
        const QList<QByteArray> times = child.readAllStandardOutput().trimmed().split(' ');
        if (shown && times.size() == 2) {
            fromProcess.push_back(processTime);
            fromApplication.push_back(times[0].toDouble());
            fromWindow.push_back(times[1].toDouble());
        }
    }
    if (fromApplication.empty()) {
        std::printf("\nStart-up: measurement failed\n");
        return;
    }
    std::printf("\nStart-up to the shown main window, median of %zu fresh processes\n",
                fromApplication.size());
    std::printf("  from starting the process:     %.1f ms\n", median(fromProcess));
    std::printf("  from creating the application: %.1f ms\n", median(fromApplication));
    std::printf("  from constructing Main:        %.1f ms\n", median(fromWindow));
    std::fflush(stdout);
}

} // namespace ChildMeasurements
