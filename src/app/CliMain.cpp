#include "app/CliCommandSet.h"
#include "app/CliText.h"
#include "storage/folder/InterfaceLanguage.h"
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

// The first argument that is not --home, --language or their value: the command.
std::string_view commandOf(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument(argv[i]);
        if (argument == "--home" || argument == "--language")
            ++i;
        else if (!argument.starts_with("--home=") && !argument.starts_with("--language="))
            return argument;
    }
    return {};
}

// Installs the language of this run (--language taken out of arguments). The
// Dutch companion has always left Qt's own texts (a system's reason for a file
// error) as Qt gives them, so Dutch installs nothing.
StorageResult speakChosenLanguage(QStringList &arguments, const QString &keptChoiceFile)
{
    QString language;
    const StorageResult known = InterfaceLanguage::forRun(arguments, keptChoiceFile, &language);
    if (known && language != InterfaceLanguage::dutch())
        InterfaceLanguage::install(language);
    return known;
}

int refuse(const StorageResult &result)
{
    QString line = result.reason;
    line.replace(u'\r', u' ').replace(u'\n', u' ');
    QTextStream(stderr) << line << '\n';
    return 1;
}

} // namespace

// The command-line companion: works on the program folder of the desktop
// program without ever opening a window.
int main(int argc, char *argv[])
{
    const std::string_view command = commandOf(argc, argv);
    if (command == "--help") {
        // --language or the locale: finding the kept choice could fill a new
        // program folder, which asking for help must not do.
        QCoreApplication helpOnly(argc, argv);
        QStringList arguments = QCoreApplication::arguments();
        if (const StorageResult known = speakChosenLanguage(arguments, QString()); !known)
            return refuse(known);
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
    if (const StorageResult known = speakChosenLanguage(arguments, folder.languageFile()); !known)
        return refuse(known);
    arguments.removeFirst();

    QTextStream out(stdout); // UTF-8, whatever the code page of the files
    const StorageResult result = CliCommandSet().run(arguments, folder, out);
    out.flush();

    if (!result)
        return refuse(result);
    if (out.status() != QTextStream::Ok) {
        QTextStream(stderr) << CliText::tr("Uitvoer kon niet worden geschreven") << '\n';
        return 1;
    }
    return 0;
}
