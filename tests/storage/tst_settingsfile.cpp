#include "common/TestFolder.h"
#include "storage/formats/SettingsFile.h"

#include <QTest>

namespace {

constexpr int ColourAndHeaderValues = 9; // maker, separator, 3 + 3 components, separator

QStringList defaultLines()
{
    return {
        QStringLiteral("\"Tessaron2 Zegelarchief\u00ae 2.00\""),
        QStringLiteral("\"----------------------------\""),
        QStringLiteral("220,220,190"),
        QStringLiteral("200,220,220"),
        QStringLiteral("\"----------------------------\""),
        QStringLiteral("900"),
        QStringLiteral("1500"),
        QStringLiteral("1500"),
        QStringLiteral("2100"),
        QStringLiteral("1200"),
        QStringLiteral("1200"),
        QStringLiteral("1800"),
        QStringLiteral("2100"),
        QStringLiteral("3000"),
        QStringLiteral("1200"),
        QStringLiteral("1200"),
        QStringLiteral("1200"),
    };
}

QStringList customLines()
{
    QStringList lines = defaultLines();
    lines[2] = QStringLiteral("10,20,30");
    lines[3] = QStringLiteral("40,50,60");
    for (int i = 0; i < SettingsFile::ColumnCount; ++i)
        lines[5 + i] = QString::number(100 * (i + 1));
    return lines;
}

const QString IniName = QStringLiteral("Tessaron2.ini");

} // namespace

class SettingsFileTest : public QObject {
    Q_OBJECT

private slots:
    void missingFileKeepsEverything();
    void completeFileGivesEveryValue();
    void shortFileKeepsWhatWasRead();
    void unreadableValueEndsReading();
    void outOfRangeValuesTakeTheirDefault();
    void valuesFlowAcrossLineEnds();
    void writesTheSeventeenLinesByteForByte();
    void failedWriteSaysWhy();
};

void SettingsFileTest::missingFileKeepsEverything()
{
    TestFolder folder;
    SettingsFile settings;
    settings.panelColour = QColor(1, 2, 3);
    QCOMPARE(settings.read(folder.path(IniName)), 0);
    QCOMPARE(settings.panelColour, QColor(1, 2, 3));
    QCOMPARE(settings.fieldColour, SettingsFile::DefaultFieldColour);
    QCOMPARE(settings.columnWidths, SettingsFile::DefaultColumnWidths);

    // An empty file holds no value either.
    folder.write(IniName, {});
    QCOMPARE(SettingsFile().read(folder.path(IniName)), 0);
}

void SettingsFileTest::completeFileGivesEveryValue()
{
    TestFolder folder;
    folder.write(IniName, crlf(customLines()));
    SettingsFile settings;
    QCOMPARE(settings.read(folder.path(IniName)), SettingsFile::ValueCount);
    QCOMPARE(settings.panelColour, QColor(10, 20, 30));
    QCOMPARE(settings.fieldColour, QColor(40, 50, 60));
    for (int i = 0; i < SettingsFile::ColumnCount; ++i)
        QCOMPARE(settings.columnWidths[static_cast<size_t>(i)], 100 * (i + 1));

    // Lines ended by a lone LF (edited with Linux tools), the last one unended.
    folder.write(IniName, customLines().join(QLatin1Char('\n')).toLatin1());
    SettingsFile fromLinux;
    QCOMPARE(fromLinux.read(folder.path(IniName)), SettingsFile::ValueCount);
    QCOMPARE(fromLinux.columnWidths[11], 1200);
}

void SettingsFileTest::shortFileKeepsWhatWasRead()
{
    TestFolder folder;
    folder.write(IniName, crlf(customLines().mid(0, 7)));
    SettingsFile settings;
    QCOMPARE(settings.read(folder.path(IniName)), ColourAndHeaderValues + 2);
    QCOMPARE(settings.panelColour, QColor(10, 20, 30));
    QCOMPARE(settings.fieldColour, QColor(40, 50, 60));
    QCOMPARE(settings.columnWidths[0], 100);
    QCOMPARE(settings.columnWidths[1], 200);
    QCOMPARE(settings.columnWidths[2], SettingsFile::DefaultColumnWidths[2]);

    // A file that ends inside a colour line keeps the components before the end.
    QStringList cut = customLines().mid(0, 3);
    cut[2] = QStringLiteral("10,20");
    folder.write(IniName, crlf(cut));
    SettingsFile cutSettings;
    QCOMPARE(cutSettings.read(folder.path(IniName)), 4);
    QCOMPARE(cutSettings.panelColour, QColor(10, 20, 190));
}

void SettingsFileTest::unreadableValueEndsReading()
{
    TestFolder folder;
    QStringList lines = customLines();
    lines[9] = QStringLiteral("wide");
    folder.write(IniName, crlf(lines));
    SettingsFile settings;
    QCOMPARE(settings.read(folder.path(IniName)), ColourAndHeaderValues + 4);
    QCOMPARE(settings.columnWidths[3], 400);
    QCOMPARE(settings.columnWidths[4], SettingsFile::DefaultColumnWidths[4]);
    QCOMPARE(settings.columnWidths[5], SettingsFile::DefaultColumnWidths[5]);

    // Trailing text after a number, a blank line and a fraction are not whole numbers.
    for (const QString &bad : {QStringLiteral("12px"), QString(), QStringLiteral("1.5")}) {
        lines = customLines();
        lines[3] = QStringLiteral("40,") + bad + QStringLiteral(",60");
        folder.write(IniName, crlf(lines));
        SettingsFile badField;
        QCOMPARE(badField.read(folder.path(IniName)), 6);
        QCOMPARE(badField.fieldColour, QColor(40, 220, 220));
    }

    // A number too large for 32 bits cannot be read either.
    lines = customLines();
    lines[16] = QStringLiteral("99999999999");
    folder.write(IniName, crlf(lines));
    QCOMPARE(SettingsFile().read(folder.path(IniName)), SettingsFile::ValueCount - 1);
}

void SettingsFileTest::outOfRangeValuesTakeTheirDefault()
{
    TestFolder folder;
    QStringList lines = customLines();
    lines[2] = QStringLiteral("300,-1,255");
    lines[3] = QStringLiteral("0,256,7");
    lines[6] = QStringLiteral("-5");
    lines[7] = QStringLiteral("0");
    folder.write(IniName, crlf(lines));
    SettingsFile settings;
    QCOMPARE(settings.read(folder.path(IniName)), SettingsFile::ValueCount);
    QCOMPARE(settings.panelColour, QColor(220, 220, 255));
    QCOMPARE(settings.fieldColour, QColor(0, 220, 7));
    QCOMPARE(settings.columnWidths[1], SettingsFile::DefaultColumnWidths[1]);
    QCOMPARE(settings.columnWidths[2], 0);
    QCOMPARE(settings.columnWidths[3], 400);
}

void SettingsFileTest::valuesFlowAcrossLineEnds()
{
    TestFolder folder;
    QStringList lines = customLines();
    // The panel colour lacks its blue, which the next line gives; that line in
    // turn hands its last component to the separator line.
    lines[2] = QStringLiteral("10,20");
    lines[3] = QStringLiteral("30,40,50,60");
    // A quoted text may hold commas; blanks around numbers are ignored.
    lines[0] = QStringLiteral("\"Maker, with a comma\"");
    lines[5] = QStringLiteral("  100 ");
    folder.write(IniName, crlf(lines));
    SettingsFile settings;
    QCOMPARE(settings.read(folder.path(IniName)), SettingsFile::ValueCount);
    QCOMPARE(settings.panelColour, QColor(10, 20, 30));
    QCOMPARE(settings.fieldColour, QColor(40, 50, 60));
    QCOMPARE(settings.columnWidths[0], 100);
    QCOMPARE(settings.columnWidths[11], 1200);

    // Two widths on one line shift the rest up: the file ends one line early
    // without a missing value.
    lines = customLines();
    lines[5] = QStringLiteral("100,200");
    lines.removeAt(6);
    folder.write(IniName, crlf(lines));
    SettingsFile joined;
    QCOMPARE(joined.read(folder.path(IniName)), SettingsFile::ValueCount);
    QCOMPARE(joined.columnWidths[1], 200);

    // An unquoted text with a comma becomes two values, which pushes the panel
    // colour's first component onto the separator line's text.
    lines = customLines();
    lines[0] = QStringLiteral("Maker, with a comma");
    folder.write(IniName, crlf(lines));
    SettingsFile unquoted;
    QCOMPARE(unquoted.read(folder.path(IniName)), 2);
    QCOMPARE(unquoted.panelColour, SettingsFile::DefaultPanelColour);
}

void SettingsFileTest::writesTheSeventeenLinesByteForByte()
{
    TestFolder folder;
    SettingsFile settings;
    QVERIFY(settings.write(folder.path(IniName)).ok);
    const QByteArray bytes = folder.read(IniName);
    QCOMPARE(bytes, crlf(defaultLines()));
    QCOMPARE(bytes.count("\r\n"), 17);
    QCOMPARE(static_cast<unsigned char>(bytes.at(23)), 0xAE);

    // What is written reads back the same.
    settings.panelColour = QColor(255, 255, 255);
    settings.fieldColour = QColor(0, 0, 0);
    settings.columnWidths[4] = 1234;
    QVERIFY(settings.write(folder.path(IniName)).ok);
    SettingsFile readBack;
    QCOMPARE(readBack.read(folder.path(IniName)), SettingsFile::ValueCount);
    QCOMPARE(readBack.panelColour, settings.panelColour);
    QCOMPARE(readBack.fieldColour, settings.fieldColour);
    QCOMPARE(readBack.columnWidths, settings.columnWidths);
    QCOMPARE(folder.read(IniName).split('\r').at(2), QByteArray("\n255,255,255"));
}

void SettingsFileTest::failedWriteSaysWhy()
{
    TestFolder folder;
    const StorageResult missingFolder =
        SettingsFile().write(folder.path(QStringLiteral("Missing/") + IniName));
    QVERIFY(!missingFolder.ok);
    QVERIFY(!missingFolder.reason.isEmpty());
    QVERIFY(!folder.exists(QStringLiteral("Missing")));
}

QTEST_GUILESS_MAIN(SettingsFileTest)
#include "tst_settingsfile.moc"
