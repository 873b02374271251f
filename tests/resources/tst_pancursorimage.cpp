#include "resources/PanCursorImage.h"

#include <QTest>

namespace {

const QRgb Red = qRgb(255, 0, 0);
const QRgb White = qRgb(255, 255, 255);

bool isRed(const QImage &image, int x, int y)
{
    return image.rect().contains(x, y) && image.pixel(x, y) == Red;
}

bool touchesRed(const QImage &image, int x, int y)
{
    for (int ny = y - 1; ny <= y + 1; ++ny) {
        for (int nx = x - 1; nx <= x + 1; ++nx) {
            if (isRed(image, nx, ny))
                return true;
        }
    }
    return false;
}

// How far red reaches from the point in the given direction, without a gap.
int reach(const QImage &image, QPoint from, QPoint step)
{
    int length = 0;
    while (isRed(image, from.x() + step.x() * (length + 1), from.y() + step.y() * (length + 1)))
        ++length;
    return length;
}

// Groups of red pixels that touch, side or corner, leaving out the square
// given.
int redGroupsOutside(const QImage &image, const QRect &leftOut)
{
    QImage seen(image.size(), QImage::Format_Mono);
    seen.fill(0);
    int groups = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (!isRed(image, x, y) || leftOut.contains(x, y) || seen.pixelIndex(x, y))
                continue;
            ++groups;
            QList<QPoint> open{QPoint(x, y)};
            seen.setPixel(x, y, 1);
            while (!open.isEmpty()) {
                const QPoint at = open.takeLast();
                for (int ny = at.y() - 1; ny <= at.y() + 1; ++ny) {
                    for (int nx = at.x() - 1; nx <= at.x() + 1; ++nx) {
                        if (isRed(image, nx, ny) && !leftOut.contains(nx, ny) && !seen.pixelIndex(nx, ny)) {
                            seen.setPixel(nx, ny, 1);
                            open.append(QPoint(nx, ny));
                        }
                    }
                }
            }
        }
    }
    return groups;
}

} // namespace

class PanCursorImageTest : public QObject {
    Q_OBJECT

private slots:
    void redFourHeadedArrowWithWhiteOutline();
};

void PanCursorImageTest::redFourHeadedArrowWithWhiteOutline()
{
    const QImage image = PanCursorImage::render();
    QCOMPARE(image.size(), QSize(32, 32));
    QCOMPARE(PanCursorImage::HotSpot, QPoint(10, 10));
    QVERIFY(image.hasAlphaChannel());

    // Only red, white and fully transparent; the far corner is see-through.
    int red = 0;
    int white = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (pixel == Red)
                ++red;
            else if (pixel == White)
                ++white;
            else
                QVERIFY2(qAlpha(pixel) == 0, qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
        }
    }
    QVERIFY(red > 0);
    QCOMPARE(qAlpha(image.pixel(31, 31)), 0);

    // The hot spot is the centre: four arms of one length, the shape the same
    // mirrored either way about it.
    const QPoint centre = PanCursorImage::HotSpot;
    QVERIFY(isRed(image, centre.x(), centre.y()));
    const int arm = reach(image, centre, QPoint(1, 0));
    QVERIFY(arm >= 6);
    QCOMPARE(reach(image, centre, QPoint(-1, 0)), arm);
    QCOMPARE(reach(image, centre, QPoint(0, 1)), arm);
    QCOMPARE(reach(image, centre, QPoint(0, -1)), arm);
    for (int y = 0; y <= 2 * centre.y(); ++y) {
        for (int x = 0; x <= 2 * centre.x(); ++x) {
            QCOMPARE(isRed(image, 2 * centre.x() - x, y), isRed(image, x, y));
            QCOMPARE(isRed(image, x, 2 * centre.y() - y), isRed(image, x, y));
            QCOMPARE(isRed(image, y, x), isRed(image, x, y));
        }
    }

    // Heads: near each tip the arrow is wider than along its shaft, and the four
    // arms meet only where the shafts cross.
    const int shaft = reach(image, centre + QPoint(arm / 2, 0), QPoint(0, 1));
    const int head = reach(image, centre + QPoint(arm - 2, 0), QPoint(0, 1));
    QVERIFY2(head > shaft, qPrintable(QStringLiteral("%1 %2").arg(head).arg(shaft)));
    // Where the shafts cross, their corners touch; one pixel round that is left out.
    const QRect crossing(centre - QPoint(shaft + 1, shaft + 1), centre + QPoint(shaft + 1, shaft + 1));
    QCOMPARE(redGroupsOutside(image, crossing), 4);

    // The white outline closes the red shape all round and touches nothing else.
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (isRed(image, x, y))
                continue;
            QCOMPARE(image.pixel(x, y) == White, touchesRed(image, x, y));
        }
    }
    QVERIFY(white > 0);
    QCOMPARE(image.pixel(centre.x() + arm + 1, centre.y()), White);
}

QTEST_MAIN(PanCursorImageTest)
#include "tst_pancursorimage.moc"
