#pragma once

#include <QCommandLineOption>

// An option a command declares: Qt's definition (name, value name and
// description) and what the command line says when its value is wrong.
struct CliOption {
    QCommandLineOption definition;
    // The whole message when the value is missing, or given again where the
    // option is taken once; otherwise the last value given counts.
    QString valueRefusal;
    bool once = false;
    // Shown without brackets in the usage line.
    bool required = false;

    static CliOption flag(const QString &name, const QString &description);
    static CliOption value(const QString &name, const QString &valueName, const QString &description,
                           const QString &valueRefusal = QString());
    // The same, taken once.
    static CliOption onceValue(const QString &name, const QString &valueName, const QString &description,
                               const QString &valueRefusal);
    // --as NIEUW of import and restore.
    static CliOption newName(const QString &description);
    // --category TEKST of the want and trade lists.
    static CliOption category();

    QString name() const;
    bool takesValue() const;
    // "--as NIEUW" as the help lists it.
    QString term() const;
    // "[--as NIEUW]" as the usage line shows it.
    QString synopsis() const;
};
