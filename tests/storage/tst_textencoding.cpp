#include "storage/folder/TextFile.h"
#include "storage/text/PackedTexts.h"
#include "storage/text/Windows1252.h"

#include <QTemporaryDir>
#include <QTest>

class TextEncodingTest : public QObject {
    Q_OBJECT

private slots:
    void highBytesDecodeToTheirCharacters();
    void everyByteSurvivesDecodeAndEncode();
    void packedTextsLiveOnAndChangeAlone();
    void unencodableCharactersBecomeQuestionMarksOrAreFiltered();
    void linesEndAtCrLfLoneCrAndLoneLf();
    void writtenLinesEndInCrLfAndReplaceLongerFiles();
    void writingIntoAMissingFolderFailsWithAReason();
};

void TextEncodingTest::highBytesDecodeToTheirCharacters()
{
    // The code page's own table for 0x80 to 0x9F, written out here so that a
    // wrong or swapped entry in the program's table cannot pass; the five
    // undefined bytes stand for the control characters of the same number.
    static constexpr char16_t Expected[32] = {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 0x80
        0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, // 0x88
        0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 0x90
        0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, // 0x98
    };
    for (int b = 0x80; b <= 0x9F; ++b) {
        const QByteArray byte(1, static_cast<char>(b));
        const QChar character(Expected[b - 0x80]);
        QCOMPARE(Windows1252::decode(byte), QString(character));
        QCOMPARE(Windows1252::encode(QString(character)), byte);
    }
    QCOMPARE(Windows1252::decode("\xae"), QString(QChar(0x00AE)));
    QCOMPARE(Windows1252::decode("\xe9"), QString(QChar(0x00E9)));
    QCOMPARE(Windows1252::encode(QString(QChar(0x20AC)) + QChar(0x00EB)), QByteArray("\x80\xeb"));
}

void TextEncodingTest::everyByteSurvivesDecodeAndEncode()
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(static_cast<char>(b));
    const QString text = Windows1252::decode(all);
    QCOMPARE(text.size(), 256);
    QCOMPARE(Windows1252::encode(text), all);
    for (const QChar c : text)
        QVERIFY(Windows1252::canEncode(c));
}

void TextEncodingTest::packedTextsLiveOnAndChangeAlone()
{
    QByteArray all;
    for (int b = 1; b < 256; ++b)
        all.append(static_cast<char>(b));
    QStringList texts;
    {
        PackedTexts packed;
        // Enough texts to fill several blocks, and one too long for a block.
        for (int i = 0; i < 5000; ++i)
            texts.append(packed.text(QByteArray::number(i) + all.mid(i % 255, 40)));
        texts.append(packed.text(all.repeated(4)));
        texts.append(packed.text(""));
    }
    texts[1].append(u'x');
    texts[2][0] = u'y';
    texts.removeFirst();
    for (qsizetype i = 0; i < texts.size() - 2; ++i) {
        QString expected = Windows1252::decode(QByteArray::number(i + 1) + all.mid((i + 1) % 255, 40));
        if (i == 0)
            expected.append(u'x');
        if (i == 1)
            expected[0] = u'y';
        QCOMPARE(texts[i], expected);
        QCOMPARE(texts[i].utf16()[texts[i].size()], u'\0');
    }
    QCOMPARE(texts[texts.size() - 2], Windows1252::decode(all.repeated(4)));
    QVERIFY(texts.last().isEmpty());
}

void TextEncodingTest::unencodableCharactersBecomeQuestionMarksOrAreFiltered()
{
    const QString mixed = QStringLiteral("a\u0100b\u20ACc") + QString::fromUtf8("\xF0\x9F\x98\x80") + u'd';
    QCOMPARE(Windows1252::encode(mixed), QByteArray("a?b\x80"
                                                    "c??d"));
    QCOMPARE(Windows1252::filtered(mixed), QStringLiteral("ab\u20ACcd"));
    QVERIFY(!Windows1252::canEncode(QChar(0x0100)));
}

void TextEncodingTest::linesEndAtCrLfLoneCrAndLoneLf()
{
    QCOMPARE(TextFile::splitLines("a\r\nb\rc\nd"), QStringList({"a", "b", "c", "d"}));
    QCOMPARE(TextFile::splitLines("a\r\n\r\nb\r\n"), QStringList({"a", "", "b"}));
    QCOMPARE(TextFile::splitLines("\n\r"), QStringList({"", ""}));
    QCOMPARE(TextFile::splitLines("\r\n"), QStringList({""}));
    QVERIFY(TextFile::splitLines("").isEmpty());
    QCOMPARE(TextFile::splitLines("  padded  \r\n"), QStringList({"  padded  "}));
}

void TextEncodingTest::writtenLinesEndInCrLfAndReplaceLongerFiles()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("list.txt");
    QVERIFY(TextFile::writeLines(path, {"een", "twee", "drie", "vier"}));
    QVERIFY(TextFile::writeLines(path, {QString::fromUtf8("Belgi\u00eb"), ""}));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("Belgi\xeb\r\n\r\n"));

    QStringList lines;
    QVERIFY(TextFile::readLines(path, lines));
    QCOMPARE(lines, QStringList({QString::fromUtf8("Belgi\u00eb"), ""}));
}

void TextEncodingTest::writingIntoAMissingFolderFailsWithAReason()
{
    QTemporaryDir dir;
    const StorageResult result = TextFile::writeLines(dir.filePath("missing/list.txt"), {"x"});
    QVERIFY(!result.ok);
    QVERIFY(!result.reason.isEmpty());

    QStringList lines{"left over"};
    QVERIFY(!TextFile::readLines(dir.filePath("absent.txt"), lines));
    QVERIFY(lines.isEmpty());
}

QTEST_GUILESS_MAIN(TextEncodingTest)
#include "tst_textencoding.moc"
