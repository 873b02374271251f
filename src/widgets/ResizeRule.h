#pragma once

#include "widgets/Twips.h"

#include <QWidget>

// The resize rules of a window change one property at a time, in twips. A size
// below zero cannot be given to a control, so that assignment is skipped and the
// control keeps its last size; a position may be negative.
namespace ResizeRule {

inline int widthOf(const QWidget *widget)
{
    return Twips::fromPixels(widget->width());
}

inline int heightOf(const QWidget *widget)
{
    return Twips::fromPixels(widget->height());
}

inline void setWidth(QWidget *widget, int twips)
{
    if (twips >= 0)
        widget->resize(Twips::toPixels(twips), widget->height());
}

inline void setHeight(QWidget *widget, int twips)
{
    if (twips >= 0)
        widget->resize(widget->width(), Twips::toPixels(twips));
}

inline void setLeft(QWidget *widget, int twips)
{
    widget->move(Twips::toPixels(twips), widget->y());
}

inline void setTop(QWidget *widget, int twips)
{
    widget->move(widget->x(), Twips::toPixels(twips));
}

} // namespace ResizeRule
