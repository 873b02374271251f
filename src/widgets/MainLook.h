#pragma once

#include <QColor>
#include <QFont>
#include <QLabel>
#include <QPalette>
#include <QWidget>

// Fonts and colours shared by the regions of the main window.
namespace MainLook {

inline constexpr QColor CaptionColour{64, 64, 64};
inline constexpr QColor TitleStripColour{200, 190, 190};
inline constexpr QColor TitleStripTextColour{80, 80, 120};

// Arial 8.25 pt: list, input fields and their captions.
inline QFont normalFont()
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(8.25);
    return font;
}

// Arial bold 14.25 pt: the panel title, the collection name and the clock.
inline QFont titleFont()
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(14.25);
    font.setBold(true);
    return font;
}

// Text colour of labels and of the text inside input fields.
inline void setTextColour(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::Text, colour);
    widget->setPalette(palette);
}

// Window for panels and labels, Base for input fields and lists.
inline void setBackground(QWidget *widget, QPalette::ColorRole role, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    widget->setPalette(palette);
}

// A label that is only an area of one colour.
inline QLabel *newFilledLabel(QWidget *parent, const char *name, const QColor &colour)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setAutoFillBackground(true);
    setBackground(label, QPalette::Window, colour);
    return label;
}

} // namespace MainLook
