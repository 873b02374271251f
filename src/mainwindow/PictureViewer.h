#pragma once

#include <QFrame>
#include <QImage>
#include <QPoint>

class QLabel;
class QScrollBar;

// The picture viewer (Frame5): the selected stamp's picture at full size in a
// black container, panned by dragging it with the left mouse button or with the
// two scroll bars. The window gives the viewer its size; the viewer lays out its
// own controls and keeps the pan ranges and the picture's position in step.
//
// Positions are in pixels. A pan range is how far the picture reaches past the
// container; a picture no larger than the container has nothing to pan on that
// axis and stays at the top left.
class PictureViewer : public QFrame {
    Q_OBJECT

public:
    explicit PictureViewer(QWidget *parent = nullptr);

    // Shows the picture at its own size, at the top left. A null picture empties the viewer.
    void showPicture(const QImage &picture);
    // No picture: the picture box takes its empty size again, at the top left.
    void clearPicture();
    // The picture shown; null when there is none.
    const QImage &picture() const { return m_picture; }
    // What a screen reader says of the picture box.
    void namePicture(const QString &name);

    // Takes the size the window's resize rules give it, in twips (a side below
    // zero is skipped), and places its controls by the same rules; a picture
    // that lies beyond a shrunk pan range moves back inside it.
    void fitTo(int width, int height);
    int panRangeX() const;
    int panRangeY() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Computes the pan ranges from the sizes of the picture and the container.
    void fitPanRanges();
    void SlidePic_MouseDown(QPoint position);
    void SlidePic_MouseMove(Qt::MouseButtons buttons, QPoint position);
    void placeAtTopLeft();

    // The controls, named as on screen (their objectName).
    QFrame *PicCont = nullptr;  // black, clips the picture
    QLabel *SlidePic = nullptr; // the picture, moved inside PicCont
    QLabel *Label3 = nullptr;   // bar behind HScroll
    QLabel *Label4 = nullptr;   // bar behind VScroll
    QScrollBar *HScroll = nullptr;
    QScrollBar *VScroll = nullptr;
    QImage m_picture;
    QPoint m_dragOrigin;
};
