#pragma once

#include <QString>

// A stamp's number in one catalogue system besides the collection's own
// Cat.nr.: the system as the collector names it ("Mi", "Yt", "SG", "NVPH"),
// the number in it, the value that edition gives (as typed, like the
// collection's prices) and the edition's year. Every field may be empty but
// the system and the number.
struct CatalogueEntry {
    QString system;
    QString number;
    QString value;
    QString edition;

    bool operator==(const CatalogueEntry &) const = default;
};
