#include "ChildMeasurements.h"

#include "SampleFolder.h"

#include "mainwindow/Main.h"
#include "storage/CollectionFile.h"
#include "storage/RecordList.h"

#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLibraryInfo>
#include <QProcess>
#include <QTranslator>
#include <QWindow>

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {

// A line of /proc/self/status in kB: VmRSS (resident now), VmHWM (the peak).
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

// Prints "empty loaded peak" in kB: resident before the load, resident after
// it, and the peak of the whole process.
int measureResident(const QString &home, const QString &name)
{
    const ProgramFolder folder(home);
    RecordList list;
    QString collectionName;
    const long empty = statusKilobytes("VmRSS");
    LoadCollection(folder, name, list, collectionName);
    std::printf("%ld %ld %ld\n", empty, statusKilobytes("VmRSS"), statusKilobytes("VmHWM"));
    return list.count() > 0 ? 0 : 1;
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
    return 0;
}

QByteArray runSelf(const QStringList &arguments)
{
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), arguments);
    child.waitForFinished(-1);
    return child.readAllStandardOutput().trimmed();
}

} // namespace

namespace ChildMeasurements {

int runChild(int argc, char **argv)
{
    if (argc == 4 && std::strcmp(argv[1], "--resident") == 0) {
        QCoreApplication application(argc, argv);
        return measureResident(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
    }
    if (argc == 3 && std::strcmp(argv[1], "--startup") == 0)
        return measureStartup(argc, argv, QString::fromLocal8Bit(argv[2]));
    return -1;
}

void reportAll()
{
    std::printf("\nResident memory of a loaded collection (fresh process each)\n");
    std::printf("%-10s %10s %12s %12s %10s %12s %10s\n", "records", "file MB", "empty MB", "loaded MB",
                "x file", "peak MB", "x file");
    for (const int count : {100000, 1000000}) {
        const SampleFolder &sample = SampleFolder::of(count);
        const QList<QByteArray> figures =
            runSelf({QStringLiteral("--resident"), sample.folder().root(), SampleFolder::Name}).split(' ');
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

    // Five starts; the median, so that one slow start of a busy machine does not decide.
    constexpr int Starts = 5;
    std::vector<double> fromApplication;
    std::vector<double> fromWindow;
    for (int start = 0; start < Starts; ++start) {
        const QList<QByteArray> times =
            runSelf({QStringLiteral("--startup"), QStringLiteral(SHIPPED_DATA_FOLDER)}).split(' ');
        if (times.size() == 2) {
            fromApplication.push_back(times[0].toDouble());
            fromWindow.push_back(times[1].toDouble());
        }
    }
    if (fromApplication.empty()) {
        std::printf("\nStart-up: measurement failed\n");
        return;
    }
    std::sort(fromApplication.begin(), fromApplication.end());
    std::sort(fromWindow.begin(), fromWindow.end());
    const size_t middle = fromApplication.size() / 2;
    std::printf("\nStart-up to the shown main window, median of %zu fresh processes\n",
                fromApplication.size());
    std::printf("  from creating the application: %.1f ms\n", fromApplication[middle]);
    std::printf("  from constructing Main:        %.1f ms\n", fromWindow[middle]);
    std::fflush(stdout);
}

} // namespace ChildMeasurements
