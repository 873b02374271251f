#pragma once

#include <QByteArray>
#include <QProcessEnvironment>
#include <QStringList>

// One finished run of an outside program: its exit code (-1 when it could not
// start, crashed or did not finish within four minutes) and its output.
struct ProgramRun {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;

    static ProgramRun of(const QString &program, const QStringList &arguments,
                         const QProcessEnvironment &environment = QProcessEnvironment::systemEnvironment());
    // The environment of a collector who starts with nothing: HOME is the given
    // folder and no program folder is named.
    static QProcessEnvironment freshHome(const QString &home);
};
