#include "app/CliCommands.h"
#include "storage/pictures/PictureFiler.h"

#include <QGuiApplication>
#include <QTextStream>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string_view>

namespace {

const char Help[] =
    "gebruik: tessaron2-cli [--home MAP] COMMANDO ARGUMENTEN...\n"
    "Werkt zonder venster op de programmamap van Tessaron2.\n"
    "\n"
    "  list [--old]                      namen van de verzamelingen (--old: van de oude data)\n"
    "  import NAAM [--as NIEUW] [--force]\n"
    "                                    zet oude data NAAM.cat om in verzameling NIEUW\n"
    "  show NAAM                         de records, een per regel, velden gescheiden door TAB\n"
    "  totals NAAM                       de catalogusprijs en de eigen prijs opgeteld\n"
    "  album NAAM [--open]               schrijft het fotoalbum Slideshow.htm (--open: toont het)\n"
    "  print NAAM --job N --pdf BESTAND [--copies C] [--record POS] [--photo BESTAND] [--force]\n"
    "                                    drukt opdracht N (1 tot 5) af in een PDF-bestand\n"
    "  export-csv NAAM BESTAND [--force] schrijft verzameling NAAM als CSV-bestand\n"
    "  import-csv BESTAND NAAM [--force] schrijft verzameling NAAM uit een CSV-bestand\n"
    "  import-tellico BESTAND NAAM [--per-country] [--force] [--dry-run]\n"
    "                                    schrijft verzameling NAAM (--per-country: een per land)\n"
    "                                    met de afbeeldingen uit een Tellico-bestand (.tc of .xml);\n"
    "                                    --dry-run toont het verslag en schrijft niets\n"
    "  attach NAAM POS BESTAND [--replace]\n"
    "                                    zet BESTAND als afbeelding bij record POS (vanaf 1)\n"
    "  versions NAAM                     de bewaarde vorige versies van verzameling NAAM\n"
    "  restore NAAM VERSIE [--as NIEUW] [--force]\n"
    "                                    schrijft die versie als verzameling NIEUW (of NAAM)\n"
    "  gaps NAAM REEKS... [--category TEKST]\n"
    "                                    mancolijst: per reeks (\"MBund 1-20\", \"LP1-LP15\",\n"
    "                                    \"NVPH 123a\") de ontbrekende nummers en hun aantal\n"
    "  doubles NAAM [--category TEKST]   ruillijst: de nummers die er meer dan eens zijn, met aantal\n"
    "  --help                            toont deze tekst\n"
    "  --version                         toont de versie\n"
    "\n"
    "De programmamap is MAP van --home, anders $TESSARON2_HOME, anders de map van het\n"
    "programma als die een map Verzameling bevat, anders ~/Tessaron2, die bij de eerste\n"
    "start wordt gevuld met de demoverzameling. Afsluitstatus 0 bij succes, anders niet 0\n"
    "met een regel op standaardfout.\n"
    "Een bestaand bestand of een andere bestaande verzameling wordt alleen met --force\n"
    "overschreven; een bestand .col of .cat van de verzamelmap nooit door export of print.\n";

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
        std::fputs(Help, stdout);
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
    if (!folder.holdsProgramData()) {
        QTextStream(stderr) << "Geen programmamap: " << folder.root()
                            << " bevat geen map Verzameling of Data (start tessaron2 --home met die map om "
                               "haar te vullen)\n";
        return 1;
    }

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
