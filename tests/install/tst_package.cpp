#include "common/ProgramRun.h"

#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

// make package: the Debian package built from the install rules, read back with
// dpkg-deb.
class PackageTest : public QObject {
    Q_OBJECT

private slots:
    void packageHoldsTheInstallationAndItsControlFields();
};

void PackageTest::packageHoldsTheInstallationAndItsControlFields()
{
    // Whatever else lies in the build's data folder (a program started on it
    // writes its settings file there) is not shipped.
    const QString stray = QStringLiteral(T2_BUILD_DIR "/data/Tessaron2.ini");
    QFile strayFile(stray);
    QVERIFY(strayFile.open(QIODevice::WriteOnly));
    strayFile.close();
    const auto removeStray = qScopeGuard([&] { QFile::remove(stray); });

    QTemporaryDir output;
    const ProgramRun cpack =
        ProgramRun::of(QStringLiteral(T2_CPACK),
                       {QStringLiteral("--config"), QStringLiteral(T2_BUILD_DIR "/CPackConfig.cmake"),
                        QStringLiteral("-B"), output.path()});
    QVERIFY2(cpack.exitCode == 0, cpack.out + cpack.err);
    const QStringList packages = QDir(output.path()).entryList({QStringLiteral("tessaron2_*.deb")});
    QCOMPARE(packages.size(), 1);
    const QString package = output.filePath(packages.first());

    const ProgramRun contents = ProgramRun::of(QStringLiteral("dpkg-deb"), {QStringLiteral("-c"), package});
    QCOMPARE(contents.exitCode, 0);
    QStringList paths;
    for (const QByteArray &line : contents.out.split('\n')) {
        if (!line.isEmpty()) {
            QVERIFY2(line.contains(" root/root "), line.constData());
            paths << QString::fromUtf8(line.mid(line.indexOf("./")));
        }
    }
    const QString id = QStringLiteral(T2_APP_ID);
    QStringList expected = {
        QStringLiteral("./usr/bin/tessaron2"),
        QStringLiteral("./usr/bin/tessaron2-cli"),
        QStringLiteral("./usr/share/tessaron2/Data/Landen.txt"),
        QStringLiteral("./usr/share/tessaron2/Data/help.pdf"),
        QStringLiteral("./usr/share/tessaron2/Verzameling/Nederland.col"),
        QStringLiteral("./usr/share/applications/%1.desktop").arg(id),
        QStringLiteral("./usr/share/metainfo/%1.metainfo.xml").arg(id),
        QStringLiteral("./usr/share/icons/hicolor/scalable/apps/%1.svg").arg(id),
        QStringLiteral("./usr/share/man/man1/tessaron2.1.gz"),
        QStringLiteral("./usr/share/man/man1/tessaron2-cli.1.gz"),
        QStringLiteral("./usr/share/doc/tessaron2/copyright"),
        QStringLiteral("./usr/share/doc/tessaron2/changelog.gz"),
    };
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256})
        expected << QStringLiteral("./usr/share/icons/hicolor/%1x%1/apps/%2.png").arg(size).arg(id);
    for (const QString &path : expected)
        QVERIFY2(paths.contains(path), qPrintable(path));
    // The shared data is exactly what ships: word lists, the help documents, seal frame, the
    // demo collection with its pictures and the old-format file.
    const QString shared = QStringLiteral("./usr/share/tessaron2/");
    QStringList sharedFiles;
    for (const QString &path : paths) {
        if (path.startsWith(shared) && !path.endsWith(u'/'))
            sharedFiles << path.mid(shared.size());
    }
    QStringList shipped;
    const QDir source(QStringLiteral(T2_TEST_DATA_DIR "/../../data"));
    for (const QString &file :
         QDir(source.filePath(QStringLiteral("Data"))).entryList({QStringLiteral("*.txt")}))
        shipped << QStringLiteral("Data/") + file;
    shipped << QStringLiteral("Data/help.pdf") << QStringLiteral("Data/help.en.pdf")
            << QStringLiteral("Data/help.de.pdf") << QStringLiteral("Data/sluitzegels.fra");
    for (const QString &file : QDir(source.filePath(QStringLiteral("Verzameling")))
                                   .entryList({QStringLiteral("*.col"), QStringLiteral("*.cat")}))
        shipped << QStringLiteral("Verzameling/") + file;
    for (const QString &file : shipped)
        QVERIFY2(sharedFiles.removeAll(file) == 1, qPrintable(file));
    QVERIFY(!sharedFiles.isEmpty());
    for (const QString &picture : sharedFiles)
        QVERIFY2(picture.startsWith(QStringLiteral("Verzameling/Nederland/")) &&
                     picture.endsWith(QStringLiteral(".jpg")),
                 qPrintable(picture));

    const auto field = [&package](const char *name) {
        const ProgramRun run = ProgramRun::of(QStringLiteral("dpkg-deb"),
                                              {QStringLiteral("-f"), package, QString::fromLatin1(name)});
        return run.out.trimmed();
    };
    QCOMPARE(field("Package"), QByteArray("tessaron2"));
    QCOMPARE(field("Version"), QByteArray(T2_VERSION));
    QVERIFY(field("Maintainer").contains('@'));
    QVERIFY(field("Description").contains("stamp collection"));
    // Dependencies found from the programs' libraries, beside the named ones.
    QVERIFY2(field("Depends").contains("libqt6widgets6"), field("Depends").constData());
    QVERIFY(field("Depends").contains("libqt6printsupport6"));
    QCOMPARE(field("Recommends"), QByteArray("cups, xdg-utils, qt6-image-formats-plugins"));
    QCOMPARE(field("Suggests"), QByteArray("printer-driver-cups-pdf"));
}

QTEST_GUILESS_MAIN(PackageTest)
#include "tst_package.moc"
