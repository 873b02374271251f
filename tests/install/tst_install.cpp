#include "common/ProgramRun.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Every entry below a folder with its contents and modification time, to
// show that a run changed nothing.
QStringList snapshot(const QString &folder)
{
    QStringList entries;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info(it.next());
        QFile file(info.filePath());
        QByteArray hash;
        if (info.isFile() && file.open(QIODevice::ReadOnly))
            hash = QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha1).toHex();
        entries << QDir(folder).relativeFilePath(info.filePath()) + QLatin1Char(' ') + hash +
                       QLatin1Char(' ') + info.lastModified().toString(Qt::ISODateWithMs);
    }
    entries.sort();
    return entries;
}

} // namespace

// The program as cmake --install lays it out in a temporary prefix, run as a
// collector would run it.
class InstallTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void commandLineFillsAFreshHomeOnceAndNeverWritesUnderThePrefix();
    void windowProgramUsesTheHomeFolderOrAPortableFolderBesideIt();
    void desktopFilesPassTheirValidatorsAndIconsHaveTheirSizes();

private:
    QString installed(const QString &relative) const { return m_prefix.filePath(relative); }
    // Starts the window program on the offscreen platform and waits until it
    // has written the settings file of the folder it uses; then ends it.
    static bool windowStartsOn(const QString &program, const QString &home, const QString &settingsFile);

    QTemporaryDir m_prefix;
};

void InstallTest::initTestCase()
{
    QVERIFY(m_prefix.isValid());
    const ProgramRun install =
        ProgramRun::of(QStringLiteral(T2_CMAKE), {QStringLiteral("--install"), QStringLiteral(T2_BUILD_DIR),
                                                  QStringLiteral("--prefix"), m_prefix.path()});
    QVERIFY2(install.exitCode == 0, install.err.constData());
}

void InstallTest::commandLineFillsAFreshHomeOnceAndNeverWritesUnderThePrefix()
{
    QTemporaryDir home;
    const QProcessEnvironment environment = ProgramRun::freshHome(home.path());
    const QString cli = installed(QStringLiteral("bin/tessaron2-cli"));
    const QStringList installedFiles = snapshot(m_prefix.path());

    ProgramRun run = ProgramRun::of(cli, {QStringLiteral("--version")}, environment);
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.out, QByteArray("tessaron2-cli " T2_VERSION "\n"));
    run = ProgramRun::of(cli, {QStringLiteral("--help")}, environment);
    QCOMPARE(run.exitCode, 0);
    QVERIFY(run.out.contains("TESSARON2_HOME"));
    QVERIFY2(QDir(home.path()).isEmpty(), "--version and --help write nothing");

    run = ProgramRun::of(cli, {QStringLiteral("list")}, environment);
    QVERIFY2(run.exitCode == 0, run.err.constData());
    QVERIFY(run.out.split('\n').contains("Nederland"));
    const QString folder = home.filePath(QStringLiteral("Tessaron2"));
    const QStringList filled = snapshot(folder);
    QVERIFY(filled.size() > 20); // word lists, help, the demo collection and its pictures
    QCOMPARE(QDir(home.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList{QStringLiteral("Tessaron2")});
    // The copies are the collector's own to change, whatever the installed modes.
    QVERIFY(QFileInfo(folder + QStringLiteral("/Data/Landen.txt")).isWritable());

    // A word list the collector changed stays as it is on the next run.
    QFile landen(folder + QStringLiteral("/Data/Landen.txt"));
    QVERIFY(landen.open(QIODevice::WriteOnly));
    landen.write("Eigen\r\n");
    landen.close();
    QFile::remove(folder + QStringLiteral("/Verzameling/Belgie.cat"));
    const QStringList changed = snapshot(folder);
    run = ProgramRun::of(cli, {QStringLiteral("list"), QStringLiteral("--old")}, environment);
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.out, QByteArray());
    QCOMPARE(snapshot(folder), changed);
    QCOMPARE(snapshot(m_prefix.path()), installedFiles);
}

bool InstallTest::windowStartsOn(const QString &program, const QString &home, const QString &settingsFile)
{
    QProcessEnvironment environment = ProgramRun::freshHome(home);
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    QProcess window;
    window.setProcessEnvironment(environment);
    window.start(program, {});
    if (!window.waitForStarted())
        return false;
    // The settings file is written at start when it is missing.
    bool started = false;
    for (int waited = 0; waited < 600 && window.state() == QProcess::Running && !started; ++waited) {
        window.waitForFinished(100);
        started = QFileInfo::exists(settingsFile);
    }
    const bool stillRunning = window.state() == QProcess::Running;
    window.kill();
    window.waitForFinished();
    return started && stillRunning;
}

void InstallTest::windowProgramUsesTheHomeFolderOrAPortableFolderBesideIt()
{
    QTemporaryDir home;
    const QString program = installed(QStringLiteral("bin/tessaron2"));
    QVERIFY(windowStartsOn(program, home.path(), home.filePath(QStringLiteral("Tessaron2/Tessaron2.ini"))));
    QVERIFY(QFileInfo::exists(home.filePath(QStringLiteral("Tessaron2/Verzameling/Nederland.col"))));

    // A copy beside a folder holding "verzameling" (any letter case) is portable.
    QTemporaryDir portable;
    const QString copy = portable.filePath(QStringLiteral("tessaron2"));
    QVERIFY(QFile::copy(program, copy));
    QVERIFY(QDir(portable.path()).mkdir(QStringLiteral("verzameling")));
    QTemporaryDir otherHome;
    QVERIFY(windowStartsOn(copy, otherHome.path(), portable.filePath(QStringLiteral("Tessaron2.ini"))));
    QVERIFY(QDir(otherHome.path()).isEmpty());

    // --version and --help need no display.
    QProcessEnvironment noDisplay = ProgramRun::freshHome(otherHome.path());
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        noDisplay.remove(QString::fromLatin1(name));
    ProgramRun run = ProgramRun::of(program, {QStringLiteral("--version")}, noDisplay);
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.out, QByteArray("tessaron2 " T2_VERSION "\n"));
    run = ProgramRun::of(program, {QStringLiteral("--help")}, noDisplay);
    QCOMPARE(run.exitCode, 0);
    QVERIFY(run.out.startsWith("gebruik: tessaron2"));
    QVERIFY(run.out.contains("\n  --language nl|en|de "));
    QVERIFY(QDir(otherHome.path()).isEmpty());
}

void InstallTest::desktopFilesPassTheirValidatorsAndIconsHaveTheirSizes()
{
    const QString id = QStringLiteral(T2_APP_ID);
    ProgramRun run = ProgramRun::of(QStringLiteral("desktop-file-validate"),
                                    {installed(QStringLiteral("share/applications/%1.desktop").arg(id))});
    QVERIFY2(run.exitCode == 0 && run.out.isEmpty(), run.out.constData());
    run = ProgramRun::of(QStringLiteral("appstreamcli"),
                         {QStringLiteral("validate"), QStringLiteral("--no-net"),
                          installed(QStringLiteral("share/metainfo/%1.metainfo.xml").arg(id))});
    QVERIFY2(run.exitCode == 0, run.out.constData());

    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QImage icon(
            installed(QStringLiteral("share/icons/hicolor/%1x%1/apps/%2.png").arg(size).arg(id)));
        QCOMPARE(icon.size(), QSize(size, size));
        QCOMPARE(icon.pixelColor(size / 2, size / 2).alpha(), 255);
    }
    QFile svg(installed(QStringLiteral("share/icons/hicolor/scalable/apps/%1.svg").arg(id)));
    QVERIFY(svg.open(QIODevice::ReadOnly));
    QVERIFY(svg.readAll().contains("<rect "));

    for (const QString &page : {QStringLiteral("tessaron2"), QStringLiteral("tessaron2-cli")})
        QVERIFY(QFileInfo::exists(installed(QStringLiteral("share/man/man1/%1.1.gz").arg(page))));
}

QTEST_GUILESS_MAIN(InstallTest)
#include "tst_install.moc"
