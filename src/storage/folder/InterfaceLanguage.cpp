#include "storage/folder/InterfaceLanguage.h"

#include "storage/StorageText.h"
#include "storage/folder/FileErrorReason.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QSaveFile>
#include <QTranslator>

QStringList InterfaceLanguage::codes()
{
    return {dutch(), QStringLiteral("en"), QStringLiteral("de")};
}

QString InterfaceLanguage::fromLocaleName(const QString &name)
{
    // language[_territory][.codeset][@modifier]
    qsizetype end = 0;
    while (end < name.size() && name.at(end).isLetter())
        ++end;
    const QString language = name.left(end).toLower();
    if (language == QLatin1String("en") || language == QLatin1String("de"))
        return language;
    return dutch();
}

QString InterfaceLanguage::fromEnvironment()
{
    for (const char *variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QString value = qEnvironmentVariable(variable);
        if (!value.isEmpty())
            return fromLocaleName(value);
    }
    return dutch();
}

QString InterfaceLanguage::takeArgument(QStringList &arguments)
{
    const QString option = QStringLiteral("--language");
    QString code;
    for (qsizetype i = 0; i < arguments.size();) {
        if (arguments.at(i) == option && i + 1 < arguments.size()) {
            code = arguments.at(i + 1);
            arguments.remove(i, 2);
        } else if (arguments.at(i).startsWith(option + QLatin1Char('='))) {
            code = arguments.takeAt(i).mid(option.size() + 1);
        } else {
            ++i;
        }
    }
    return code;
}

QString InterfaceLanguage::keptChoice(const QString &file)
{
    if (file.isEmpty())
        return {};
    QFile kept(file);
    if (!kept.open(QIODevice::ReadOnly))
        return {};
    const QString code = QString::fromLatin1(kept.read(16)).trimmed();
    return codes().contains(code) ? code : QString();
}

StorageResult InterfaceLanguage::keepChoice(const QString &file, const QString &code)
{
    QSaveFile kept(file);
    if (!kept.open(QIODevice::WriteOnly))
        return StorageResult::failure(FileErrorReason::of(kept));
    kept.write(code.toLatin1() + "\r\n");
    if (!kept.commit())
        return StorageResult::failure(FileErrorReason::of(kept));
    return StorageResult::success();
}

QString InterfaceLanguage::choose(const QString &argument, const QString &kept)
{
    if (!argument.isEmpty())
        return argument;
    if (!kept.isEmpty())
        return kept;
    return fromEnvironment();
}

StorageResult InterfaceLanguage::forRun(QStringList &arguments, const QString &keptFile, QString *language)
{
    const QString argument = takeArgument(arguments);
    if (!argument.isEmpty() && !codes().contains(argument))
        return StorageResult::failure(StorageText::tr("Onbekende taal '%1' (nl, en of de)").arg(argument));
    *language = choose(argument, keptChoice(keptFile));
    return StorageResult::success();
}

void InterfaceLanguage::install(const QString &code)
{
    QCoreApplication *application = QCoreApplication::instance();
    if (code != dutch()) {
        auto *program = new QTranslator(application);
        if (program->load(QStringLiteral(":/translations/tessaron2_%1.qm").arg(code)))
            QCoreApplication::installTranslator(program);
    }
    auto *qt = new QTranslator(application);
    if (qt->load(QStringLiteral("qtbase_%1").arg(code), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
}
