#include "resources/PlaceholderPicture.h"

#include <QTest>

namespace {

bool isGrey(QRgb pixel)
{
    return qRed(pixel) == qGreen(pixel) && qGreen(pixel) == qBlue(pixel);
}

bool isRed(QRgb pixel)
{
    return qRed(pixel) > 150 && qGreen(pixel) < 90 && qBlue(pixel) < 90;
}

} // namespace

class PlaceholderPictureTest : public QObject {
    Q_OBJECT

private slots:
    void redWordsOnGreyGradient();
};

void PlaceholderPictureTest::redWordsOnGreyGradient()
{
    const QImage picture = PlaceholderPicture::render();
    QCOMPARE(picture.size(), QSize(148, 85));
    QVERIFY(!picture.hasAlphaChannel());

    // Grey at the edges, lighter at the top than at the bottom.
    for (const QPoint corner : {QPoint(0, 0), QPoint(147, 0), QPoint(0, 84), QPoint(147, 84)})
        QVERIFY(isGrey(picture.pixel(corner)));
    QVERIFY(qRed(picture.pixel(2, 2)) > qRed(picture.pixel(2, 82)) + 40);

    // The words: red pixels in a band across the middle, spread over most of the width.
    int left = picture.width();
    int right = -1;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            if (!isRed(picture.pixel(x, y)))
                continue;
            QVERIFY(y > 25 && y < 60);
            left = qMin(left, x);
            right = qMax(right, x);
        }
    }
    QVERIFY(left < 30);
    QVERIFY(right > 118);
}

QTEST_MAIN(PlaceholderPictureTest)
#include "tst_placeholderpicture.moc"
