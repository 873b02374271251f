#include "resources/PanCursorImage.h"
#include "resources/PlaceholderPicture.h"
#include "resources/ProgramIcon.h"
#include "resources/SortDirectionImage.h"

#include <QIcon>
#include <QSet>
#include <QTest>

namespace {

// The opaque pixels of one row.
int opaqueInRow(const QImage &image, int y)
{
    int count = 0;
    for (int x = 0; x < image.width(); ++x)
        count += qAlpha(image.pixel(x, y)) > 0 ? 1 : 0;
    return count;
}

// Widths of the first and last rows that hold any opaque pixel.
QPair<int, int> firstAndLastRowWidths(const QImage &image)
{
    int first = -1;
    int last = -1;
    for (int y = 0; y < image.height(); ++y) {
        if (opaqueInRow(image, y) == 0)
            continue;
        if (first < 0)
            first = y;
        last = y;
    }
    return {opaqueInRow(image, first), opaqueInRow(image, last)};
}

const QSet<QRgb> SixteenColours = {
    qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
    qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
    qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
    qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255),
};

} // namespace

class ResourceImagesTest : public QObject {
    Q_OBJECT

private slots:
    void sortMarksPointTheirWay();
    void programIconIsAPerforatedStampInSixteenColours();
    void ratioTwoGivesTwiceThePixels();
};

void ResourceImagesTest::sortMarksPointTheirWay()
{
    using Direction = SortDirectionImage::Direction;
    QCOMPARE(SortDirectionImage::key(Direction::Up), QStringLiteral("up"));
    QCOMPARE(SortDirectionImage::key(Direction::Down), QStringLiteral("down"));

    const QImage up = SortDirectionImage::render(Direction::Up);
    const QImage down = SortDirectionImage::render(Direction::Down);
    QCOMPARE(up.size(), QSize(16, 16));
    QCOMPARE(down.size(), QSize(16, 16));
    QCOMPARE(qAlpha(up.pixel(0, 0)), 0);
    QCOMPARE(qAlpha(down.pixel(15, 15)), 0);

    // Up is narrow at the top and wide at the bottom; down the other way round.
    const auto [upTop, upBottom] = firstAndLastRowWidths(up);
    QVERIFY2(upTop < upBottom, qPrintable(QStringLiteral("%1 %2").arg(upTop).arg(upBottom)));
    const auto [downTop, downBottom] = firstAndLastRowWidths(down);
    QVERIFY2(downTop > downBottom, qPrintable(QStringLiteral("%1 %2").arg(downTop).arg(downBottom)));
}

void ResourceImagesTest::programIconIsAPerforatedStampInSixteenColours()
{
    for (const int size : {32, 16}) {
        const QImage image = ProgramIcon::render(size);
        QCOMPARE(image.size(), QSize(size, size));

        QSet<QRgb> used;
        for (int y = 0; y < size; ++y) {
            for (int x = 0; x < size; ++x) {
                const QRgb pixel = image.pixel(x, y);
                if (qAlpha(pixel) == 0)
                    continue;
                QCOMPARE(qAlpha(pixel), 255);
                QVERIFY2(SixteenColours.contains(pixel), qPrintable(QString::number(pixel, 16)));
                used.insert(pixel);
            }
        }
        // Paper, frame, background, head and hair.
        QVERIFY(used.size() >= 4);

        // Along the top edge notches and paper alternate.
        int changes = 0;
        for (int x = 1; x < size; ++x)
            changes += (qAlpha(image.pixel(x, 1)) == 0) != (qAlpha(image.pixel(x - 1, 1)) == 0) ? 1 : 0;
        QVERIFY2(changes >= size / 4, qPrintable(QString::number(changes)));

        // The picture in the middle: the head is white on the coloured ground,
        // facing left, so the middle row has ground on its left before the face.
        const int middle = size / 2;
        QCOMPARE(image.pixel(size * 6 / 32, middle), qRgb(128, 0, 0));
        QCOMPARE(image.pixel(size * 17 / 32, middle + size / 8), qRgb(255, 255, 255));
    }
    const QList<QSize> sizes = ProgramIcon::icon().availableSizes();
    QVERIFY(sizes.contains(QSize(32, 32)));
    QVERIFY(sizes.contains(QSize(16, 16)));
}

// At device pixel ratio 2 the pictures have twice the pixels each way; the
// pan cursor's pixel art becomes blocks of 2 × 2.
void ResourceImagesTest::ratioTwoGivesTwiceThePixels()
{
    const QImage cursor = PanCursorImage::render();
    const QImage fineCursor = PanCursorImage::render(2);
    int notBlocks = 0;
    for (int y = 0; y < fineCursor.height(); ++y)
        for (int x = 0; x < fineCursor.width(); ++x)
            notBlocks += fineCursor.pixel(x, y) != cursor.pixel(x / 2, y / 2);
    QCOMPARE(notBlocks, 0);
    for (const auto &[fine, coarse] : {std::pair(fineCursor, cursor),
                                       {SortDirectionImage::render(SortDirectionImage::Direction::Down, 2),
                                        SortDirectionImage::render(SortDirectionImage::Direction::Down)},
                                       {PlaceholderPicture::render(2), PlaceholderPicture::render()}}) {
        QCOMPARE(fine.devicePixelRatio(), 2.0);
        QCOMPARE(fine.size(), coarse.size() * 2);
    }
}

QTEST_MAIN(ResourceImagesTest)
#include "tst_resourceimages.moc"
