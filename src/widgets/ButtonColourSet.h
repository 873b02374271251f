#pragma once

#include "widgets/ButtonState.h"

#include <QRgb>

#include <array>

// The colours of one button state: eight for the gradients of the face and its
// side columns, twenty-one for the outline, the two inner lines and the corners.
struct ButtonColourSet {
    std::array<QRgb, 8> gradient; // G0 to G7
    std::array<QRgb, 21> line;    // L0 to L20

    static const ButtonColourSet &forState(ButtonState state);
};
