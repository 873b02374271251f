#include "common/TestFolder.h"
#include "storage/PictureFiler.h"
#include "storage/ScanFolder.h"

#include <QBuffer>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImageReader>
#include <QImageWriter>
#include <QTemporaryDir>
#include <QTest>

namespace {

StampRecord record(const QString &year, const QString &number)
{
    StampRecord stamp;
    stamp[StampRecord::Year] = year;
    stamp[StampRecord::CatalogueNumber] = number;
    return stamp;
}

// 40 x 20, left half black and right half white: shows size and turn.
QImage halves()
{
    QImage image(40, 20, QImage::Format_RGB32);
    image.fill(Qt::white);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x)
            image.setPixel(x, y, qRgb(0, 0, 0));
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
    const QByteArray exif = QByteArray::fromHex("ffe10022"
                                                "457869660000"             // "Exif\0\0"
                                                "4d4d002a00000008"         // big-endian TIFF header
                                                "0001"                     // one entry:
                                                "011200030000000100060000" // orientation 6
                                                "00000000");
    return jpeg.left(2) + exif + jpeg.mid(2);
}

QImage readImage(const QString &path, QByteArray *format = nullptr)
{
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    if (format)
        *format = reader.format();
    return reader.read();
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
    void everyFormatEndsUpAsAnUprightJpeg();
    void anExistingPictureIsReplacedOnlyWhenAsked();
    void unusableRecordsAndHostileNamesWriteNothing();
    void scansAreMatchedByCatalogueNumberAndYear();
};

void PictureFilingTest::everyFormatEndsUpAsAnUprightJpeg()
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
    QByteArray format;
    QImage filed = readImage(home.path("Verzameling/NEDERLAND/1852/2.jpg"), &format);
    QCOMPARE(format, QByteArray("jpeg"));
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
        filed = readImage(home.path("Verzameling/NEDERLAND/ 1864/" + writable + ".jpg"), &format);
        QCOMPARE(format, QByteArray("jpeg"));
        QCOMPARE(filed.size(), QSize(40, 20));
        QVERIFY2(dark(filed, 5, 10) && !dark(filed, 35, 10), writable.constData());
    }
    // TIFF and WebP come with the image-format plugins the build installs.
    QVERIFY(home.exists("Verzameling/NEDERLAND/ 1864/tiff.jpg"));
    QVERIFY(home.exists("Verzameling/NEDERLAND/ 1864/webp.jpg"));

    // A transparent background becomes white, not black.
    QImage clear(8, 8, QImage::Format_ARGB32);
    clear.fill(Qt::transparent);
    QVERIFY(filer.fileFromImage(clear, record("1852", "3"), PictureFiler::Existing::Keep));
    QVERIFY(!dark(readImage(home.path("Verzameling/NEDERLAND/1852/3.jpg")), 4, 4));

    // GIF, which Qt reads but does not write: one transparent pixel, by hand.
    const QByteArray gif = QByteArray::fromHex("47494638396101000100800000000000ffffff21f9040100000000"
                                               "2c00000000010001000002024401003b");
    QVERIFY(filer.fileFromData(gif, record("1852", "gif"), PictureFiler::Existing::Keep));
    QCOMPARE(readImage(home.path("Verzameling/NEDERLAND/1852/gif.jpg"), &format).size(), QSize(1, 1));
    QCOMPARE(format, QByteArray("jpeg"));

    QVERIFY(!filer.fileFromData("geen afbeelding", record("1852", "4"), PictureFiler::Existing::Keep));
    QVERIFY(!filer.fileFromFile(home.path("in/ontbreekt.png"), record("1852", "4"),
                                PictureFiler::Existing::Keep));
    QVERIFY(!home.exists("Verzameling/NEDERLAND/1852/4.jpg"));
}

void PictureFilingTest::anExistingPictureIsReplacedOnlyWhenAsked()
{
    TestFolder home;
    const PictureFiler filer(home.folder(), "Nederland");
    // The existing picture in other letter cases is the one replaced.
    home.write("Verzameling/nederland/1999/123A.JPG", "oud");
    const StampRecord stamp = record("1999", "123a");
    QVERIFY(filer.hasPicture(stamp));
    QVERIFY(!filer.hasPicture(record("1999", "124")));

    const QByteArray png = encoded(halves(), "png");
    const StorageResult refused = filer.fileFromData(png, stamp, PictureFiler::Existing::Keep);
    QVERIFY(!refused);
    QVERIFY(refused.reason.contains("123A.JPG"));
    QCOMPARE(home.read("Verzameling/nederland/1999/123A.JPG"), QByteArray("oud"));

    QVERIFY(filer.fileFromData(png, stamp, PictureFiler::Existing::Replace));
    QCOMPARE(readImage(home.path("Verzameling/nederland/1999/123A.JPG")).size(), QSize(40, 20));
    QCOMPARE(QDir(home.path("Verzameling/nederland/1999")).entryList(QDir::Files), QStringList{"123A.JPG"});
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
    for (const StampRecord &stamp : refused) {
        const StorageResult result = filer.fileFromData(png, stamp, PictureFiler::Existing::Replace);
        QVERIFY2(!result && !result.reason.isEmpty(), qPrintable(stamp[StampRecord::CatalogueNumber]));
    }
    const StorageResult unnamed =
        PictureFiler(home.folder(), "").fileFromData(png, record("1852", "1"), PictureFiler::Existing::Keep);
    QVERIFY(unnamed.reason.contains("geen naam"));
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
    QStringList seen;
    for (const ScanFolder::Match &match : matches)
        seen << QDir(home.path("scans")).relativeFilePath(match.file) + " " + QString::number(match.row) +
                    " " + QString::number(int(match.action));
    using A = ScanFolder::Action;
    const auto line = [](const QString &file, int row, A action) {
        return file + " " + QString::number(row) + " " + QString::number(int(action));
    };
    QCOMPARE(seen,
             QStringList({line("123A .jpg", 2, A::Conflict), line("1852_1.jpg", 0, A::New),
                          line("1900/7.png", 3, A::New), line("55.bmp", 5, A::Replaces),
                          line("7.gif", -1, A::Conflict), line("999.png", -1, A::NoRecord),
                          line("NVPH 123a.png", 2, A::Conflict), line("Scans 1864/Lijst/1.png", 1, A::New)}));
    QCOMPARE(matches[4].candidates, std::vector<int>({3, 4}));
    QVERIFY(!matches[4].reason.isEmpty() && !matches[0].reason.isEmpty());

    std::vector<ScanFolder::Match> ticked;
    std::copy_if(matches.begin(), matches.end(), std::back_inserter(ticked),
                 [](const ScanFolder::Match &match) { return match.tickedByDefault(); });
    ticked.push_back(matches[3]); // the replacement, ticked by the user
    QList<int> progress;
    const ScanFolder::Outcome outcome = ScanFolder::file(ticked, records, filer, [&](int done, int total) {
        progress << done << total;
        return true;
    });
    QCOMPARE(outcome.filed, 4);
    QVERIFY(outcome.failures.isEmpty());
    QCOMPARE(progress, QList<int>({1, 4, 2, 4, 3, 4, 4, 4}));
    for (const char *filed : {"1852/1.jpg", "1864/1.jpg", "1900/7.jpg", "1950/55.jpg"})
        QCOMPARE(readImage(home.path(QString("Verzameling/Nederland/") + filed)).size(), QSize(40, 20));

    // Stopping after the first file files no more.
    const ScanFolder::Outcome stopped =
        ScanFolder::file({matches[6], matches[0]}, records, filer, [](int, int) { return false; });
    QCOMPARE(stopped.filed, 1);
    QVERIFY(ScanFolder::file({matches[5]}, records, filer).failures.size() == 1);
}

QTEST_GUILESS_MAIN(PictureFilingTest)
#include "tst_picturefiling.moc"
