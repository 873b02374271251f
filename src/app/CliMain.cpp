#include "app/CliCommandSet.h"
#include "app/CliText.h"
#include "storage/folder/ProgramFolder.h"
#include "storage/pictures/PictureFiler.h"

#include <QGuiApplication>
#include <QTextStream>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string_view>

namespace {

// The first argument that is not --home or its folder: the command.
std::string_view commandOf(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument(argv[i]);
        if (argument == "--home")
            ++i;
        else if (!argument.starts_with("--home="))
            return argument;
    }
    return {};
}

} // namespace

// The command-line companion: works on the program folder of the desktop
// program without ever opening a window.
int main(int argc, char *argv[])
{
    const std::string_view command = commandOf(argc, argv);
    if (command == "--help") {
        std::fputs(CliCommandSet().help().toUtf8().constData(), stdout);
        return 0;
    }
    if (command == "--version") {
        std::puts("tessaron2-cli " T2_VERSION);
        return 0;
    }

    // The record sheet prints a large photo as the program shows it.
    PictureFiler::allowLargePictures();

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
    const StorageResult result = CliCommandSet().run(arguments, folder, out);
    out.flush();

    QTextStream error(stderr);
    if (!result) {
        QString line = result.reason;
        line.replace(u'\r', u' ').replace(u'\n', u' ');
        error << line << '\n';
        return 1;
    }
    if (out.status() != QTextStream::Ok) {
        error << CliText::tr("Uitvoer kon niet worden geschreven") << '\n';
        return 1;
    }
    return 0;
}
