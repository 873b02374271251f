#include "dialogs/OfferDemoData.h"
#include "mainwindow/Main.h"
#include "storage/folder/ProgramFolder.h"
#include "storage/pictures/PictureFiler.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTimer>
#include <QTranslator>

#include <cstdio>
#include <cstring>

namespace {

const char *const Help = QT_TRANSLATE_NOOP(
    "Tessaron2Main", "gebruik: tessaron2 [--home MAP]\n"
                     "Tessaron2 Zegelarchief: een eigen postzegelverzameling bijhouden.\n"
                     "\n"
                     "  --home MAP   MAP is de programmamap\n"
                     "  --help       toont deze tekst\n"
                     "  --version    toont de versie\n"
                     "\n"
                     "De programmamap (Tessaron2.ini, Data/, Verzameling/) is MAP van --home, anders\n"
                     "$TESSARON2_HOME, anders de map van het programma als die een map Verzameling\n"
                     "bevat, anders ~/Tessaron2, die bij de eerste start wordt gevuld met de\n"
                     "woordenlijsten, de help en de demoverzameling.\n");

} // namespace

int main(int argc, char *argv[])
{
    // Answered before the application exists, so no display is needed.
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0) {
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

    // Qt's own texts (message box buttons, file dialogs) in Dutch.
    QTranslator qtTexts;
    if (qtTexts.load(QStringLiteral("qtbase_nl"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexts);

    QStringList arguments = QApplication::arguments();
    const ProgramFolder folder =
        ProgramFolder::fromCommandLine(arguments, QApplication::applicationDirPath());
    OfferDemoData(folder, ProgramFolder::shippedData(QApplication::applicationDirPath()));

    Main window(folder);
    window.show();
    // Asked once the window stands on the screen.
    QTimer::singleShot(0, &window, &Main::offerRecovery);
    return QApplication::exec();
}
