#pragma once

#include <QString>

#include <array>

// One stamp entry: twelve single-line text fields in their fixed file order.
// Nothing is numeric in storage; prices are kept exactly as typed.
struct StampRecord {
    enum Field {
        Year,
        CatalogueNumber,
        Category,
        Subject,
        Kind,
        Type,
        FaceValue,
        Depiction,
        Info,
        Condition,
        CataloguePrice,
        OwnPrice,
    };
    static constexpr int FieldCount = 12;

    std::array<QString, FieldCount> fields;

    QString &operator[](int field) { return fields[static_cast<size_t>(field)]; }
    const QString &operator[](int field) const { return fields[static_cast<size_t>(field)]; }
    bool operator==(const StampRecord &other) const = default;
};
