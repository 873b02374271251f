#include "app/CliCommands.h"

#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>

// The command-line companion: works on the program folder of the desktop
// program without ever opening a window.
int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    QStringList arguments = QCoreApplication::arguments();
    const ProgramFolder folder =
        ProgramFolder::fromCommandLine(arguments, QCoreApplication::applicationDirPath());
    arguments.removeFirst();

    QTextStream out(stdout); // UTF-8, whatever the code page of the files
    const StorageResult result = CliCommands(folder, out).run(arguments);
    out.flush();

    QTextStream error(stderr);
    if (!result) {
        QString line = result.reason;
        line.replace(u'\r', u' ').replace(u'\n', u' ');
        error << line << '\n';
        return 1;
    }
    if (out.status() != QTextStream::Ok) {
        error << "Uitvoer kon niet worden geschreven\n";
        return 1;
    }
    return 0;
}
