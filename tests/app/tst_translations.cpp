// Checks the English and German translations: every text of the code is in
// each file and translated, each translation keeps what the program fills in or
// lays out (placeholders, line breaks, tabs, edge spaces), and the compiled
// files that both programs carry translate.

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>
#include <QXmlStreamReader>

namespace {

const QString SourceRoot = QStringLiteral(T2_SOURCE_DIR);
const QStringList Languages = {QStringLiteral("en"), QStringLiteral("de")};

struct Message {
    QString context;
    QString source;
    QString translation;
    QString translationType; // "unfinished", "obsolete", "vanished" or empty
};

QString tsPath(const QString &language)
{
    return QDir(SourceRoot).filePath(QStringLiteral("translations/tessaron2_%1.ts").arg(language));
}

// The text of the current element; lupdate writes a CR as <byte value="xd"/>.
QString elementText(QXmlStreamReader &xml)
{
    QString text;
    int depth = 0;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isCharacters()) {
            text += xml.text();
        } else if (xml.isStartElement()) {
            const QString value = xml.attributes().value(QLatin1String("value")).toString();
            if (xml.name() == QLatin1String("byte") && value.startsWith(QLatin1Char('x')))
                text += QChar(value.mid(1).toUShort(nullptr, 16));
            ++depth;
        } else if (xml.isEndElement()) {
            if (depth == 0)
                break;
            --depth;
        }
    }
    return text;
}

QList<Message> readMessages(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<Message> messages;
    QXmlStreamReader xml(&file);
    QString context;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("message")) {
            messages.append({context, {}, {}, {}});
        } else if (xml.name() == QLatin1String("source")) {
            messages.last().source = elementText(xml);
        } else if (xml.name() == QLatin1String("translation")) {
            messages.last().translationType = xml.attributes().value(QLatin1String("type")).toString();
            messages.last().translation = elementText(xml);
        }
    }
    return xml.hasError() ? QList<Message>() : messages;
}

QStringList placeholders(const QString &text)
{
    static const QRegularExpression Placeholder(QStringLiteral("%\\d+"));
    QStringList found;
    for (const QRegularExpressionMatch &match : Placeholder.globalMatch(text))
        found.append(match.captured());
    found.sort();
    return found;
}

// What a translation must keep of its source, as one comparable text (filled
// in one pass, so that the placeholders listed stay as they are).
QString form(const QString &text)
{
    return QStringLiteral("%1 | CR %2 LF %3 TAB %4 | leading space %5, trailing space %6")
        .arg(placeholders(text).join(QLatin1Char(' ')), QString::number(text.count(QLatin1Char('\r'))),
             QString::number(text.count(QLatin1Char('\n'))), QString::number(text.count(QLatin1Char('\t'))),
             QString::number(text.startsWith(QLatin1Char(' '))),
             QString::number(text.endsWith(QLatin1Char(' '))));
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestTranslations : public QObject {
    Q_OBJECT

private slots:
    void everyMessageIsTranslated_data();
    void everyMessageIsTranslated();
    void translationsKeepTheFormOfTheirSource_data();
    void translationsKeepTheFormOfTheirSource();
    void filesHoldExactlyTheTextsOfTheCode();
    void programsCarryTheCompiledTranslations();
};

void TestTranslations::everyMessageIsTranslated_data()
{
    QTest::addColumn<QString>("language");
    for (const QString &language : Languages)
        QTest::newRow(qPrintable(language)) << language;
}

void TestTranslations::everyMessageIsTranslated()
{
    QFETCH(QString, language);
    const QList<Message> messages = readMessages(tsPath(language));
    QVERIFY2(!messages.isEmpty(), qPrintable(tsPath(language)));
    for (const Message &message : messages) {
        const QString where = message.context + QLatin1String(": ") + message.source;
        QVERIFY2(message.translationType.isEmpty(),
                 qPrintable(message.translationType + QLatin1String(" ") + where));
        QVERIFY2(!message.translation.isEmpty(), qPrintable(where));
    }
}

void TestTranslations::translationsKeepTheFormOfTheirSource_data()
{
    everyMessageIsTranslated_data();
}

void TestTranslations::translationsKeepTheFormOfTheirSource()
{
    QFETCH(QString, language);
    const QList<Message> messages = readMessages(tsPath(language));
    QVERIFY2(!messages.isEmpty(), qPrintable(tsPath(language)));
    for (const Message &message : messages) {
        const QString where = message.context + QLatin1String(": ") + message.source;
        QVERIFY2(form(message.translation) == form(message.source),
                 qPrintable(where + QLatin1String("\n  ") + form(message.source) + QLatin1String("\n  ") +
                            form(message.translation)));
    }
}

// lupdate over the code, with the options of make translations, changes nothing.
void TestTranslations::filesHoldExactlyTheTextsOfTheCode()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    QStringList arguments = {QStringLiteral("-silent"),      QDir(SourceRoot).filePath(QStringLiteral("src")),
                             QStringLiteral("-locations"),   QStringLiteral("none"),
                             QStringLiteral("-no-obsolete"), QStringLiteral("-source-language"),
                             QStringLiteral("nl"),           QStringLiteral("-ts")};
    for (const QString &language : Languages) {
        const QString copy = folder.filePath(QStringLiteral("tessaron2_%1.ts").arg(language));
        QVERIFY(QFile::copy(tsPath(language), copy));
        arguments.append(copy);
    }
    QProcess lupdate;
    lupdate.start(QStringLiteral(T2_LUPDATE), arguments);
    QVERIFY(lupdate.waitForFinished(-1));
    QCOMPARE(lupdate.exitCode(), 0);
    for (const QString &language : Languages) {
        const QString copy = folder.filePath(QStringLiteral("tessaron2_%1.ts").arg(language));
        QVERIFY2(readAll(copy) == readAll(tsPath(language)),
                 qPrintable(QLatin1String("make translations changes ") + tsPath(language)));
    }
}

void TestTranslations::programsCarryTheCompiledTranslations()
{
    QTranslator english;
    QVERIFY(english.load(QStringLiteral(":/translations/tessaron2_en.qm")));
    QCOMPARE(english.translate("MainMenu", "Tools"), QStringLiteral("Tools"));
    QCOMPARE(english.translate("Main", "Aantal Records : %1"), QStringLiteral("Number of Records : %1"));
    QTranslator german;
    QVERIFY(german.load(QStringLiteral(":/translations/tessaron2_de.qm")));
    QCOMPARE(german.translate("MainMenu", "Tools"), QStringLiteral("Extras"));
    QCOMPARE(german.translate("StampRecord", "Conditie"), QStringLiteral("Erhaltung"));
}

QTEST_GUILESS_MAIN(TestTranslations)
#include "tst_translations.moc"
