#include "widgets/VistaButtonRenderer.h"

#include "widgets/ButtonColourSet.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

// Positions are rounded as the drawing has always rounded them: halves go to the
// even neighbour (the default floating-point rounding mode).
int roundHalfEven(double value)
{
    return static_cast<int>(std::nearbyint(value));
}

const QRgb disabledCaptionColour = qRgb(131, 131, 131);

} // namespace

QImage VistaButtonRenderer::render(const ButtonFace &face)
{
    VistaButtonRenderer renderer(face);
    if (!renderer.m_image.isNull())
        renderer.drawButtonFace();
    return renderer.m_fine.isNull() ? renderer.m_image : renderer.m_fine;
}

int VistaButtonRenderer::boundaryRow(int height)
{
    return roundHalfEven(height / 2.2);
}

VistaButtonRenderer::VistaButtonRenderer(const ButtonFace &face)
    : m_face(face)
    , m_width(face.size.width())
    , m_height(face.size.height())
{
    if (m_width > 0 && m_height > 0)
        m_image = QImage(m_width, m_height, QImage::Format_RGB32);
}

void VistaButtonRenderer::drawButtonFace()
{
    const int w = m_width;
    const int h = m_height;
    const ButtonState state = m_face.state;

    m_image.fill(m_face.backColor);
    // Without a background the face only appears while the pointer is on the button.
    if (m_face.noBackground && state != ButtonState::Hot && state != ButtonState::Pressed) {
        drawCaption();
        return;
    }

    const ButtonColourSet &colours = ButtonColourSet::forState(state);
    const auto &g = colours.gradient;
    const int boundary = boundaryRow(h);

    verticalGradient(2, 2, w - 2, boundary, g[0], g[1]);
    verticalGradient(2, boundary, w - 2, h - 2, g[2], g[3]);
    verticalGradient(1, 3, 2, boundary, g[4], g[5]);
    verticalGradient(w - 2, 3, w - 1, boundary, g[4], g[5]);
    verticalGradient(1, boundary, 2, h - 3, g[6], g[7]);
    verticalGradient(w - 1, boundary, w - 2, h - 3, g[6], g[7]);

    if (state == ButtonState::Pressed)
        drawPressedLines();
    if (state == ButtonState::Focused)
        drawFocusedLines(boundary);

    drawCaption();

    const QRgb outline = colours.line[0];
    horizontalLine(0, w - 1, 0, outline);
    horizontalLine(0, w - 1, h - 1, outline);
    verticalLine(0, 0, h - 1, outline);
    verticalLine(w - 1, 0, h - 1, outline);

    horizontalLine(3, w - 4, 1, colours.line[1]);
    horizontalLine(3, w - 4, h - 2, colours.line[20]);

    drawCorners(colours);
}

// The pressed look darkens the ends of the inner lines; part of it is painted over
// by the inner lines later, which is how the face is meant to look.
void VistaButtonRenderer::drawPressedLines()
{
    const int w = m_width;
    const int h = m_height;
    const QRgb edge = qRgb(151, 170, 180);
    const QRgb shine = qRgb(220, 237, 246);
    const QRgb fade = qRgb(157, 175, 185);

    horizontalLine(3, 6, 1, edge);
    horizontalLine(3, 6, 2, shine);
    horizontalLine(7, 10, 1, fade);

    horizontalLine(w - 4, w - 7, 1, edge);
    horizontalLine(w - 4, w - 7, 2, shine);
    horizontalLine(w - 8, w - 11, 1, fade);

    horizontalLine(3, 6, h - 2, qRgb(99, 172, 211));
    horizontalLine(3, 6, h - 3, qRgb(109, 181, 220));
    horizontalLine(7, 10, h - 2, qRgb(104, 178, 218));

    setPixel(2, 3, qRgb(220, 237, 245));
    setPixel(w - 3, 3, qRgb(220, 237, 245));
}

void VistaButtonRenderer::drawFocusedLines(int boundary)
{
    const int w = m_width;
    const int h = m_height;

    horizontalLine(3, w - 4, 2, qRgb(166, 233, 251));
    horizontalLine(3, w - 4, h - 3, qRgb(132, 213, 239));

    verticalGradient(2, 3, 3, boundary, qRgb(165, 232, 251), qRgb(161, 230, 249));
    verticalGradient(w - 2, 3, w - 3, boundary, qRgb(165, 232, 251), qRgb(161, 230, 249));
    verticalGradient(2, boundary, 3, h - 3, qRgb(146, 222, 245), qRgb(133, 213, 240));
    verticalGradient(w - 2, boundary, w - 3, h - 3, qRgb(146, 222, 245), qRgb(133, 213, 240));
}

// The corners are rounded by hand: each pixel has its own colour, the top corners
// from L2 to L11 and the bottom corners from L12 to L19; right corners mirror left.
void VistaButtonRenderer::drawCorners(const ButtonColourSet &colours)
{
    struct CornerPixel {
        int x;
        int y;
        int colour;
    };
    static constexpr CornerPixel topLeft[] = {{1, 0, 2}, {2, 0, 3}, {0, 1, 4}, {1, 1, 5},  {2, 1, 6},
                                              {0, 2, 7}, {1, 2, 8}, {2, 2, 9}, {0, 3, 10}, {1, 3, 11}};
    // Rows counted up from the bottom edge.
    static constexpr CornerPixel bottomLeft[] = {{1, 0, 12}, {2, 0, 13}, {0, 1, 14}, {1, 1, 15},
                                                 {2, 1, 16}, {0, 2, 17}, {1, 2, 18}, {2, 2, 19}};
    const int right = m_width - 1;
    const int bottom = m_height - 1;

    for (const CornerPixel &p : topLeft)
        setPixel(p.x, p.y, colours.line[p.colour]);
    for (const CornerPixel &p : topLeft)
        setPixel(right - p.x, p.y, colours.line[p.colour]);
    for (const CornerPixel &p : bottomLeft)
        setPixel(p.x, bottom - p.y, colours.line[p.colour]);
    for (const CornerPixel &p : bottomLeft)
        setPixel(right - p.x, bottom - p.y, colours.line[p.colour]);
}

void VistaButtonRenderer::drawCaption()
{
    const double w = m_width;
    const double h = m_height;

    QImage &surface = captionSurface();
    const QFontMetrics metrics(m_face.font, &m_image);
    const QRect measured = metrics.boundingRect(QRect(0, 0, m_width, m_height),
                                                Qt::AlignHCenter | Qt::TextWordWrap, m_face.caption);
    const double textHeight = measured.height();
    const double leftCut = drawButtonPicture(measured.width());

    const int left = m_face.picture.isNull() ? 3 : roundHalfEven(frameWidth() + 8 - leftCut);
    const int top = roundHalfEven((h - textHeight) / 2);
    const int right = roundHalfEven(w - 3);
    const int bottom = roundHalfEven((h + textHeight) / 2);
    const Qt::Alignment alignment = leftCut > 0 ? Qt::AlignLeft : Qt::AlignHCenter;

    QPainter painter(&surface);
    painter.setFont(m_face.font);
    painter.setPen(m_face.enabled ? m_face.foreColor : QColor(disabledCaptionColour));
    painter.drawText(QRect(left, top, right - left, bottom - top),
                     int(alignment | Qt::AlignTop) | Qt::TextWordWrap, m_face.caption);
}

double VistaButtonRenderer::frameWidth() const
{
    return static_cast<double>(m_face.picture.width()) / m_face.pictures;
}

// Places one frame of the picture so that picture and caption are centred as a
// group with 5 pixels between them, keeping out of the 3-pixel margin. Returns how
// much was cut off the left of the frame.
double VistaButtonRenderer::drawButtonPicture(double captionWidth)
{
    if (m_face.picture.isNull())
        return 0;

    const double w = m_width;
    const double h = m_height;
    const double pictureHeight = m_face.picture.height();
    const double frame = frameWidth();

    double x = m_face.caption.isEmpty() ? (w - frame) / 2 : (w - captionWidth - frame - 5) / 2;
    double y = roundHalfEven((h - pictureHeight) / 2);
    if (m_face.pressed) {
        x += m_face.pictureOffset;
        y += m_face.pictureOffset;
    }

    const double rightCut = std::max(0.0, x + frame - (w - 3));
    const double leftCut = x < 3 ? 3 - x : 0;
    x = std::max(x, 3.0);
    const double bottomCut = std::max(0.0, y + pictureHeight - (h - 3));
    const double topCut = y < 3 ? 3 - y : 0;
    y = std::max(y, 3.0);

    // A disabled button shows the second frame; a pressed one the third, if there is one.
    int frameIndex = 0;
    if (m_face.pictures > 1 && !m_face.enabled)
        frameIndex = 1;
    else if (m_face.pictures == 3 && m_face.enabled && m_face.pressed)
        frameIndex = 2;

    const int width = roundHalfEven(frame - leftCut - rightCut);
    const int height = roundHalfEven(pictureHeight - topCut - bottomCut);
    if (width <= 0 || height <= 0)
        return leftCut;

    QImage part =
        m_face.picture.copy(roundHalfEven(frameIndex * frame + leftCut), roundHalfEven(topCut), width, height)
            .convertToFormat(QImage::Format_ARGB32);
    if (m_face.useMaskColor) {
        const QRgb mask = m_face.maskColor.rgb() & RGB_MASK;
        for (int row = 0; row < part.height(); ++row) {
            auto *pixels = reinterpret_cast<QRgb *>(part.scanLine(row));
            for (int column = 0; column < part.width(); ++column) {
                if ((pixels[column] & RGB_MASK) == mask)
                    pixels[column] = 0;
            }
        }
    }
    QPainter painter(&captionSurface());
    painter.drawImage(roundHalfEven(x), roundHalfEven(y), part);
    return leftCut;
}

// Fills columns x1 up to x2 and rows y1 up to y2 (both ends exclusive), with the
// top row in the first colour and the bottom row in the second.
void VistaButtonRenderer::verticalGradient(int x1, int y1, int x2, int y2, QRgb top, QRgb bottom)
{
    if (x1 > x2)
        std::swap(x1, x2);
    const int rows = y2 - y1;
    for (int row = 0; row < rows; ++row) {
        const double t = rows > 1 ? static_cast<double>(row) / (rows - 1) : 0.0;
        const auto mix = [t](int a, int b) { return static_cast<int>(std::lround(a + (b - a) * t)); };
        const QRgb colour = qRgb(mix(qRed(top), qRed(bottom)), mix(qGreen(top), qGreen(bottom)),
                                 mix(qBlue(top), qBlue(bottom)));
        horizontalLine(x1, x2 - 1, y1 + row, colour);
    }
}

// Both end points are part of the line, in whichever order they are given.
void VistaButtonRenderer::horizontalLine(int x1, int x2, int y, QRgb colour)
{
    if (x1 > x2)
        std::swap(x1, x2);
    for (int x = x1; x <= x2; ++x)
        setPixel(x, y, colour);
}

void VistaButtonRenderer::verticalLine(int x, int y1, int y2, QRgb colour)
{
    for (int y = y1; y <= y2; ++y)
        setPixel(x, y, colour);
}

void VistaButtonRenderer::setPixel(int x, int y, QRgb colour)
{
    if (x < 0 || y < 0 || x >= m_width || y >= m_height)
        return;
    m_image.setPixel(x, y, colour);
    if (!m_fine.isNull())
        fillBlock(x, y, colour);
}

// The device pixels of logical pixel (x, y) in the fine image.
void VistaButtonRenderer::fillBlock(int x, int y, QRgb colour)
{
    const int right = deviceEdge(x + 1);
    const int bottom = deviceEdge(y + 1);
    for (int row = deviceEdge(y); row < bottom; ++row) {
        auto *pixels = reinterpret_cast<QRgb *>(m_fine.scanLine(row));
        std::fill(pixels + deviceEdge(x), pixels + right, colour);
    }
}

int VistaButtonRenderer::deviceEdge(int logical) const
{
    return static_cast<int>(std::lround(logical * m_face.devicePixelRatio));
}

QImage &VistaButtonRenderer::captionSurface()
{
    if (m_face.devicePixelRatio == 1.0 || !m_fine.isNull())
        return m_fine.isNull() ? m_image : m_fine;
    m_fine = QImage(deviceEdge(m_width), deviceEdge(m_height), QImage::Format_RGB32);
    for (int y = 0; y < m_height; ++y) {
        for (int x = 0; x < m_width; ++x)
            fillBlock(x, y, m_image.pixel(x, y));
    }
    m_fine.setDevicePixelRatio(m_face.devicePixelRatio);
    return m_fine;
}
