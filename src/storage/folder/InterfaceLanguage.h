#pragma once

#include "storage/StorageResult.h"

#include <QString>
#include <QStringList>

// The language the programs speak: Dutch, the language of their texts, or
// English or German from the translations they carry. The locale asks for one,
// a choice kept in the program folder overrides the locale, and --language
// overrides both. Stored data never follows it.
class InterfaceLanguage {
public:
    // "nl", "en", "de": the codes --language and the kept choice take.
    static QStringList codes();
    static QString dutch() { return QStringLiteral("nl"); }

    // "en_GB.UTF-8" gives "en", "de_AT" gives "de"; every other language, C and
    // POSIX give Dutch.
    static QString fromLocaleName(const QString &name);
    // The locale that decides messages, as the C library reads it: LC_ALL, else
    // LC_MESSAGES, else LANG, the first one that is set and not empty.
    static QString fromEnvironment();

    // Takes "--language CODE" or "--language=CODE" out of arguments and returns
    // CODE; empty without it. A value outside codes() is returned as given, so
    // that the caller can refuse it.
    static QString takeArgument(QStringList &arguments);

    // The choice kept in the file; empty without a file (or its name) or with a
    // code outside codes().
    static QString keptChoice(const QString &file);
    static StorageResult keepChoice(const QString &file, const QString &code);

    // The language of this run: the argument, else the kept choice, else the locale.
    static QString choose(const QString &argument, const QString &kept);

    // The language of this run as choose() gives it, with --language taken out
    // of arguments; refuses a code outside codes().
    static StorageResult forRun(QStringList &arguments, const QString &keptFile, QString *language);

    // Puts the program's texts and Qt's own texts of that language into the
    // running application. Dutch takes no program texts: they are the code's.
    static void install(const QString &code);
};
