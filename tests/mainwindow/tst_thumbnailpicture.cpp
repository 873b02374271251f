#include "mainwindow/ThumbnailPicture.h"

#include <QPainter>
#include <QTest>

namespace {

// Every pixel a colour of its own: red and green hold x, blue holds y (below 256).
QImage coordinatePicture(QSize size)
{
    QImage picture(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            picture.setPixel(x, y, qRgb(x & 0xff, x >> 8, y));
    return picture;
}

QPoint sourcePoint(QRgb pixel)
{
    return QPoint(qRed(pixel) | (qGreen(pixel) << 8), qBlue(pixel));
}

} // namespace

class ThumbnailPictureTest : public QObject {
    Q_OBJECT

private slots:
    void pixelsComeUnchangedFromTheSourceRectangle();
    void smallerPictureLeavesBlack();
    void largerPictureShowsOnlyItsTopLeft();
};

void ThumbnailPictureTest::pixelsComeUnchangedFromTheSourceRectangle()
{
    const QImage source = coordinatePicture(QSize(608, 256));
    const QImage thumbnail = ThumbnailPicture::render(source);
    QCOMPARE(thumbnail.size(), QSize(150, 87));

    // Each pixel is one source pixel, not a blend. Along a row the source
    // columns rise in steps of about 608 / 150, from the first few to the last few.
    int previous = -1;
    for (int x = 0; x < 150; ++x) {
        const QPoint from = sourcePoint(thumbnail.pixel(x, 10));
        QVERIFY(from.x() > previous);
        QVERIFY(from.x() - previous <= 5);
        previous = from.x();
        QCOMPARE(thumbnail.pixel(x, 10), source.pixel(from));
    }
    QVERIFY(sourcePoint(thumbnail.pixel(0, 0)).x() < 5);
    QVERIFY(previous > 603);
    // Down a column the rows rise in steps of about 407 / 87.
    QVERIFY(sourcePoint(thumbnail.pixel(0, 1)).y() - sourcePoint(thumbnail.pixel(0, 0)).y() >= 4);
}

void ThumbnailPictureTest::smallerPictureLeavesBlack()
{
    QImage small(304, 203, QImage::Format_RGB32);
    small.fill(Qt::white);
    const QImage thumbnail = ThumbnailPicture::render(small);
    // About half of the thumbnail each way shows the picture, the rest is black.
    QCOMPARE(thumbnail.pixel(74, 42), qRgb(255, 255, 255));
    QCOMPARE(thumbnail.pixel(76, 42), qRgb(0, 0, 0));
    QCOMPARE(thumbnail.pixel(20, 44), qRgb(0, 0, 0));
    QCOMPARE(thumbnail.pixel(149, 86), qRgb(0, 0, 0));

    const QImage none = ThumbnailPicture::render(QImage());
    QCOMPARE(none.size(), QSize(150, 87));
    QCOMPARE(none.pixel(75, 40), qRgb(0, 0, 0));
}

void ThumbnailPictureTest::largerPictureShowsOnlyItsTopLeft()
{
    QImage large(1200, 900, QImage::Format_RGB32);
    large.fill(Qt::red);
    QPainter(&large).fillRect(0, 0, 608, 407, Qt::green);
    const QImage thumbnail = ThumbnailPicture::render(large);
    for (int y = 0; y < thumbnail.height(); ++y)
        for (int x = 0; x < thumbnail.width(); ++x)
            QCOMPARE(thumbnail.pixel(x, y), qRgb(0, 255, 0));
}

QTEST_MAIN(ThumbnailPictureTest)
#include "tst_thumbnailpicture.moc"
