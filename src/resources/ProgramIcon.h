#pragma once

#include <QIcon>
#include <QImage>

// The program's icon: a postage stamp with a perforated edge showing a head in
// profile, drawn in the sixteen colours of the classic display palette.
class ProgramIcon {
public:
    // A square picture of the given size in pixels (32 and 16 are the sizes the
    // program uses). Every pixel is either transparent or one of the sixteen colours.
    static QImage render(int size);
    // The 32 × 32 and the 16 × 16 picture together.
    static QIcon icon();
};
