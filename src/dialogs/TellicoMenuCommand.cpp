#include "dialogs/TellicoMenuCommand.h"

#include "dialogs/TellicoImportForm.h"

#include <QDir>
#include <QFileDialog>

void TellicoMenuCommand(OpenCollection &collection, const QColor &background, const QColor &fieldColour,
                        QWidget *parent)
{
    QFileDialog dialog(parent, QStringLiteral("Importeren uit Tellico"));
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters(
        {QStringLiteral("Tellico-bestanden (*.tc *.xml)"), QStringLiteral("Alle bestanden (*)")});
    dialog.setDirectory(QDir::home());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    TellicoImportForm(collection, background, fieldColour, dialog.selectedFiles().first(), parent).exec();
}
