#pragma once

#include "app/CliOption.h"

#include <QCommandLineParser>
#include <QList>
#include <QStringList>

// The arguments of one command, read as the command line always has: an
// argument that begins with "--" is an option, any other a value (so "-x", "-"
// and "LP1-LP15" stay values); an option with a value takes the next argument,
// whatever it looks like. Reading stops at the first argument that cannot be
// read, so the command names that one. QCommandLineParser holds what was read.
class CliArguments {
public:
    enum class Problem { None, UnknownArgument, RefusedValue };

    // Values past valueLimit are unknown arguments; -1 takes any number.
    CliArguments(const QStringList &given, QList<CliOption> options, qsizetype valueLimit);

    // --help, which every command answers.
    static CliOption helpOption();

    const QStringList &given() const;
    bool helpAsked() const;
    Problem problem() const;
    // The argument as given, for UnknownArgument.
    const QString &unknownArgument() const;
    // The option's own message, for RefusedValue.
    const QString &valueRefusal() const;

    bool isSet(const QString &option) const;
    QString value(const QString &option) const;
    QStringList values() const;

private:
    QStringList m_given;
    QCommandLineParser m_parser;
    Problem m_problem = Problem::None;
    QString m_unknownArgument;
    QString m_valueRefusal;
};
