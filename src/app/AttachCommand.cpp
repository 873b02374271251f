#include "app/AttachCommand.h"

#include "app/CliContext.h"
#include "app/CliText.h"
#include "storage/document/RecordList.h"
#include "storage/pictures/PictureFiler.h"

#include <QDir>
#include <QTextStream>

AttachCommand::AttachCommand()
    : CliCommand({.name = QStringLiteral("attach"),
                  .summary = CliText::tr("zet BESTAND als afbeelding bij record POS (vanaf 1)"),
                  .parameters = {collectionParameter(),
                                 {QStringLiteral("POS"),
                                  CliText::tr("de plaats van het record in de lijst (vanaf 1)")},
                                 {QStringLiteral("BESTAND"),
                                  CliText::tr("de afbeelding, in elk formaat dat het programma leest")}},
                  .options = {CliOption::flag(QStringLiteral("replace"),
                                              CliText::tr("vervangt een bestaande afbeelding"))}})
{}

StorageResult AttachCommand::run(const CliArguments &read, const CliContext &context) const
{
    const QStringList values = read.values();
    const auto existing = read.isSet(QStringLiteral("replace")) ? PictureFiler::Existing::Replace
                                                                : PictureFiler::Existing::Keep;
    if (values.size() != 3)
        return context.usageError(CliText::tr("attach verwacht een naam, een positie en een bestand"));
    QString name;
    const QString &file = values.at(2);
    StorageResult result = CliContext::takeName(values.at(0), name);
    if (!result)
        return result;
    // As in the program: the pictures are those of the name the loaded file
    // gives itself.
    RecordList records;
    QString collectionName;
    result = context.load(name, records, &collectionName);
    if (!result)
        return result;
    int row = 0;
    result = CliContext::takePosition(values.at(1), records, row);
    if (!result)
        return result;
    const StampRecord &record = records.record(row);
    const PictureFiler filer(context.folder(), collectionName);
    QString path;
    result = filer.target(record, path);
    if (result && existing == PictureFiler::Existing::Keep && filer.hasPicture(record))
        result = StorageResult::failure(
            CliText::tr("record %1 heeft al een afbeelding (%2); --replace vervangt haar")
                .arg(row + 1)
                .arg(QDir::toNativeSeparators(path)));
    if (result)
        result = filer.fileFromFile(file, record, existing);
    if (!result)
        return StorageResult::failure(CliText::tr("Afbeelding niet toegevoegd: %1").arg(result.reason));
    context.out() << QDir::toNativeSeparators(path) << '\n';
    return result;
}
