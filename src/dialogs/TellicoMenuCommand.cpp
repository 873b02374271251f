#include "dialogs/TellicoMenuCommand.h"

#include "dialogs/TellicoImportForm.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>

void TellicoMenuCommand(OpenCollection &collection, const QColor &background, const QColor &fieldColour,
                        QWidget *parent)
{
    QFileDialog dialog(parent, QCoreApplication::translate("TellicoMenuCommand", "Importeren uit Tellico"));
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters(
        {QCoreApplication::translate("TellicoMenuCommand", "Tellico-bestanden (*.tc *.xml)"),
         QCoreApplication::translate("TellicoMenuCommand", "Alle bestanden (*)")});
    dialog.setDirectory(QDir::home());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    TellicoImportForm(collection, background, fieldColour, dialog.selectedFiles().first(), parent).exec();
}
