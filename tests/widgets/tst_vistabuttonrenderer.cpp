#include "widgets/ButtonColourSet.h"
#include "widgets/VistaButtonRenderer.h"

#include <QPainter>
#include <QTest>

namespace {

const QColor background(240, 240, 240);

ButtonFace plainFace(ButtonState state, QSize size = QSize(75, 22))
{
    ButtonFace face;
    face.size = size;
    face.state = state;
    face.backColor = background;
    face.enabled = state != ButtonState::Disabled;
    face.pressed = state == ButtonState::Pressed;
    return face;
}

QRgb at(const QImage &image, int x, int y)
{
    return image.pixel(x, y);
}

// The smallest rectangle holding every pixel of the colour.
QRect pixelsOf(const QImage &image, QRgb colour)
{
    QRect found;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == colour)
                found |= QRect(x, y, 1, 1);
    return found;
}

// Each pixel holds its own coordinates: red = x, green = y.
QImage coordinatePicture(int width, int height)
{
    QImage picture(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            picture.setPixel(x, y, qRgb(x, y, 200));
    return picture;
}

} // namespace

class tst_VistaButtonRenderer : public QObject {
    Q_OBJECT

private slots:
    void outlineInnerLinesAndCorners_data();
    void outlineInnerLinesAndCorners();
    void faceGradientsMeetAtBoundaryRow();
    void pressedAndFocusedExtraLines();
    void noBackgroundShowsFaceOnlyWhenHotOrPressed();
    void captionColour();
    void pictureFramePlacementAndMask();
    void pictureIsCutAtTheMargin();
    void ratioTwoIsTheFaceInBlocksWithAFineCaption();
};

void tst_VistaButtonRenderer::outlineInnerLinesAndCorners_data()
{
    QTest::addColumn<ButtonState>("state");
    QTest::addColumn<QRgb>("outline");
    QTest::addColumn<QRgb>("topInner");
    QTest::addColumn<QRgb>("bottomInner");
    QTest::addColumn<QRgb>("cornerL2");
    QTest::addColumn<QRgb>("cornerL19");
    QTest::newRow("normal") << ButtonState::Normal << qRgb(112, 112, 112) << qRgb(252, 252, 252)
                            << qRgb(243, 243, 243) << qRgb(144, 144, 144) << qRgb(236, 236, 236);
    QTest::newRow("hot") << ButtonState::Hot << qRgb(60, 127, 177) << qRgb(250, 253, 254)
                         << qRgb(232, 245, 252) << qRgb(102, 147, 181) << qRgb(220, 240, 251);
    QTest::newRow("pressed") << ButtonState::Pressed << qRgb(44, 98, 139) << qRgb(158, 176, 186)
                             << qRgb(104, 179, 219) << qRgb(57, 89, 113) << qRgb(109, 181, 220);
    QTest::newRow("focused") << ButtonState::Focused << qRgb(60, 127, 177) << qRgb(52, 213, 254)
                             << qRgb(41, 206, 250) << qRgb(160, 190, 212) << qRgb(84, 210, 247);
    QTest::newRow("disabled") << ButtonState::Disabled << qRgb(173, 178, 181) << qRgb(252, 252, 252)
                              << qRgb(252, 252, 252) << qRgb(183, 187, 190) << qRgb(251, 251, 251);
}

void tst_VistaButtonRenderer::outlineInnerLinesAndCorners()
{
    QFETCH(ButtonState, state);
    QFETCH(QRgb, outline);
    QFETCH(QRgb, topInner);
    QFETCH(QRgb, bottomInner);
    QFETCH(QRgb, cornerL2);
    QFETCH(QRgb, cornerL19);
    const int w = 75;
    const int h = 22;
    const QImage image = VistaButtonRenderer::render(plainFace(state));
    QCOMPARE(image.size(), QSize(w, h));

    // The outline runs through both end points of every side; the corners cover its ends.
    for (int x = 3; x <= w - 4; ++x) {
        QCOMPARE(at(image, x, 0), outline);
        QCOMPARE(at(image, x, h - 1), outline);
        QCOMPARE(at(image, x, 1), topInner);
        QCOMPARE(at(image, x, h - 2), bottomInner);
    }
    for (int y = 4; y <= h - 4; ++y) {
        QCOMPARE(at(image, 0, y), outline);
        QCOMPARE(at(image, w - 1, y), outline);
    }
    QCOMPARE(at(image, 0, 0), outline);
    QCOMPARE(at(image, 1, 0), cornerL2);
    QCOMPARE(at(image, w - 2, 0), cornerL2);
    QCOMPARE(at(image, 2, h - 3), cornerL19);
    QCOMPARE(at(image, w - 3, h - 3), cornerL19);

    // Every corner pixel of all four corners, the right ones mirroring the left.
    const auto &line = ButtonColourSet::forState(state).line;
    const int top[4][3] = {{-1, 2, 3}, {4, 5, 6}, {7, 8, 9}, {10, 11, -1}};
    const int bottom[3][3] = {{-1, 12, 13}, {14, 15, 16}, {17, 18, 19}};
    for (int row = 0; row < 4; ++row) {
        for (int col = 0; col < 3; ++col) {
            if (top[row][col] < 0)
                continue;
            QCOMPARE(at(image, col, row), line[top[row][col]]);
            QCOMPARE(at(image, w - 1 - col, row), line[top[row][col]]);
        }
    }
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 3; ++col) {
            if (bottom[row][col] < 0)
                continue;
            QCOMPARE(at(image, col, h - 1 - row), line[bottom[row][col]]);
            QCOMPARE(at(image, w - 1 - col, h - 1 - row), line[bottom[row][col]]);
        }
    }
}

void tst_VistaButtonRenderer::faceGradientsMeetAtBoundaryRow()
{
    QCOMPARE(VistaButtonRenderer::boundaryRow(22), 10);
    const QImage image = VistaButtonRenderer::render(plainFace(ButtonState::Normal));
    const int w = 75;

    // Upper face rows 2 to 9, lower face rows 10 to 19, each from its top colour to its bottom colour.
    QCOMPARE(at(image, 30, 2), qRgb(242, 242, 242));
    QCOMPARE(at(image, 30, 9), qRgb(235, 235, 235));
    QCOMPARE(at(image, 30, 10), qRgb(221, 221, 221));
    QCOMPARE(at(image, 30, 19), qRgb(207, 207, 207));
    for (int y = 3; y <= 19; ++y)
        QVERIFY(qRed(at(image, 30, y)) <= qRed(at(image, 30, y - 1)));

    // Side columns x = 1 and x = W - 2: rows 3 to 9 (row 3 under a corner pixel) and 10 to 18.
    for (int x : {1, w - 2}) {
        QCOMPARE(at(image, x, 9), qRgb(250, 250, 250));
        QCOMPARE(at(image, x, 10), qRgb(246, 246, 246));
        QCOMPARE(at(image, x, 18), qRgb(243, 243, 243));
    }
    // The columns beside the side columns belong to the face.
    for (int y = 3; y <= 18; ++y) {
        QCOMPARE(at(image, 2, y), at(image, 30, y));
        QCOMPARE(at(image, w - 3, y), at(image, 30, y));
    }
    // A taller button moves the boundary: 33 / 2.2 = 15.
    const QImage tall = VistaButtonRenderer::render(plainFace(ButtonState::Normal, QSize(40, 33)));
    QCOMPARE(at(tall, 20, 14), qRgb(235, 235, 235));
    QCOMPARE(at(tall, 20, 15), qRgb(221, 221, 221));
}

void tst_VistaButtonRenderer::pressedAndFocusedExtraLines()
{
    const int w = 75;
    const int h = 22;
    const QImage pressed = VistaButtonRenderer::render(plainFace(ButtonState::Pressed));
    for (int x = 3; x <= 6; ++x) {
        QCOMPARE(at(pressed, x, 2), qRgb(220, 237, 246));
        QCOMPARE(at(pressed, w - 1 - x, 2), qRgb(220, 237, 246));
        QCOMPARE(at(pressed, x, h - 3), qRgb(109, 181, 220));
    }
    // The bottom lines are on the left only; the lines of rows 1 and H - 2 lie under the inner lines.
    QVERIFY(at(pressed, w - 4, h - 3) != qRgb(109, 181, 220));
    QCOMPARE(at(pressed, 7, 2), qRgb(228, 243, 251));
    QCOMPARE(at(pressed, 2, 3), qRgb(220, 237, 245));
    QCOMPARE(at(pressed, w - 3, 3), qRgb(220, 237, 245));

    const QImage focused = VistaButtonRenderer::render(plainFace(ButtonState::Focused));
    for (int x = 3; x <= w - 4; ++x) {
        QCOMPARE(at(focused, x, 2), qRgb(166, 233, 251));
        QCOMPARE(at(focused, x, h - 3), qRgb(132, 213, 239));
    }
    for (int x : {2, w - 3}) {
        QCOMPARE(at(focused, x, 3), qRgb(165, 232, 251));
        QCOMPARE(at(focused, x, 9), qRgb(161, 230, 249));
        QCOMPARE(at(focused, x, 10), qRgb(146, 222, 245));
        QCOMPARE(at(focused, x, 18), qRgb(133, 213, 240));
    }
    // The lines of one state never show in another.
    const QImage normal = VistaButtonRenderer::render(plainFace(ButtonState::Normal));
    QCOMPARE(at(normal, 2, 3), at(normal, 30, 3));
    QVERIFY(at(normal, 3, 2) != at(focused, 3, 2));
}

void tst_VistaButtonRenderer::noBackgroundShowsFaceOnlyWhenHotOrPressed()
{
    for (ButtonState state : {ButtonState::Normal, ButtonState::Focused, ButtonState::Disabled}) {
        ButtonFace face = plainFace(state);
        face.noBackground = true;
        QImage image = VistaButtonRenderer::render(face);
        QImage expected(image.size(), image.format());
        expected.fill(background);
        QCOMPARE(image, expected);

        face.caption = QStringLiteral("Ok");
        image = VistaButtonRenderer::render(face);
        QVERIFY(image != expected);
        QCOMPARE(at(image, 0, 10), background.rgb());
    }
    for (ButtonState state : {ButtonState::Hot, ButtonState::Pressed}) {
        ButtonFace face = plainFace(state);
        face.noBackground = true;
        QCOMPARE(VistaButtonRenderer::render(face), VistaButtonRenderer::render(plainFace(state)));
    }
}

void tst_VistaButtonRenderer::captionColour()
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(16);
    font.setBold(true);
    for (bool enabled : {true, false}) {
        ButtonFace face = plainFace(enabled ? ButtonState::Normal : ButtonState::Disabled);
        face.caption = QStringLiteral("IHI");
        face.font = font;
        face.foreColor = QColor(200, 0, 0);
        const QImage image = VistaButtonRenderer::render(face);
        const QRgb expected = enabled ? qRgb(200, 0, 0) : qRgb(131, 131, 131);
        int fullyInked = 0;
        for (int y = 4; y < 18; ++y)
            for (int x = 4; x < 71; ++x)
                fullyInked += at(image, x, y) == expected;
        QVERIFY2(fullyInked > 20, qPrintable(QString::number(fullyInked)));
    }
}

void tst_VistaButtonRenderer::pictureFramePlacementAndMask()
{
    // Two frames: the first red, the second blue, each with a green (masked) pixel at its centre.
    QImage picture(32, 16, QImage::Format_RGB32);
    picture.fill(Qt::red);
    QPainter(&picture).fillRect(16, 0, 16, 16, Qt::blue);
    picture.setPixel(8, 8, qRgb(0, 255, 0));
    picture.setPixel(24, 8, qRgb(0, 255, 0));

    ButtonFace face = plainFace(ButtonState::Normal, QSize(40, 24));
    face.picture = picture;
    QImage image = VistaButtonRenderer::render(face);
    QCOMPARE(pixelsOf(image, qRgb(255, 0, 0)), QRect(12, 4, 16, 16));
    QCOMPARE(at(image, 20, 12),
             at(VistaButtonRenderer::render(plainFace(ButtonState::Normal, QSize(40, 24))), 20, 12));

    face.useMaskColor = false;
    QCOMPARE(at(VistaButtonRenderer::render(face), 20, 12), qRgb(0, 255, 0));

    // Disabled: the second frame, in the same place.
    face = plainFace(ButtonState::Disabled, QSize(40, 24));
    face.picture = picture;
    image = VistaButtonRenderer::render(face);
    QCOMPARE(pixelsOf(image, qRgb(0, 0, 255)), QRect(12, 4, 16, 16));
    QCOMPARE(pixelsOf(image, qRgb(255, 0, 0)), QRect());

    // Held down, the picture moves by the offset (its last row then falls in the margin);
    // a third frame, if any, shows while held.
    face = plainFace(ButtonState::Pressed, QSize(40, 24));
    face.picture = picture;
    face.pictureOffset = 2;
    QCOMPARE(pixelsOf(VistaButtonRenderer::render(face), qRgb(255, 0, 0)), QRect(14, 6, 16, 15));
    QImage threeFrames(48, 16, QImage::Format_RGB32);
    threeFrames.fill(Qt::red);
    QPainter(&threeFrames).fillRect(32, 0, 16, 16, Qt::yellow);
    face.picture = threeFrames;
    face.pictures = 3;
    QCOMPARE(pixelsOf(VistaButtonRenderer::render(face), qRgb(255, 255, 0)), QRect(14, 6, 16, 15));
}

void tst_VistaButtonRenderer::pictureIsCutAtTheMargin()
{
    // A 60 x 30 picture on a 40 x 24 button: 13 columns and 6 rows are cut off each side.
    ButtonFace face = plainFace(ButtonState::Normal, QSize(40, 24));
    face.picture = coordinatePicture(60, 30);
    face.pictures = 1;
    const QImage image = VistaButtonRenderer::render(face);
    QCOMPARE(at(image, 3, 3), qRgb(13, 6, 200));
    QCOMPARE(at(image, 36, 20), qRgb(46, 23, 200));
    for (int y = 3; y <= 20; ++y) {
        QVERIFY(qBlue(at(image, 2, y)) != 200);
        QVERIFY(qBlue(at(image, 37, y)) != 200);
    }
    for (int x = 3; x <= 36; ++x) {
        QVERIFY(qBlue(at(image, x, 2)) != 200);
        QVERIFY(qBlue(at(image, x, 21)) != 200);
    }

    // Beside a caption that leaves no room, the picture starts at the margin and the caption follows it.
    face.picture = coordinatePicture(16, 16);
    face.caption = QStringLiteral("Een lange tekst");
    face.size = QSize(60, 22);
    const QImage crowded = VistaButtonRenderer::render(face);
    QCOMPARE(qBlue(at(crowded, 3, 11)), 200);
    QVERIFY(qRed(at(crowded, 3, 11)) > 0);
    QVERIFY(qBlue(at(crowded, 2, 11)) != 200);
}

// On a screen of device pixel ratio 2 the face is the ratio-1 face with every
// pixel doubled, and only the caption uses the finer pixels.
void tst_VistaButtonRenderer::ratioTwoIsTheFaceInBlocksWithAFineCaption()
{
    for (const ButtonState state : {ButtonState::Normal, ButtonState::Hot, ButtonState::Pressed,
                                    ButtonState::Focused, ButtonState::Disabled}) {
        ButtonFace face = plainFace(state);
        face.font = QFont(QStringLiteral("Arial"), 9);
        const QImage bare = VistaButtonRenderer::render(face);
        face.caption = QStringLiteral("Wijzig");
        const QImage coarse = VistaButtonRenderer::render(face);
        face.devicePixelRatio = 2;
        const QImage fine = VistaButtonRenderer::render(face);
        QCOMPARE(fine.devicePixelRatio(), 2.0);
        QCOMPARE(fine.size(), coarse.size() * 2);
        // Where the caption lies at ratio 1, with a pixel of room for finer glyph edges.
        QRect caption;
        for (int y = 0; y < coarse.height(); ++y)
            for (int x = 0; x < coarse.width(); ++x)
                if (coarse.pixel(x, y) != bare.pixel(x, y))
                    caption |= QRect(x, y, 1, 1);
        QVERIFY(!caption.isEmpty());
        caption.adjust(-1, -1, 1, 1);

        int faceDifferences = 0;
        int captionBlocksWithDetail = 0;
        for (int y = 0; y < fine.height(); ++y) {
            for (int x = 0; x < fine.width(); ++x) {
                const QPoint logical(x / 2, y / 2);
                if (!caption.contains(logical))
                    faceDifferences += fine.pixel(x, y) != coarse.pixel(logical);
                else if (x % 2 == 1 && y % 2 == 1)
                    captionBlocksWithDetail += fine.pixel(x, y) != fine.pixel(x - 1, y - 1);
            }
        }
        QCOMPARE(faceDifferences, 0);
        QVERIFY(captionBlocksWithDetail > 10);
    }
}

QTEST_MAIN(tst_VistaButtonRenderer)
#include "tst_vistabuttonrenderer.moc"
