#pragma once

#include <QColor>
#include <QImage>
#include <QWidget>

// The strip that fills from left to right, dark green to yellow-green, while a
// word list is being saved. Lines are drawn into an image that the paint event
// shows, so what is on screen can be checked pixel by pixel.
class SweepStrip : public QWidget {
    Q_OBJECT

public:
    static constexpr QColor Background{20, 20, 60};
    static constexpr int LineHeight = 20;

    explicit SweepStrip(QWidget *parent = nullptr);

    // Back to the plain background.
    void clear();
    // A vertical line one pixel wide at x (in steps of half a pixel), from the top
    // down LineHeight pixels, in colourAt(x).
    void drawLine(double x);
    const QImage &image() const { return m_image; }

    // RGB(x + 40, x + 100, 0), each part rounded with halves going to the even neighbour.
    static QColor colourAt(double x);
    // The pixel column that a line at x lands on, rounded the same way.
    static int columnAt(double x);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QImage m_image;
};
