#include "dialogs/CsvMenuCommands.h"

#include "dialogs/CsvImportForm.h"
#include "storage/document/OpenCollection.h"
#include "storage/folder/OutputFile.h"
#include "storage/formats/CsvFile.h"
#include "widgets/MessageBox.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>

namespace {

const char *const CsvFilter = QT_TRANSLATE_NOOP("CsvMenuCommands", "CSV-bestanden (*.csv)");

void reportFailure(QWidget *parent, const QString &what, const StorageResult &result)
{
    MessageBox::show(parent, what + QStringLiteral("\r\n") + result.reason,
                     QCoreApplication::translate("CsvMenuCommands", "Error"), MessageBox::Buttons::Ok,
                     MessageBox::Icon::Critical);
}

} // namespace

namespace CsvMenuCommands {

void exportList(const OpenCollection &collection, QWidget *parent)
{
    QFileDialog dialog(parent, QCoreApplication::translate("CsvMenuCommands", "Exporteren naar CSV"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(QCoreApplication::translate("CsvMenuCommands", CsvFilter));
    dialog.setDefaultSuffix(QStringLiteral("csv"));
    const QString name = collection.name().isEmpty() ? QStringLiteral("Verzameling") : collection.name();
    dialog.setDirectory(QDir::home());
    dialog.selectFile(name + QStringLiteral(".csv"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString file = dialog.selectedFiles().first();
    StorageResult written = OutputFile::replaceLink(file);
    if (written)
        written = CsvFile::write(file, collection.records().records(), &collection.catalogueEntries());
    if (!written)
        reportFailure(
            parent, QCoreApplication::translate("CsvMenuCommands", "CSV-bestand kon niet worden geschreven!"),
            written);
}

void importList(OpenCollection &collection, const QColor &background, const QColor &fieldColour,
                QWidget *parent)
{
    QFileDialog dialog(parent, QCoreApplication::translate("CsvMenuCommands", "Importeren uit CSV"));
    dialog.setFileMode(QFileDialog::ExistingFile);
    // Spreadsheets also save tab-separated text as .txt.
    dialog.setNameFilters({QCoreApplication::translate("CsvMenuCommands", CsvFilter),
                           QCoreApplication::translate("CsvMenuCommands", "Alle bestanden (*)")});
    dialog.setDirectory(QDir::home());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString file = dialog.selectedFiles().first();
    CsvFile::Table table;
    const StorageResult read = CsvFile::read(file, table);
    if (!read) {
        reportFailure(parent,
                      QCoreApplication::translate("CsvMenuCommands", "CSV-bestand kon niet worden gelezen!"),
                      read);
        return;
    }
    CsvImportForm(collection, background, fieldColour, file, std::move(table), parent).exec();
}

} // namespace CsvMenuCommands
