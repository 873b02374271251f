#pragma once

#include "widgets/ButtonState.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QSize>
#include <QString>

// Everything the look of a button depends on: its size, state and the properties
// that show. The picture is the prepared surface; a null image means no picture.
struct ButtonFace {
    QSize size;
    ButtonState state = ButtonState::Normal;
    QString caption;
    QFont font;
    QColor foreColor = Qt::black;
    QColor backColor = Qt::lightGray;
    bool enabled = true;
    bool noBackground = false;
    QImage picture;
    int pictures = 2;
    bool useMaskColor = true;
    QColor maskColor = QColor(0, 255, 0);
    bool pressed = false;
    int pictureOffset = 0;
    // Device pixels per pixel of the face: the face's pixel rules stay per
    // logical pixel, the caption and picture use every device pixel.
    qreal devicePixelRatio = 1.0;
};
