#include "widgets/ButtonColourSet.h"

namespace {

// Index by state value: Normal, Hot, Pressed, Focused, Disabled.
const std::array<ButtonColourSet, 5> colourSets = {{
    // Normal: grey glass.
    {{qRgb(242, 242, 242), qRgb(235, 235, 235), qRgb(221, 221, 221), qRgb(207, 207, 207), qRgb(251, 251, 251),
      qRgb(250, 250, 250), qRgb(246, 246, 246), qRgb(243, 243, 243)},
     {qRgb(112, 112, 112), qRgb(252, 252, 252), qRgb(144, 144, 144), qRgb(119, 119, 119), qRgb(135, 136, 136),
      qRgb(145, 145, 145), qRgb(232, 232, 232), qRgb(117, 117, 117), qRgb(234, 234, 234), qRgb(250, 250, 250),
      qRgb(112, 112, 112), qRgb(252, 252, 252), qRgb(134, 134, 134), qRgb(117, 117, 117), qRgb(136, 136, 136),
      qRgb(143, 143, 143), qRgb(228, 228, 228), qRgb(117, 117, 117), qRgb(226, 226, 226), qRgb(236, 236, 236),
      qRgb(243, 243, 243)}},
    // Hot: light blue.
    {{qRgb(234, 246, 253), qRgb(217, 240, 252), qRgb(190, 230, 253), qRgb(167, 217, 245), qRgb(249, 253, 254),
      qRgb(245, 251, 254), qRgb(239, 249, 254), qRgb(233, 246, 253)},
     {qRgb(60, 127, 177),  qRgb(250, 253, 254), qRgb(102, 147, 181), qRgb(66, 131, 179),  qRgb(88, 138, 175),
      qRgb(105, 157, 195), qRgb(223, 235, 243), qRgb(62, 128, 178),  qRgb(225, 237, 244), qRgb(247, 251, 254),
      qRgb(62, 128, 178),  qRgb(249, 253, 254), qRgb(87, 138, 175),  qRgb(62, 128, 178),  qRgb(90, 139, 176),
      qRgb(100, 155, 195), qRgb(212, 231, 243), qRgb(62, 129, 178),  qRgb(211, 230, 242), qRgb(220, 240, 251),
      qRgb(232, 245, 252)}},
    // Pressed: deeper blue.
    {{qRgb(228, 243, 251), qRgb(196, 229, 246), qRgb(152, 209, 239), qRgb(104, 179, 219), qRgb(176, 195, 206),
      qRgb(154, 186, 203), qRgb(120, 170, 197), qRgb(85, 146, 181)},
     {qRgb(44, 98, 139),  qRgb(158, 176, 186), qRgb(57, 89, 113),  qRgb(46, 96, 134),   qRgb(51, 86, 113),
      qRgb(58, 104, 138), qRgb(134, 157, 171), qRgb(44, 95, 134),  qRgb(134, 157, 171), qRgb(186, 203, 213),
      qRgb(44, 98, 139),  qRgb(170, 188, 199), qRgb(75, 117, 147), qRgb(46, 100, 140),  qRgb(71, 110, 140),
      qRgb(47, 100, 138), qRgb(99, 172, 211),  qRgb(45, 97, 136),  qRgb(85, 146, 181),  qRgb(109, 181, 220),
      qRgb(104, 179, 219)}},
    // Focused: pale face with cyan edges.
    {{qRgb(236, 245, 250), qRgb(230, 242, 248), qRgb(206, 231, 244), qRgb(187, 219, 237), qRgb(52, 213, 254),
      qRgb(51, 212, 253), qRgb(56, 210, 252), qRgb(42, 207, 250)},
     {qRgb(60, 127, 177), qRgb(52, 213, 254), qRgb(160, 190, 212), qRgb(86, 143, 186), qRgb(158, 188, 211),
      qRgb(50, 146, 195), qRgb(44, 199, 243), qRgb(83, 142, 185),  qRgb(45, 200, 244), qRgb(107, 223, 253),
      qRgb(60, 127, 177), qRgb(52, 213, 254), qRgb(155, 187, 210), qRgb(81, 140, 184), qRgb(158, 188, 211),
      qRgb(50, 145, 194), qRgb(37, 197, 242), qRgb(83, 142, 185),  qRgb(37, 196, 241), qRgb(84, 210, 247),
      qRgb(41, 206, 250)}},
    // Disabled: flat and pale.
    {{qRgb(244, 244, 244), qRgb(244, 244, 244), qRgb(244, 244, 244), qRgb(244, 244, 244), qRgb(252, 252, 252),
      qRgb(252, 252, 252), qRgb(252, 252, 252), qRgb(252, 252, 252)},
     {qRgb(173, 178, 181), qRgb(252, 252, 252), qRgb(183, 187, 190), qRgb(175, 180, 183), qRgb(177, 181, 184),
      qRgb(192, 195, 198), qRgb(241, 242, 242), qRgb(174, 179, 182), qRgb(242, 242, 243), qRgb(251, 251, 251),
      qRgb(173, 178, 181), qRgb(252, 252, 252), qRgb(176, 181, 184), qRgb(174, 179, 182), qRgb(177, 182, 185),
      qRgb(192, 195, 198), qRgb(243, 243, 244), qRgb(174, 179, 182), qRgb(242, 242, 243), qRgb(251, 251, 251),
      qRgb(252, 252, 252)}},
}};

} // namespace

const ButtonColourSet &ButtonColourSet::forState(ButtonState state)
{
    return colourSets.at(static_cast<std::size_t>(state));
}
