#pragma once

#include "widgets/ButtonState.h"

#include <QBasicTimer>
#include <QColor>
#include <QImage>
#include <QString>
#include <QWidget>

class ButtonPropertyStore;
class QDragMoveEvent;
class QMimeData;

// The push button of every window: it draws its own glossy face in five states
// (see VistaButtonRenderer) and raises its own events. Windows hang their
// commands on Click and set Caption, Enabled and Picture.
//
// Mouse buttons in the events are 1 left, 2 right, 4 middle (0 for the space key);
// the shift state is 1 Shift, 2 Ctrl, 4 Alt; key codes are Qt key codes.
class VistaButton : public QWidget {
    Q_OBJECT

public:
    explicit VistaButton(QWidget *parent = nullptr);
    // A new button named by its window; the name is its first caption.
    explicit VistaButton(const QString &name, QWidget *parent = nullptr);

    QString caption() const { return m_caption; }
    void setCaption(const QString &caption);
    QColor foreColor() const { return m_foreColor; }
    void setForeColor(const QColor &colour);
    // The font is the widget's own: font() and setFont().
    QImage picture() const { return m_picture; }
    void setPicture(const QImage &picture);
    // Frames side by side in the picture: the first for the normal look, the
    // second for the disabled look. Set values are kept between 1 and 2.
    int pictures() const { return m_pictures; }
    void setPictures(int pictures);
    bool useMaskColor() const { return m_useMaskColor; }
    void setUseMaskColor(bool use);
    QColor maskColor() const { return m_maskColor; }
    void setMaskColor(const QColor &colour);
    // Hides QWidget::setEnabled so that every call shows the enabled or disabled
    // look afresh and takes the button out of the tab order while disabled.
    bool enabled() const { return m_enabled; }
    void setEnabled(bool enabled);
    bool noBackground() const { return m_noBackground; }
    void setNoBackground(bool noBackground);
    QColor backColor() const { return m_backColor; }
    void setBackColor(const QColor &colour);
    // Pixels the picture moves right and down while the button is held; shows at the next drawing.
    int pictureOffset() const { return m_pictureOffset; }
    void setPictureOffset(int offset) { m_pictureOffset = offset; }

    // Runs what the space key runs, down and up at once: one Click, none while the
    // button is disabled or its window is busy. The accessible "Press" action.
    void pressAsSpace();

    ButtonState state() const { return m_state; }
    // True while the pointer is over the button and its leaving is being watched.
    bool isWatchingHover() const { return m_hoverTimer.isActive(); }
    // The face as last drawn, at the window's device pixel ratio.
    const QImage &backBuffer() const { return m_backBuffer; }

    // Saves all eleven properties, defaults included.
    void writeProperties(ButtonPropertyStore &store) const;
    // A property missing from the store takes the value of a button that has not
    // been set up yet: empty, black, zero or false (so a missing "Enabled" gives a
    // disabled button); the font and the picture stay as they are.
    void readProperties(const ButtonPropertyStore &store);

    QSize sizeHint() const override;

signals:
    void Click();
    // Drop effects are Qt::DropAction values (1 copy, 2 move, 4 link); the
    // receiver may narrow the effect to the one it will take, or set it to 0.
    // The drag state is 0 enter, 1 leave, 2 over.
    void OLEDragDrop(const QMimeData *data, int &effect, int button, int shift, double x, double y);
    void OLEDragOver(const QMimeData *data, int &effect, int button, int shift, double x, double y,
                     int state);
    void KeyDown(int keyCode, int shift);
    void KeyPress(int character);
    void KeyUp(int keyCode, int shift);
    void MouseDown(int button, int shift, double x, double y);
    void MouseMove(int button, int shift, double x, double y);
    void MouseUp(int button, int shift, double x, double y);
    void MouseIn();
    void MouseOut();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    void timerEvent(QTimerEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dragLeaveEvent(QDragLeaveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void redraw();
    QImage renderFace() const;
    void shapeButtonWindow();
    bool setState(ButtonState state);
    bool isPointerOver() const;
    bool isInside(const QPointF &point) const;
    void endHover();
    void applyEnabled(bool enabled);
    void updateTabStop();
    void prepareButtonPicture();
    void press(int button, int shift, const QPointF &point);
    void release(int button, int shift, const QPointF &point);
    void releaseSpace();
    // Returns false when a receiver of Click destroyed the button.
    bool clickUnlessBusy();
    void forwardDragOver(QDragMoveEvent *event, int dragState);

    QString m_caption;
    QColor m_foreColor = Qt::black;
    QImage m_picture;
    QImage m_pictureSurface;
    int m_pictures = 2;
    bool m_useMaskColor = true;
    QColor m_maskColor = QColor(0, 255, 0);
    bool m_enabled = true;
    bool m_noBackground = false;
    QColor m_backColor;
    int m_pictureOffset = 0;

    ButtonState m_state = ButtonState::Normal;
    bool m_pressed = false;
    bool m_mouseClickStarted = false;
    bool m_hasFocus = false;
    bool m_savedTabStop = false;
    bool m_tabStopSaved = false;
    QSize m_shapedSize;
    QBasicTimer m_hoverTimer;
    QImage m_backBuffer;
};
