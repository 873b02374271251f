#include "dialogs/OfferDemoData.h"
#include "mainwindow/Main.h"
#include "storage/folder/InterfaceLanguage.h"
#include "storage/folder/ProgramFolder.h"
#include "storage/pictures/PictureFiler.h"

#include <QApplication>
#include <QTimer>

#include <cstdio>
#include <cstring>
#include <optional>

namespace {

const char *const Help = QT_TRANSLATE_NOOP(
    "Tessaron2Main", "gebruik: tessaron2 [--home MAP] [--language nl|en|de]\n"
                     "Tessaron2 Zegelarchief: een eigen postzegelverzameling bijhouden.\n"
                     "\n"
                     "  --home MAP            MAP is de programmamap\n"
                     "  --language nl|en|de   spreekt Nederlands, Engels of Duits, voor deze keer\n"
                     "                        boven de keuze onder Help > Taal en de taal van het systeem\n"
                     "  --help                toont deze tekst\n"
                     "  --version             toont de versie\n"
                     "\n"
                     "De programmamap (Tessaron2.ini, Data/, Verzameling/) is MAP van --home, anders\n"
                     "$TESSARON2_HOME, anders de map van het programma als die een map Verzameling\n"
                     "bevat, anders ~/Tessaron2, die bij de eerste start wordt gevuld met de\n"
                     "woordenlijsten, de help en de demoverzameling.\n");

// Installs the language of this run (--language taken out of arguments) and
// returns its code; nothing with the reason on stderr for an unknown language.
std::optional<QString> speakChosenLanguage(QStringList &arguments, const QString &keptChoiceFile)
{
    QString language;
    const StorageResult known = InterfaceLanguage::forRun(arguments, keptChoiceFile, &language);
    if (!known) {
        std::fprintf(stderr, "%s\n", qPrintable(known.reason));
        return std::nullopt;
    }
    InterfaceLanguage::install(language);
    return language;
}

} // namespace

int main(int argc, char *argv[])
{
    // Answered before the window application exists, so no display is needed.
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0) {
            // --language or the locale: finding the kept choice could fill a
            // new program folder, which asking for help must not do.
            QCoreApplication helpOnly(argc, argv);
            QStringList arguments = QCoreApplication::arguments();
            if (!speakChosenLanguage(arguments, QString()))
                return 2;
            std::fputs(QCoreApplication::translate("Tessaron2Main", Help).toUtf8().constData(), stdout);
            return 0;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            std::puts("tessaron2 " T2_VERSION);
            return 0;
        }
    }

    QApplication application(argc, argv);
    // Large photos show in the viewer as the picture commands file them.
    PictureFiler::allowLargePictures();

    // The program's texts and Qt's own (message box buttons, file dialogs) in
    // one language.
    QStringList arguments = QApplication::arguments();
    const ProgramFolder folder =
        ProgramFolder::fromCommandLine(arguments, QApplication::applicationDirPath());
    const std::optional<QString> language = speakChosenLanguage(arguments, folder.languageFile());
    if (!language)
        return 2;
    OfferDemoData(folder, ProgramFolder::shippedData(QApplication::applicationDirPath()));

    Main window(folder);
    window.showInterfaceLanguage(*language);
    window.show();
    // Asked once the window stands on the screen.
    QTimer::singleShot(0, &window, &Main::offerRecovery);
    return QApplication::exec();
}
