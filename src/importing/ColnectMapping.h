#pragma once

#include "storage/StampRecord.h"
#include "storage/catalogue/CatalogueEntry.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <utility>
#include <vector>

// How a row of a Colnect stamp list fills the twelve fields. Jaartal: the
// year of Issued on; Onderwerp: Name; Opdruk: face value and the currency's
// symbol ("15 q", decimal comma); Categorie from Emission and Type from
// Format in the collection's words, others as typed; Info keeps the other
// columns worth keeping, each part labelled, HTML removed. Cat.nr. and
// Conditie depend on the catalogue and the lists the collector chooses, so
// the row keeps its codes and lists for them. Every text is one line that a
// collection file can hold (see TellicoMapping::storable).
class ColnectMapping {
public:
    // The system Colnect writes "Sn" is Scott, kept as "Sc" as the other
    // imports keep it; "Sg" is kept as "SG".
    static QString systemName(QStringView colnect);

    struct InList {
        int list = 0;      // index into the mapping's list names
        int quantity = -1; // -1: unknown
        QString condition; // as written: MNH, MH, MNG, U, CTO, or empty
    };
    struct Mapped {
        // Cat.nr. and Conditie are left empty, Info is without lists and
        // country.
        StampRecord record;
        // Every code of Catalog Codes, the number without the country code.
        QList<CatalogueEntry> codes;
        QString itemNumber; // from Link, empty when it names none
        QString country;
        std::vector<InList> lists;
        int replacedCharacters = 0;
    };

    // The header's column names, as the file gives them.
    explicit ColnectMapping(const QStringList &columns);

    void map(const std::vector<QStringView> &fields, Mapped &mapped);

    // The list names met so far, in the order met.
    const QStringList &listNames() const { return m_listNames; }

    // "Mi:DE 1234, Gz :AR 758" → (Mi, 1234), (Gz, 758).
    static QList<CatalogueEntry> codes(QStringView text);
    // "[2],[]" → "2", "".
    static QStringList cells(QStringView text);
    // Text without HTML tags and with its character references read, on one line.
    static QString plainText(QStringView html);
    // "Gestempeld" and the like for MNH, MH, MNG, U, CTO; empty for others.
    static QString condition(QStringView colnect);

private:
    enum Column {
        Name,
        Country,
        Series,
        Codes,
        IssuedOn,
        Watermark,
        Format,
        Emission,
        Perforation,
        Printing,
        Paper,
        Gum,
        Currency,
        FaceValue,
        PrintRun,
        Variant,
        Colors,
        Designers,
        Printers,
        Themes,
        Description,
        Link,
        List,
        Quantity,
        Condition,
        PublicNote,
        PrivateNote,
        ColumnCount
    };
    QStringView field(const std::vector<QStringView> &fields, Column column) const;
    // The field as the record keeps it: plain text that a collection can hold.
    // Most fields are so already and come back as they are; others are made
    // so in scratch.
    QStringView value(const std::vector<QStringView> &fields, Column column, QString &scratch,
                      int &replaced) const;
    // Each system and condition is kept once, shared by every row that has it.
    QString system(QStringView colnect);
    QString sharedCondition(QStringView text);

    std::vector<int> m_index; // per Column: its position in a row, -1: absent
    QStringList m_listNames;
    std::vector<std::pair<QString, QString>> m_systems; // as Colnect writes it, as kept
    QStringList m_conditions;
    QString m_info; // room in which Info is put together
};
