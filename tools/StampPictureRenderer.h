#pragma once

#include "storage/StampRecord.h"

#include <QImage>
#include <QSize>

// Draws a plausible picture of a stamp for a record of the demo collection: a
// perforated stamp on a dark stock-book strip, with a colour field, the country
// name, the face value, the year and a simple motif chosen from the record's
// texts. Older issues get an engraved look, newer ones a full colour field.
class StampPictureRenderer {
public:
    static constexpr QSize PictureSize{600, 400};

    static QImage render(const StampRecord &record);
};
