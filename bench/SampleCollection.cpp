#include "SampleCollection.h"

#include "storage/folder/TextFile.h"
#include "storage/formats/CollectionFile.h"

#include <QRandomGenerator>
#include <QStringList>

namespace {

const QStringList Categories{"Frankeerzegels",  "Weldadigheidszegels", "Zomerzegels", "Kinderzegels",
                             "Luchtpostzegels", "Portzegels",          "Dienstzegels"};
const QStringList Subjects{"Koningin Wilhelmina",   "Cijferzegel", "Rode Kruis",
                           "Europa CEPT",           "Vliegtuig",   "Molens in Nederland",
                           "Kinderpostzegels 1950", "Delta werken"};
const QStringList Kinds{"Gewoon", "Speciaal", "Persoonlijk", "Toeslag"};
const QStringList Types{"Los", "Blok", "Velletje", "Boekje", "Rolzegel", "Combinatie"};
const QStringList Depictions{"Portret naar links", "Windmolen bij Kinderdijk", "Zeilschip op zee",
                             "Tulpen in bloei",    "Wapen van Nederland",      "Kind met bal"};
const QStringList Conditions{"Postfris", "Gestempeld", "1e dag envelop", "Ongebruikt", "-"};

QString pick(QRandomGenerator &random, const QStringList &list)
{
    return list.at(static_cast<qsizetype>(random.bounded(static_cast<quint32>(list.size()))));
}

QString price(QRandomGenerator &random)
{
    const int cents = static_cast<int>(random.bounded(100000u));
    const QChar sign = random.bounded(2u) ? u',' : u'.';
    return QString::number(cents / 100) + sign + QString::number(cents % 100).rightJustified(2, u'0');
}

} // namespace

namespace SampleCollection {

std::vector<StampRecord> records(int count)
{
    QRandomGenerator random(20261207);
    std::vector<StampRecord> result;
    result.reserve(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        StampRecord record;
        record[StampRecord::Year] =
            random.bounded(50u) == 0 ? QString() : QString::number(1852 + random.bounded(170u));
        record[StampRecord::CatalogueNumber] = QString::number(1 + random.bounded(4000u)) +
                                               (random.bounded(4u) == 0 ? QStringLiteral("a") : QString());
        record[StampRecord::Category] = pick(random, Categories);
        record[StampRecord::Subject] = pick(random, Subjects);
        record[StampRecord::Kind] = pick(random, Kinds);
        record[StampRecord::Type] = pick(random, Types);
        record[StampRecord::FaceValue] = QString::number(1 + random.bounded(150u)) + QStringLiteral(" cent");
        record[StampRecord::Depiction] = pick(random, Depictions);
        record[StampRecord::Info] =
            random.bounded(3u) == 0 ? QStringLiteral("Mooi gecentreerd, frisse kleur") : QStringLiteral("-");
        record[StampRecord::Condition] = pick(random, Conditions);
        record[StampRecord::CataloguePrice] = price(random);
        record[StampRecord::OwnPrice] = price(random);
        result.push_back(std::move(record));
    }
    return result;
}

QByteArray collectionFile(int count)
{
    return CollectionFile::serialize(QStringLiteral("Proef"), records(count));
}

QByteArray oldDataFile(int count)
{
    QStringList lines{"Oud formaat", "versie 1", "----"};
    for (const StampRecord &record : records(count)) {
        lines << record[StampRecord::CatalogueNumber] << record[StampRecord::Year]
              << record[StampRecord::Category] << record[StampRecord::Subject] << record[StampRecord::Kind]
              << record[StampRecord::Type] << record[StampRecord::FaceValue] << record[StampRecord::Depiction]
              << record[StampRecord::Info] << "True"
              << "False"
              << "False" << record[StampRecord::CataloguePrice] << record[StampRecord::OwnPrice]
              << "==========";
    }
    return TextFile::joinLines(lines);
}

} // namespace SampleCollection
