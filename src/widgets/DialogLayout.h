#pragma once

#include <QString>

class QLabel;
class QWidget;
class VistaButton;

// What the collection dialogs share in their layout: controls placed in twips,
// the window given its outer size (frame and caption included) and opened in
// the middle of the screen.
namespace DialogLayout {

// Call from showEvent, when the frame around the window is known.
void placeCentred(QWidget *dialog, int outerWidth, int outerHeight);

// A label on the window's own background. Without a size it is as large as its
// text; with one it wraps its text inside it.
QLabel *addLabel(QWidget *parent, const char *name, const QString &text, int left, int top, int width = 0,
                 int height = 0);

// A button named by its window, with its caption.
VistaButton *addButton(QWidget *parent, const char *name, const QString &caption, int left, int top,
                       int width, int height);

} // namespace DialogLayout
