#include "dialogs/CsvMenuCommands.h"

#include "dialogs/CsvImportForm.h"
#include "mainwindow/Main.h"
#include "storage/CsvFile.h"
#include "widgets/MessageBox.h"

#include <QDir>
#include <QFileDialog>

namespace {

const QString CsvFilter = QStringLiteral("CSV-bestanden (*.csv)");

void reportFailure(Main &main, const QString &what, const StorageResult &result)
{
    MessageBox::show(&main, what + QStringLiteral("\r\n") + result.reason, QStringLiteral("Error"),
                     MessageBox::Buttons::Ok, MessageBox::Icon::Critical);
}

} // namespace

namespace CsvMenuCommands {

void exportList(Main &main)
{
    QFileDialog dialog(&main, QStringLiteral("Exporteren naar CSV"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(CsvFilter);
    dialog.setDefaultSuffix(QStringLiteral("csv"));
    const QString name =
        main.collectionName().isEmpty() ? QStringLiteral("Verzameling") : main.collectionName();
    dialog.setDirectory(QDir::home());
    dialog.selectFile(name + QStringLiteral(".csv"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const StorageResult written = CsvFile::write(dialog.selectedFiles().first(), main.recordList().records());
    if (!written)
        reportFailure(main, QStringLiteral("CSV-bestand kon niet worden geschreven!"), written);
}

void importList(Main &main)
{
    QFileDialog dialog(&main, QStringLiteral("Importeren uit CSV"));
    dialog.setFileMode(QFileDialog::ExistingFile);
    // Spreadsheets also save tab-separated text as .txt.
    dialog.setNameFilters({CsvFilter, QStringLiteral("Alle bestanden (*)")});
    dialog.setDirectory(QDir::home());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString file = dialog.selectedFiles().first();
    CsvFile::Table table;
    const StorageResult read = CsvFile::read(file, table);
    if (!read) {
        reportFailure(main, QStringLiteral("CSV-bestand kon niet worden gelezen!"), read);
        return;
    }
    CsvImportForm(main, file, std::move(table)).exec();
}

} // namespace CsvMenuCommands
