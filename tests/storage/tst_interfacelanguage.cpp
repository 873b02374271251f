// Checks which language the programs speak: the locale's, unless a choice is
// kept or --language names one, and that installing it brings the translations.

#include "storage/folder/InterfaceLanguage.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Sets the three locale variables for one check and puts them back after it.
class LocaleVariables {
public:
    LocaleVariables(const QByteArray &all, const QByteArray &messages, const QByteArray &lang)
    {
        for (const char *name : Names)
            m_saved.append(qgetenv(name));
        set("LC_ALL", all);
        set("LC_MESSAGES", messages);
        set("LANG", lang);
    }
    ~LocaleVariables()
    {
        for (int i = 0; i < 3; ++i)
            set(Names[i], m_saved.at(i));
    }

private:
    static void set(const char *name, const QByteArray &value)
    {
        if (value.isEmpty())
            qunsetenv(name);
        else
            qputenv(name, value);
    }
    static constexpr const char *Names[3] = {"LC_ALL", "LC_MESSAGES", "LANG"};
    QList<QByteArray> m_saved;
};

} // namespace

class TestInterfaceLanguage : public QObject {
    Q_OBJECT

private slots:
    void localeNamesChooseTheLanguage_data();
    void localeNamesChooseTheLanguage();
    void environmentIsReadAsTheCLibraryReadsIt();
    void argumentIsTakenFromTheCommandLine();
    void choiceIsKeptInItsOwnFile();
    void argumentOverridesChoiceOverridesLocale();
    void installedLanguageTranslates();
};

void TestInterfaceLanguage::localeNamesChooseTheLanguage_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("code");
    QTest::newRow("English") << "en_GB.UTF-8"
                             << "en";
    QTest::newRow("American") << "en_US"
                              << "en";
    QTest::newRow("bare English") << "en"
                                  << "en";
    QTest::newRow("German") << "de_DE.UTF-8"
                            << "de";
    QTest::newRow("Austrian with modifier") << "de_AT@euro"
                                            << "de";
    QTest::newRow("Swiss") << "de_CH.UTF-8"
                           << "de";
    QTest::newRow("Dutch") << "nl_NL.UTF-8"
                           << "nl";
    QTest::newRow("Flemish") << "nl_BE"
                             << "nl";
    QTest::newRow("French") << "fr_FR.UTF-8"
                            << "nl";
    QTest::newRow("C") << "C"
                       << "nl";
    QTest::newRow("C.UTF-8") << "C.UTF-8"
                             << "nl";
    QTest::newRow("POSIX") << "POSIX"
                           << "nl";
    QTest::newRow("Esperanto is not English") << "eo"
                                              << "nl";
    QTest::newRow("Low German is not German") << "nds_DE"
                                              << "nl";
}

void TestInterfaceLanguage::localeNamesChooseTheLanguage()
{
    QFETCH(QString, name);
    QFETCH(QString, code);
    QCOMPARE(InterfaceLanguage::fromLocaleName(name), code);
}

void TestInterfaceLanguage::environmentIsReadAsTheCLibraryReadsIt()
{
    {
        const LocaleVariables locale("", "", "");
        QCOMPARE(InterfaceLanguage::fromEnvironment(), QStringLiteral("nl"));
    }
    {
        const LocaleVariables locale("", "", "de_DE.UTF-8");
        QCOMPARE(InterfaceLanguage::fromEnvironment(), QStringLiteral("de"));
    }
    {
        const LocaleVariables locale("", "en_GB.UTF-8", "de_DE.UTF-8");
        QCOMPARE(InterfaceLanguage::fromEnvironment(), QStringLiteral("en"));
    }
    {
        const LocaleVariables locale("C", "en_GB.UTF-8", "de_DE.UTF-8");
        QCOMPARE(InterfaceLanguage::fromEnvironment(), QStringLiteral("nl"));
    }
}

void TestInterfaceLanguage::argumentIsTakenFromTheCommandLine()
{
    QStringList arguments = {QStringLiteral("tessaron2-cli"), QStringLiteral("--language"),
                             QStringLiteral("de"), QStringLiteral("list")};
    QCOMPARE(InterfaceLanguage::takeArgument(arguments), QStringLiteral("de"));
    QCOMPARE(arguments, QStringList({QStringLiteral("tessaron2-cli"), QStringLiteral("list")}));

    arguments = {QStringLiteral("tessaron2"), QStringLiteral("--language=en")};
    QCOMPARE(InterfaceLanguage::takeArgument(arguments), QStringLiteral("en"));
    QCOMPARE(arguments, QStringList({QStringLiteral("tessaron2")}));

    arguments = {QStringLiteral("tessaron2-cli"), QStringLiteral("--language=fr")};
    QCOMPARE(InterfaceLanguage::takeArgument(arguments), QStringLiteral("fr"));

    arguments = {QStringLiteral("tessaron2-cli"), QStringLiteral("show"), QStringLiteral("Belgie")};
    QCOMPARE(InterfaceLanguage::takeArgument(arguments), QString());
    QCOMPARE(arguments.size(), 3);
}

void TestInterfaceLanguage::choiceIsKeptInItsOwnFile()
{
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("Tessaron2.taal"));
    QCOMPARE(InterfaceLanguage::keptChoice(file), QString());
    QCOMPARE(InterfaceLanguage::keptChoice(QString()), QString());
    QVERIFY(InterfaceLanguage::keepChoice(file, QStringLiteral("de")));
    QCOMPARE(InterfaceLanguage::keptChoice(file), QStringLiteral("de"));
    QFile kept(file);
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), QByteArray("de\r\n"));
    kept.close();
    QVERIFY(InterfaceLanguage::keepChoice(file, QStringLiteral("xx")));
    QCOMPARE(InterfaceLanguage::keptChoice(file), QString());
}

void TestInterfaceLanguage::argumentOverridesChoiceOverridesLocale()
{
    const LocaleVariables locale("", "", "en_US.UTF-8");
    QCOMPARE(InterfaceLanguage::choose(QString(), QString()), QStringLiteral("en"));
    QCOMPARE(InterfaceLanguage::choose(QString(), QStringLiteral("de")), QStringLiteral("de"));
    QCOMPARE(InterfaceLanguage::choose(QStringLiteral("nl"), QStringLiteral("de")), QStringLiteral("nl"));

    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("Tessaron2.taal"));
    QVERIFY(InterfaceLanguage::keepChoice(file, QStringLiteral("de")));
    QStringList arguments = {QStringLiteral("tessaron2")};
    QString language;
    QVERIFY(InterfaceLanguage::forRun(arguments, file, &language));
    QCOMPARE(language, QStringLiteral("de"));
    arguments = {QStringLiteral("tessaron2"), QStringLiteral("--language"), QStringLiteral("nl")};
    QVERIFY(InterfaceLanguage::forRun(arguments, file, &language));
    QCOMPARE(language, QStringLiteral("nl"));
    arguments = {QStringLiteral("tessaron2"), QStringLiteral("--language"), QStringLiteral("fr")};
    const StorageResult refused = InterfaceLanguage::forRun(arguments, file, &language);
    QVERIFY(!refused);
    QVERIFY(refused.reason.contains(QStringLiteral("'fr'")));
}

void TestInterfaceLanguage::installedLanguageTranslates()
{
    QCOMPARE(QCoreApplication::translate("MainMenu", "Tools"), QStringLiteral("Tools"));
    InterfaceLanguage::install(QStringLiteral("de"));
    QCOMPARE(QCoreApplication::translate("MainMenu", "Tools"), QStringLiteral("Extras"));
    QCOMPARE(QCoreApplication::translate("StampRecord", "Cat.nr."), QStringLiteral("Kat.-Nr."));
}

QTEST_GUILESS_MAIN(TestInterfaceLanguage)
#include "tst_interfacelanguage.moc"
