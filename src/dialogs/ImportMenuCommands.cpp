#include "dialogs/ImportMenuCommands.h"

#include "dialogs/ColnectImportForm.h"
#include "dialogs/TellicoImportForm.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>

namespace {

// The file chosen, or empty.
QString chosenFile(const QString &title, const QString &filter, QWidget *parent)
{
    QFileDialog dialog(parent, title);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters({filter, QCoreApplication::translate("ImportMenuCommands", "Alle bestanden (*)")});
    dialog.setDirectory(QDir::home());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first();
}

} // namespace

namespace ImportMenuCommands {

void tellico(OpenCollection &collection, const QColor &background, const QColor &fieldColour, QWidget *parent)
{
    const QString file = chosenFile(
        QCoreApplication::translate("ImportMenuCommands", "Importeren uit Tellico"),
        QCoreApplication::translate("ImportMenuCommands", "Tellico-bestanden (*.tc *.xml)"), parent);
    if (!file.isEmpty())
        TellicoImportForm(collection, background, fieldColour, file, parent).exec();
}

void colnect(OpenCollection &collection, const QColor &background, const QColor &fieldColour, QWidget *parent)
{
    const QString file =
        chosenFile(QCoreApplication::translate("ImportMenuCommands", "Importeren uit Colnect"),
                   QCoreApplication::translate("ImportMenuCommands", "Colnect-bestanden (*.csv)"), parent);
    if (!file.isEmpty())
        ColnectImportForm(collection, background, fieldColour, file, parent).exec();
}

} // namespace ImportMenuCommands
