#include "common/TestFolder.h"
#include "storage/keeping/CollectionVersions.h"
#include "storage/keeping/KeptPictures.h"
#include "storage/pictures/PictureFiler.h"
#include "storage/pictures/ScanFolder.h"

#include <QBuffer>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

namespace {

StampRecord record(const QString &year, const QString &number)
{
    return StampRecord{{year, number}};
}

// 40 x 20, left half black and right half white: shows size and turn.
QImage halves()
{
    QImage image(40, 20, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter(&image).fillRect(0, 0, 20, 20, Qt::black);
    return image;
}

QByteArray encoded(const QImage &image, const QByteArray &format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    return writer.write(image) ? bytes : QByteArray();
}

// A JPEG whose EXIF orientation says: turn a quarter clockwise to show.
QByteArray turnedJpeg()
{
    const QByteArray jpeg = encoded(halves(), "jpeg");
    // APP1 "Exif", a big-endian TIFF header, one entry: orientation (0x112) = 6.
    const QByteArray exif =
        QByteArray::fromHex("ffe100224578696600004d4d002a000000080001011200030000000100060000"
                            "00000000");
    return jpeg.left(2) + exif + jpeg.mid(2);
}

// The filed picture, which must be a JPEG.
QImage filedJpeg(const QString &path)
{
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    return reader.format() == "jpeg" ? reader.read() : QImage();
}

bool dark(const QImage &image, int x, int y)
{
    return qGray(image.pixel(x, y)) < 64;
}

QStringList filesBelow(const QString &path)
{
    QStringList files;
    QDirIterator entries(path, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (entries.hasNext())
        files.append(entries.next());
    files.sort();
    return files;
}

} // namespace

class PictureFilingTest : public QObject {
    Q_OBJECT

private slots:
    void everyFormatIsFiledUprightAndReplacedOnlyWhenAsked();
    void unusableRecordsAndHostileNamesWriteNothing();
    void scansAreMatchedByCatalogueNumberAndYear();
    void replacingKeepsTheOldPictureAndNeverWritesThroughALink();
    void cutOffAndVeryLargePicturesGetTheirTrueReason();
};

void PictureFilingTest::everyFormatIsFiledUprightAndReplacedOnlyWhenAsked()
{
    TestFolder home;
    const PictureFiler filer(home.folder(), "Nederland");
    QDir().mkpath(home.path("Verzameling/NEDERLAND/1852"));

    // An upright JPEG is the very file.
    const QByteArray jpeg = encoded(halves(), "jpeg");
    home.write("in/zegel.jpg", jpeg);
    QVERIFY(filer.fileFromFile(home.path("in/zegel.jpg"), record("1852", "1"), PictureFiler::Existing::Keep));
    QCOMPARE(home.read("Verzameling/NEDERLAND/1852/1.jpg"), jpeg);

    // A turned one is turned upright: the left half comes out on top.
    QVERIFY(filer.fileFromData(turnedJpeg(), record("1852", "2"), PictureFiler::Existing::Keep));
    QImage filed = filedJpeg(home.path("Verzameling/NEDERLAND/1852/2.jpg"));
    QCOMPARE(filed.size(), QSize(20, 40));
    QVERIFY(dark(filed, 10, 5) && !dark(filed, 10, 35));

    // Every other format Qt writes here, under a name that hides what it is.
    const QList<QByteArray> readable = QImageReader::supportedImageFormats();
    for (const QByteArray &writable : QImageWriter::supportedImageFormats()) {
        if (writable == "jpeg" || writable == "jpg" || !readable.contains(writable))
            continue;
        QByteArray bytes = encoded(halves(), writable);
        QBuffer written(&bytes);
        if (QImageReader(&written).read().size() != halves().size())
            continue; // a format of fixed sizes (icns) keeps no 40 x 20 picture
        home.write("in/scan-" + writable + ".jpg", bytes);
        QVERIFY2(filer.fileFromFile(home.path("in/scan-" + writable + ".jpg"), record(" 1864", writable),
                                    PictureFiler::Existing::Keep),
                 writable.constData());
        // The year as the collection file will store it.
        filed = filedJpeg(home.path("Verzameling/NEDERLAND/1864/" + writable + ".jpg"));
        QCOMPARE(filed.size(), QSize(40, 20));
        QVERIFY2(dark(filed, 5, 10) && !dark(filed, 35, 10), writable.constData());
    }
    // TIFF and WebP come with the image-format plugins the build installs.
    QVERIFY(home.exists("Verzameling/NEDERLAND/1864/tiff.jpg"));
    QVERIFY(home.exists("Verzameling/NEDERLAND/1864/webp.jpg"));
    QVERIFY(filer.fileFromData(jpeg, record("1990 ", "5"), PictureFiler::Existing::Keep));
    QCOMPARE(home.folder().picturePath("Nederland", "1990", "5"),
             home.path("Verzameling/NEDERLAND/1990/5.jpg"));
    QVERIFY(home.exists("Verzameling/NEDERLAND/1990/5.jpg"));

    // A transparent background becomes white, not black.
    QImage clear(8, 8, QImage::Format_ARGB32);
    clear.fill(Qt::transparent);
    QVERIFY(filer.fileFromImage(clear, record("1852", "3"), PictureFiler::Existing::Keep));
    QVERIFY(!dark(filedJpeg(home.path("Verzameling/NEDERLAND/1852/3.jpg")), 4, 4));

    // GIF, which Qt reads but does not write: one transparent pixel, by hand.
    const QByteArray gif = QByteArray::fromHex("47494638396101000100800000000000ffffff21f9040100000000"
                                               "2c00000000010001000002024401003b");
    QVERIFY(filer.fileFromData(gif, record("1852", "gif"), PictureFiler::Existing::Keep));
    QCOMPARE(filedJpeg(home.path("Verzameling/NEDERLAND/1852/gif.jpg")).size(), QSize(1, 1));

    // The existing picture in other letter cases is the one replaced.
    home.write("Verzameling/NEDERLAND/1999/123A.JPG", "oud");
    const StampRecord stamp = record("1999", "123a");
    QVERIFY(filer.hasPicture(stamp));
    QVERIFY(!filer.hasPicture(record("1999", "124")));

    const QByteArray png = encoded(halves(), "png");
    QVERIFY(filer.fileFromData(png, stamp, PictureFiler::Existing::Keep).reason.contains("123A.JPG"));
    QCOMPARE(home.read("Verzameling/NEDERLAND/1999/123A.JPG"), QByteArray("oud"));

    QVERIFY(filer.fileFromData(png, stamp, PictureFiler::Existing::Replace));
    QCOMPARE(filedJpeg(home.path("Verzameling/NEDERLAND/1999/123A.JPG")).size(), QSize(40, 20));
    QCOMPARE(QDir(home.path("Verzameling/NEDERLAND/1999")).entryList(QDir::Files), QStringList{"123A.JPG"});

    QVERIFY(!filer.fileFromData("geen afbeelding", record("1852", "4"), PictureFiler::Existing::Keep));
    QVERIFY(!filer.fileFromFile(home.path("in/ontbreekt.png"), record("1852", "4"),
                                PictureFiler::Existing::Keep));
    QVERIFY(!home.exists("Verzameling/NEDERLAND/1852/4.jpg"));
}

void PictureFilingTest::unusableRecordsAndHostileNamesWriteNothing()
{
    TestFolder home;
    QTemporaryDir outside;
    home.write("Verzameling/Nederland/1852/0.jpg", "oud");
    // A year folder that leads out of the picture folder.
    QVERIFY(QFile::link(outside.path(), home.path("Verzameling/Nederland/1900")));
    const QStringList before = filesBelow(home.path(""));
    const QByteArray png = encoded(halves(), "png");
    const PictureFiler filer(home.folder(), "Nederland");

    const QList<StampRecord> refused{record("1852", "../x"), record("1852", "a/b"), record("1852", "a\\b"),
                                     record("1852", ".."),   record("../..", "1"),  record("1852", "  "),
                                     record("", "1"),        record("1852", "x:y"), record("1900", "1")};
    for (const StampRecord &stamp : refused)
        QVERIFY(!filer.fileFromData(png, stamp, PictureFiler::Existing::Replace).reason.isEmpty());
    QVERIFY(PictureFiler(home.folder(), "")
                .fileFromData(png, record("1852", "1"), PictureFiler::Existing::Keep)
                .reason.contains("geen naam"));
    QVERIFY(!PictureFiler(home.folder(), "..")
                 .fileFromData(png, record("1852", "1"), PictureFiler::Existing::Keep));

    QCOMPARE(filesBelow(home.path("")), before);
    QVERIFY(filesBelow(outside.path()).isEmpty());
    QVERIFY(!QFileInfo::exists(home.path("Verzameling/x.jpg")));
}

void PictureFilingTest::scansAreMatchedByCatalogueNumberAndYear()
{
    TestFolder home;
    const std::vector<StampRecord> records{record("1852", "1"),  record("1864", "1"), record("1852", "123a"),
                                           record("1900", "7"),  record("1901", "7"), record("1950", "55"),
                                           record("1950", "55"), record("1960", "")};
    home.write("Verzameling/Nederland/1950/55.jpg", "oud");
    const QByteArray png = encoded(halves(), "png");
    for (const QString name : {"NVPH 123a.png", "1852_1.jpg", "123A .jpg", "1900/7.png", "7.gif", "55.bmp",
                               "999.png", "notities.txt", ".verborgen.png", "Scans 1864/Lijst/1.png"})
        home.write("scans/" + name, png);

    const PictureFiler filer(home.folder(), "Nederland");
    const std::vector<ScanFolder::Match> matches = ScanFolder::match(home.path("scans"), records, filer);
    using A = ScanFolder::Action;
    const auto line = [](const QString &file, int row, A action) {
        return file + " " + QString::number(row) + " " + QString::number(int(action));
    };
    QStringList seen;
    for (const ScanFolder::Match &match : matches)
        seen << line(QDir(home.path("scans")).relativeFilePath(match.file), match.row, match.action);
    QCOMPARE(seen,
             QStringList({line("123A .jpg", 2, A::Conflict), line("1852_1.jpg", 0, A::New),
                          line("1900/7.png", 3, A::New), line("55.bmp", 5, A::Replaces),
                          line("7.gif", -1, A::Conflict), line("999.png", -1, A::NoRecord),
                          line("NVPH 123a.png", 2, A::Conflict), line("Scans 1864/Lijst/1.png", 1, A::New)}));
    QCOMPARE(matches[4].candidates, std::vector<int>({3, 4}));
    QVERIFY(!matches[4].reason.isEmpty() && !matches[0].reason.isEmpty());

    QVERIFY(matches[1].tickedByDefault() && !matches[3].tickedByDefault() && !matches[4].tickedByDefault());
    // The new ones and the replacement, ticked by the user.
    const std::vector<ScanFolder::Match> ticked{matches[1], matches[2], matches[7], matches[3]};
    QList<int> progress;
    const ScanFolder::Outcome outcome = ScanFolder::file(ticked, records, filer, [&](int done, int total) {
        progress << done << total;
        return true;
    });
    QCOMPARE(outcome.filed, 4);
    QVERIFY(outcome.failures.isEmpty());
    QCOMPARE(progress, QList<int>({1, 4, 2, 4, 3, 4, 4, 4}));
    for (const char *filed : {"1852/1.jpg", "1864/1.jpg", "1900/7.jpg", "1950/55.jpg"})
        QCOMPARE(filedJpeg(home.path(QString("Verzameling/Nederland/") + filed)).size(), QSize(40, 20));

    // Two files for one record, ticked anyway: neither is filed. Two shown as
    // replacing one record: only the first is filed.
    const ScanFolder::Outcome conflicts = ScanFolder::file({matches[6], matches[0]}, records, filer);
    QCOMPARE(conflicts.filed, 0);
    QCOMPARE(conflicts.failures.size(), 2);
    QVERIFY(!home.exists("Verzameling/Nederland/1852/123a.jpg"));
    ScanFolder::Match second = matches[3];
    second.file = matches[1].file;
    const ScanFolder::Outcome once = ScanFolder::file({matches[3], second}, records, filer);
    QCOMPARE(once.filed, 1);
    QCOMPARE(once.failures.size(), 1);

    // Stopping after the first file files no more.
    const ScanFolder::Outcome stopped =
        ScanFolder::file({matches[3], matches[1]}, records, filer, [](int, int) { return false; });
    QCOMPARE(stopped.filed, 1);
    QVERIFY(stopped.failures.isEmpty());
    QVERIFY(ScanFolder::file({matches[5]}, records, filer).failures.size() == 1);

    // A scan folder that holds the program folder: the collection's own
    // pictures (and kept ones) are no scans.
    const std::vector<ScanFolder::Match> fromHome = ScanFolder::match(home.path(""), records, filer);
    QCOMPARE(fromHome.size(), matches.size());
    for (const ScanFolder::Match &match : fromHome)
        QVERIFY2(!match.file.contains("/Verzameling/"), qPrintable(match.file));
}

void PictureFilingTest::replacingKeepsTheOldPictureAndNeverWritesThroughALink()
{
    TestFolder home;
    QTemporaryDir outside;
    const PictureFiler filer(home.folder(), "Nederland");
    const QByteArray png = encoded(halves(), "png");
    const StampRecord stamp = record("1990", "1");
    // Seven pictures replaced: the newest five stay, oldest first.
    for (int turn = 1; turn <= 7; ++turn) {
        home.write("Verzameling/Nederland/1990/1.jpg", "oud " + QByteArray::number(turn));
        QVERIFY(filer.fileFromData(png, stamp, PictureFiler::Existing::Replace));
    }
    const KeptPictures kept(home.folder(), "Nederland");
    QStringList keptBytes;
    for (const QString &file : kept.kept("1990", "1")) {
        QFile keptFile(file);
        QVERIFY(keptFile.open(QIODevice::ReadOnly));
        keptBytes << QString::fromLatin1(keptFile.readAll());
    }
    QCOMPARE(keptBytes, QStringList({"oud 3", "oud 4", "oud 5", "oud 6", "oud 7"}));
    QCOMPARE(home.read("Verzameling/.versies/Nederland/afbeeldingen/1990/1/7.jpg"), QByteArray("oud 7"));
    // The collection's versions know nothing of the kept pictures.
    const CollectionVersions versions(home.folder());
    QVERIFY(versions.versions("Nederland").empty() && versions.deletedCollections().isEmpty());
    home.write("Verzameling/Nederland.col", "eerste");
    QVERIFY(versions.keep("Nederland"));
    QCOMPARE(versions.versions("Nederland").size(), size_t(1));
    QCOMPARE(kept.kept("1990", "1").size(), 5);

    // A picture that is a link, to another record's picture or out of the
    // folder: the link goes, its target stays, the record gets its own file.
    home.write("Verzameling/Nederland/1990/2.jpg", "ander record");
    QFile outsidePicture(outside.filePath("buiten.jpg"));
    QVERIFY(outsidePicture.open(QIODevice::WriteOnly) && outsidePicture.write("buiten") == 6);
    outsidePicture.close();
    QVERIFY(QFile::link("2.jpg", home.path("Verzameling/Nederland/1990/3.jpg")));
    QVERIFY(QFile::link(outside.filePath("buiten.jpg"), home.path("Verzameling/Nederland/1990/4.jpg")));
    for (const char *number : {"3", "4"}) {
        QVERIFY(filer.hasPicture(record("1990", number)));
        QVERIFY(filer.fileFromData(png, record("1990", number), PictureFiler::Existing::Replace));
        const QFileInfo filed(home.path(QStringLiteral("Verzameling/Nederland/1990/%1.jpg").arg(number)));
        QVERIFY(!filed.isSymLink() && filedJpeg(filed.filePath()).size() == QSize(40, 20));
    }
    QCOMPARE(home.read("Verzameling/Nederland/1990/2.jpg"), QByteArray("ander record"));
    QVERIFY(outsidePicture.open(QIODevice::ReadOnly));
    QCOMPARE(outsidePicture.readAll(), QByteArray("buiten"));

    // Kept pictures are never written through a linked folder: then the
    // picture is not replaced at all.
    QVERIFY(QDir(home.path("Verzameling/.versies")).removeRecursively());
    QVERIFY(QFile::link(outside.path(), home.path("Verzameling/.versies")));
    const QByteArray current = home.read("Verzameling/Nederland/1990/1.jpg");
    QVERIFY(!filer.fileFromData(encoded(halves(), "bmp"), stamp, PictureFiler::Existing::Replace)
                 .reason.isEmpty());
    QCOMPARE(home.read("Verzameling/Nederland/1990/1.jpg"), current);
    QCOMPARE(QDir(outside.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             QStringList{"buiten.jpg"});
}

void PictureFilingTest::cutOffAndVeryLargePicturesGetTheirTrueReason()
{
    TestFolder home;
    const PictureFiler filer(home.folder(), "Nederland");
    const QByteArray jpeg = encoded(halves(), "jpeg");
    QVERIFY(filer.fileFromData(jpeg.chopped(30), record("1852", "1"), PictureFiler::Existing::Keep)
                .reason.contains("onvolledig"));
    QVERIFY(!home.exists("Verzameling/Nederland/1852/1.jpg"));
    // Data after the end (some cameras add their own) and scans in several
    // passes are whole files.
    QVERIFY(filer.fileFromData(jpeg + "aanhangsel", record("1852", "2"), PictureFiler::Existing::Keep));
    QByteArray progressive;
    QBuffer buffer(&progressive);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setProgressiveScanWrite(true);
    QVERIFY(writer.write(halves()));
    QVERIFY(progressive.count("\xff\xda") > 1);
    QVERIFY(filer.fileFromData(progressive, record("1852", "3"), PictureFiler::Existing::Keep));
    QVERIFY(!filer.fileFromData(progressive.chopped(2), record("1852", "4"), PictureFiler::Existing::Keep));

    // An upright photo of 36 megapixels, above what Qt reads by itself.
    QImage photo(6000, 6000, QImage::Format_RGB888);
    photo.fill(Qt::darkGreen);
    const QByteArray large = encoded(photo, "jpeg");
    photo = QImage();
    QVERIFY(filer.fileFromData(large, record("1852", "5"), PictureFiler::Existing::Keep));
    QCOMPARE(home.read("Verzameling/Nederland/1852/5.jpg"), large);

    // One far beyond any photo is refused for its size, not as unreadable.
    QByteArray huge = jpeg;
    const qsizetype frame = huge.indexOf("\xff\xc0");
    QVERIFY(frame > 0);
    huge.replace(frame + 5, 4, QByteArray::fromHex("75307530")); // 30000 x 30000
    const QString reason = filer.fileFromData(huge, record("1852", "6"), PictureFiler::Existing::Keep).reason;
    QVERIFY2(reason.contains("te groot") && reason.contains("30000 x 30000"), qPrintable(reason));
}

QTEST_GUILESS_MAIN(PictureFilingTest)
#include "tst_picturefiling.moc"
