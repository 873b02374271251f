#pragma once

#include "widgets/ButtonFace.h"

#include <QImage>
#include <QRgb>

struct ButtonColourSet;

// Draws a button face into an image, pixel by pixel, without any window: the
// glossy two-part gradient, the side columns, the outline with its hand-set corner
// pixels, and the picture and caption centred as a group.
class VistaButtonRenderer {
public:
    // At a device pixel ratio other than 1 the image carries that ratio: every
    // pixel of the face is a solid block of ratio × ratio device pixels, while
    // the caption and the picture are drawn at the full resolution.
    static QImage render(const ButtonFace &face);

    // The first row of the lower half of the face for a button of this height.
    static int boundaryRow(int height);

private:
    explicit VistaButtonRenderer(const ButtonFace &face);

    void drawButtonFace();
    void drawCaption();
    double drawButtonPicture(double captionWidth);
    void drawPressedLines();
    void drawFocusedLines(int boundary);
    void drawCorners(const ButtonColourSet &colours);

    void verticalGradient(int x1, int y1, int x2, int y2, QRgb top, QRgb bottom);
    void horizontalLine(int x1, int x2, int y, QRgb colour);
    void verticalLine(int x, int y1, int y2, QRgb colour);
    void setPixel(int x, int y, QRgb colour);
    void fillBlock(int x, int y, QRgb colour);
    int deviceEdge(int logical) const;
    // Where the caption and the picture go: the face itself at ratio 1, else the
    // device-pixel image, made from the face drawn so far.
    QImage &captionSurface();
    double frameWidth() const;

    const ButtonFace &m_face;
    const int m_width;
    const int m_height;
    QImage m_image;
    QImage m_fine; // the face in device pixels, once the caption is reached
};
