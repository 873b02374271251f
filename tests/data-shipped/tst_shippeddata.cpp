// Checks what the build places beside the program: the word lists, the help
// documents, the seal-sheet frame, the demo collection with its pictures and the
// old-format demo file, read from the assembled folder as the program reads them.

#include "storage/folder/ProgramFolder.h"
#include "storage/formats/CollectionFile.h"
#include "storage/formats/OldDataFile.h"
#include "storage/text/Windows1252.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QSet>
#include <QTest>

namespace {

const QString ShippedRoot = QStringLiteral(T2_SHIPPED_DATA_DIR);
const QByteArray MakerLineBytes("Tessaron2 Zegelarchief\xae 2.00");
const QByteArray SeparatorBytes(28, '-');

const QStringList WordLists = {
    QStringLiteral("Categorie.txt"), QStringLiteral("Soort.txt"),  QStringLiteral("Type.txt"),
    QStringLiteral("Conditie.txt"),  QStringLiteral("Landen.txt"), QStringLiteral("Motief.txt"),
    QStringLiteral("Catalogi.txt"),
};

QByteArray readShipped(const QString &relative)
{
    QFile file(QDir(ShippedRoot).filePath(relative));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

QStringList shippedFiles(const QString &folder, const QString &pattern)
{
    return QDir(QDir(ShippedRoot).filePath(folder)).entryList({pattern}, QDir::Files, QDir::Name);
}

// Why the bytes are not Windows-1252 text with CR LF after every line, or an
// empty text when they are.
QString textFileProblem(const QByteArray &bytes)
{
    if (bytes.isEmpty())
        return QStringLiteral("file is missing or empty");
    if (!bytes.endsWith("\r\n"))
        return QStringLiteral("last line does not end in CR LF");
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes.at(i));
        if (b == '\r' && (i + 1 == bytes.size() || bytes.at(i + 1) != '\n'))
            return QStringLiteral("lone CR at byte %1").arg(i);
        if (b == '\n' && (i == 0 || bytes.at(i - 1) != '\r'))
            return QStringLiteral("lone LF at byte %1").arg(i);
        // The five bytes that Windows-1252 leaves undefined, and control characters.
        if (b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D)
            return QStringLiteral("byte 0x%1 is not a Windows-1252 character").arg(b, 2, 16);
        if ((b < 0x20 && b != '\r' && b != '\n') || b == 0x7F)
            return QStringLiteral("control byte 0x%1 at %2").arg(b, 2, 16, QLatin1Char('0')).arg(i);
    }
    // A file saved as UTF-8 by mistake shows its accented letters as two characters.
    const QString text = Windows1252::decode(bytes);
    if (text.contains(u'\u00c3') || text.contains(u'\u00c2') || bytes.startsWith("\xef\xbb\xbf"))
        return QStringLiteral("text looks UTF-8 encoded");
    return {};
}

// The lines of a file already checked by textFileProblem.
QList<QByteArray> crlfLines(const QByteArray &bytes)
{
    QList<QByteArray> lines;
    for (qsizetype start = 0, end; (end = bytes.indexOf("\r\n", start)) >= 0; start = end + 2)
        lines << bytes.mid(start, end - start);
    return lines;
}

QStringList wordList(const QString &fileName)
{
    QStringList words;
    for (const QByteArray &line : crlfLines(readShipped(QStringLiteral("Data/") + fileName)))
        words << Windows1252::decode(line);
    return words;
}

} // namespace

class ShippedDataTest : public QObject {
    Q_OBJECT

private slots:
    void folderHoldsEveryShippedFile();
    void textFilesAreWindows1252WithCrLf_data();
    void textFilesAreWindows1252WithCrLf();
    void wordListsHoldUsableEntries_data();
    void wordListsHoldUsableEntries();
    void conditionListHoldsTheImportedConditions();
    void demoCollectionsFollowTheCollectionFormat();
    void demoCollectionsUseTheWordLists();
    void demoPicturesMatchTheRecords();
    void oldFormatFileImports();
    void helpDocumentsArePdfs();
    void sealFrameIsAPicture();
};

void ShippedDataTest::folderHoldsEveryShippedFile()
{
    QStringList expected = WordLists;
    expected << QStringLiteral("help.pdf") << QStringLiteral("help.en.pdf") << QStringLiteral("help.de.pdf")
             << QStringLiteral("sluitzegels.fra");
    for (const QString &name : expected)
        QVERIFY2(QFile::exists(QDir(ShippedRoot).filePath(QStringLiteral("Data/") + name)), qPrintable(name));
    QVERIFY(!shippedFiles(QStringLiteral("Verzameling"), QStringLiteral("*.col")).isEmpty());
    QVERIFY(!shippedFiles(QStringLiteral("Verzameling"), QStringLiteral("*.cat")).isEmpty());
}

void ShippedDataTest::textFilesAreWindows1252WithCrLf_data()
{
    QTest::addColumn<QString>("relative");
    for (const QString &name : WordLists)
        QTest::newRow(qPrintable(name)) << QStringLiteral("Data/") + name;
    for (const QString &pattern : {QStringLiteral("*.col"), QStringLiteral("*.cat")}) {
        for (const QString &name : shippedFiles(QStringLiteral("Verzameling"), pattern))
            QTest::newRow(qPrintable(name)) << QStringLiteral("Verzameling/") + name;
    }
}

void ShippedDataTest::textFilesAreWindows1252WithCrLf()
{
    QFETCH(QString, relative);
    const QString problem = textFileProblem(readShipped(relative));
    QVERIFY2(problem.isEmpty(), qPrintable(relative + QStringLiteral(": ") + problem));
}

void ShippedDataTest::wordListsHoldUsableEntries_data()
{
    QTest::addColumn<QString>("fileName");
    for (const QString &name : WordLists)
        QTest::newRow(qPrintable(name)) << name;
}

// The combo boxes show entries verbatim, so a blank line or a stray space shows
// up as an empty or odd-looking choice; a duplicate shows twice.
void ShippedDataTest::wordListsHoldUsableEntries()
{
    QFETCH(QString, fileName);
    const QStringList words = wordList(fileName);
    QVERIFY2(words.size() >= 5, qPrintable(fileName));
    QSet<QString> seen;
    for (const QString &word : words) {
        QVERIFY2(!word.trimmed().isEmpty(), qPrintable(fileName + QStringLiteral(": blank line")));
        QCOMPARE(word, word.trimmed());
        QVERIFY2(!seen.contains(word.toLower()), qPrintable(fileName + QStringLiteral(": twice: ") + word));
        seen.insert(word.toLower());
    }
}

void ShippedDataTest::conditionListHoldsTheImportedConditions()
{
    // The old-format import writes these conditions; the list must offer them.
    const QStringList conditions = wordList(QStringLiteral("Conditie.txt"));
    for (const char *condition : {"Postfris", "Gestempeld", "1e dag envelop", "-"})
        QVERIFY2(conditions.contains(QLatin1String(condition)), condition);
}

void ShippedDataTest::demoCollectionsFollowTheCollectionFormat()
{
    for (const QString &fileName : shippedFiles(QStringLiteral("Verzameling"), QStringLiteral("*.col"))) {
        const QByteArray bytes = readShipped(QStringLiteral("Verzameling/") + fileName);
        QVERIFY2(textFileProblem(bytes).isEmpty(), qPrintable(fileName));
        const QList<QByteArray> lines = crlfLines(bytes);
        QVERIFY2((lines.size() - 3) % 13 == 0, qPrintable(fileName));
        const qsizetype recordCount = (lines.size() - 3) / 13;
        QVERIFY2(recordCount >= 20 && recordCount <= 40, qPrintable(fileName));

        QCOMPARE(bytes.left(30), MakerLineBytes + "\r\n");
        QCOMPARE(static_cast<unsigned char>(bytes.at(22)), 0xAE);
        // The program opens a collection under the name in line 2 and saves it
        // under that name, so it must be the file's own name.
        QCOMPARE(Windows1252::decode(lines.at(1)), fileName.chopped(4));
        for (qsizetype separator = 2; separator < lines.size(); separator += 13)
            QCOMPARE(lines.at(separator), SeparatorBytes);

        const CollectionFile::Contents contents = CollectionFile::parse(bytes);
        QCOMPARE(qsizetype(contents.records.size()), recordCount);
        // Opening the demo and saving it unchanged writes the very same bytes.
        QCOMPARE(CollectionFile::serialize(fileName.chopped(4), contents.records), bytes);
        for (const StampRecord &record : contents.records) {
            QVERIFY(!record[StampRecord::CatalogueNumber].trimmed().isEmpty());
            QCOMPARE(record[StampRecord::Year], record[StampRecord::Year].trimmed());
        }
    }
}

void ShippedDataTest::demoCollectionsUseTheWordLists()
{
    const struct {
        StampRecord::Field field;
        QString list;
    } listed[] = {
        {StampRecord::Category, QStringLiteral("Categorie.txt")},
        {StampRecord::Kind, QStringLiteral("Soort.txt")},
        {StampRecord::Type, QStringLiteral("Type.txt")},
        {StampRecord::Condition, QStringLiteral("Conditie.txt")},
    };
    for (const QString &fileName : shippedFiles(QStringLiteral("Verzameling"), QStringLiteral("*.col"))) {
        const auto contents = CollectionFile::parse(readShipped(QStringLiteral("Verzameling/") + fileName));
        for (const auto &[field, list] : listed) {
            const QStringList words = wordList(list);
            for (const StampRecord &record : contents.records) {
                QVERIFY2(words.contains(record[field]),
                         qPrintable(fileName + QStringLiteral(": ") + record[field] +
                                    QStringLiteral(" not in ") + list));
            }
        }
    }
}

void ShippedDataTest::demoPicturesMatchTheRecords()
{
    const ProgramFolder folder(ShippedRoot);
    for (const QString &fileName : shippedFiles(QStringLiteral("Verzameling"), QStringLiteral("*.col"))) {
        const auto contents = CollectionFile::parse(readShipped(QStringLiteral("Verzameling/") + fileName));
        QVERIFY(contents.name.has_value());
        const QString &name = *contents.name;

        QSet<QString> expectedPictures;
        qsizetype withPicture = 0;
        for (const StampRecord &record : contents.records) {
            const QString path =
                folder.picturePath(name, record[StampRecord::Year], record[StampRecord::CatalogueNumber]);
            expectedPictures.insert(QFileInfo(path).absoluteFilePath());
            if (!QFile::exists(path))
                continue;
            ++withPicture;
            QImageReader reader(path);
            QCOMPARE(reader.format(), QByteArray("jpeg"));
            const QImage picture = reader.read();
            QVERIFY2(!picture.isNull(), qPrintable(path + QStringLiteral(": ") + reader.errorString()));
            // The thumbnail shows the top-left 608 x 407 pixels of a picture.
            QVERIFY2(picture.width() <= 608 && picture.height() <= 407 && picture.width() >= 300,
                     qPrintable(path));
        }
        // Most records show a picture; a few show the "no picture" state.
        QVERIFY2(withPicture * 4 >= qsizetype(contents.records.size()) * 3, qPrintable(name));
        QVERIFY2(withPicture < qsizetype(contents.records.size()), qPrintable(name));

        // The album lists every file of the year folders, so no picture may be
        // left over from a record that is no longer in the collection.
        QDirIterator files(folder.pictureFolder(name), QDir::Files, QDirIterator::Subdirectories);
        while (files.hasNext()) {
            const QString file = QFileInfo(files.next()).absoluteFilePath();
            QVERIFY2(expectedPictures.contains(file), qPrintable(file));
        }
    }
}

void ShippedDataTest::oldFormatFileImports()
{
    const QStringList files = shippedFiles(QStringLiteral("Verzameling"), QStringLiteral("*.cat"));
    for (const QString &fileName : files) {
        const QByteArray bytes = readShipped(QStringLiteral("Verzameling/") + fileName);
        QVERIFY2(textFileProblem(bytes).isEmpty(), qPrintable(fileName));
        const QList<QByteArray> lines = crlfLines(bytes);
        QVERIFY2((lines.size() - 3) % 15 == 0, qPrintable(fileName));
        const qsizetype recordCount = (lines.size() - 3) / 15;
        QVERIFY2(recordCount >= 8 && recordCount <= 15, qPrintable(fileName));
        // The three condition flags of every record are written as the old
        // program wrote them; anything else would silently read as "not set".
        for (qsizetype first = 3; first < lines.size(); first += 15) {
            for (int flag = 9; flag <= 11; ++flag) {
                const QByteArray value = lines.at(first + flag);
                QVERIFY2(value == "True" || value == "False",
                         qPrintable(fileName + QLatin1Char(' ') + value));
            }
        }
        const std::vector<StampRecord> imported = OldDataFile::parse(bytes);
        QVERIFY(qsizetype(imported.size()) >= 8);
        // The converted conditions are choices of the condition list, and the
        // demo shows more than one of them.
        const QStringList conditions = wordList(QStringLiteral("Conditie.txt"));
        QSet<QString> importedConditions;
        for (const StampRecord &record : imported) {
            QVERIFY(conditions.contains(record[StampRecord::Condition]));
            importedConditions.insert(record[StampRecord::Condition]);
        }
        QVERIFY(importedConditions.size() >= 2);
    }
}

void ShippedDataTest::helpDocumentsArePdfs()
{
    for (const QString &document :
         {QStringLiteral("help.pdf"), QStringLiteral("help.en.pdf"), QStringLiteral("help.de.pdf")}) {
        const QByteArray pdf = readShipped(QStringLiteral("Data/") + document);
        QVERIFY2(pdf.startsWith("%PDF-"), qPrintable(document));
        QVERIFY(pdf.trimmed().endsWith("%%EOF"));
        // A document that explains every window runs to many pages.
        QVERIFY2(pdf.size() > 40 * 1024, qPrintable(QString::number(pdf.size())));
        QVERIFY(pdf.count("/Type /Page\n") >= 8);
    }
}

void ShippedDataTest::sealFrameIsAPicture()
{
    // The print job loads the frame by its content; ".fra" names no format.
    QImageReader reader(QDir(ShippedRoot).filePath(QStringLiteral("Data/sluitzegels.fra")));
    reader.setDecideFormatFromContent(true);
    QVERIFY2(reader.format() == "jpeg" || reader.format() == "bmp", reader.format().constData());
    const QImage frame = reader.read();
    QVERIFY2(!frame.isNull(), qPrintable(reader.errorString()));
    // It is printed stretched over 6900 x 9630 twips; other proportions would
    // distort its drawing.
    const double aspect = double(frame.width()) / frame.height();
    QVERIFY2(qAbs(aspect - 6900.0 / 9630.0) < 0.01, qPrintable(QString::number(aspect)));
    QVERIFY(frame.width() >= 690);
}

QTEST_GUILESS_MAIN(ShippedDataTest)
#include "tst_shippeddata.moc"
