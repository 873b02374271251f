#include "mainwindow/Main.h"
#include "storage/ProgramFolder.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);

    // Qt's own texts (message box buttons, file dialogs) in Dutch.
    QTranslator qtTexts;
    if (qtTexts.load(QStringLiteral("qtbase_nl"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexts);

    QStringList arguments = QApplication::arguments();
    const ProgramFolder folder =
        ProgramFolder::fromCommandLine(arguments, QApplication::applicationDirPath());

    Main window(folder);
    window.show();
    return QApplication::exec();
}
