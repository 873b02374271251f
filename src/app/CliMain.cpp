#include "app/CliCommands.h"

#include <QGuiApplication>
#include <QTextStream>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string_view>

// The command-line companion: works on the program folder of the desktop
// program without ever opening a window.
int main(int argc, char *argv[])
{
    // Printing needs fonts, which only a GUI application has; it runs on the
    // offscreen platform, so no window can open. Qt's own warnings are kept off
    // stderr, which carries the one line saying what went wrong.
    std::unique_ptr<QCoreApplication> application;
    if (std::find(argv + 1, argv + argc, std::string_view("print")) != argv + argc) {
        if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &message) {
            if (type == QtFatalMsg) {
                std::fprintf(stderr, "%s\n", qPrintable(message));
                std::abort();
            }
        });
        application = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        application = std::make_unique<QCoreApplication>(argc, argv);
    }
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
