#include "importing/ImportPlan.h"

#include "importing/ImportText.h"
#include "storage/folder/CollectionName.h"

namespace ImportPlan {

StorageResult checkMainName(const QString &name)
{
    if (!CollectionName::isValid(name))
        return StorageResult::failure(ImportText::tr("Ongeldige naam voor een verzameling: '%1'").arg(name));
    return StorageResult::success();
}

QString countryNotACollection(const QString &country, int records, const QString &target)
{
    return ImportText::tr(
               "Het land '%1' kan geen naam van een verzameling zijn; de %2 records ervan gaan naar '%3'.")
        .arg(country)
        .arg(records)
        .arg(target);
}

QString charactersReplaced(int count)
{
    return ImportText::tr(
               "%1 tekens die een verzameling niet kan bewaren zijn vervangen door de letter die er het "
               "meest op lijkt of door '?'.")
        .arg(count);
}

} // namespace ImportPlan
