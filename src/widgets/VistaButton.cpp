#include "widgets/VistaButton.h"

#include "widgets/BusyGuard.h"
#include "widgets/ButtonFace.h"
#include "widgets/ButtonPropertyStore.h"
#include "widgets/VistaButtonAccessible.h"
#include "widgets/VistaButtonRenderer.h"

#include <QAccessible>
#include <QApplication>
#include <QCursor>
#include <QDragMoveEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QRegion>
#include <QTimerEvent>

#include <algorithm>

namespace {

constexpr int hoverPollMilliseconds = 10;

// Drag states of the drag-over event.
constexpr int dragEnter = 0;
constexpr int dragLeave = 1;
constexpr int dragOver = 2;

// Left, right and middle have the values 1, 2 and 4 in both numberings.
int buttonMask(Qt::MouseButtons buttons)
{
    return static_cast<int>((buttons & (Qt::LeftButton | Qt::RightButton | Qt::MiddleButton)).toInt());
}

int shiftMask(Qt::KeyboardModifiers modifiers)
{
    return (modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0) |
           (modifiers & Qt::AltModifier ? 4 : 0);
}

// The receiver of a drag event answers with the effects it allows; the drop takes
// the proposed one if allowed, else the first allowed one, else none.
void acceptDropEffect(QDropEvent *event, int effect)
{
    const Qt::DropActions chosen = Qt::DropActions::fromInt(effect) & event->possibleActions();
    if (!chosen) {
        event->ignore();
        return;
    }
    if (chosen.testFlag(event->proposedAction())) {
        event->acceptProposedAction();
        return;
    }
    event->setDropAction(static_cast<Qt::DropAction>(chosen.toInt() & -chosen.toInt()));
    event->accept();
}

QColor buttonFaceColour()
{
    return QApplication::palette().color(QPalette::Button);
}

} // namespace

VistaButton::VistaButton(QWidget *parent)
    : QWidget(parent)
    , m_backColor(buttonFaceColour())
{
    VistaButtonAccessible::installFactory();
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    QFont arial = font();
    arial.setFamily(QStringLiteral("Arial"));
    setFont(arial);
    redraw();
}

VistaButton::VistaButton(const QString &name, QWidget *parent)
    : VistaButton(parent)
{
    setObjectName(name);
    setCaption(name);
}

void VistaButton::setCaption(const QString &caption)
{
    const bool renamed = caption != m_caption;
    m_caption = caption;
    redraw();
    // A reader says the new caption of a button whose caption changes (Show/Exit).
    if (renamed && QAccessible::isActive()) {
        QAccessibleEvent event(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
    }
}

void VistaButton::setForeColor(const QColor &colour)
{
    m_foreColor = colour;
    redraw();
}

void VistaButton::setPicture(const QImage &picture)
{
    m_picture = picture;
    prepareButtonPicture();
    redraw();
}

void VistaButton::setPictures(int pictures)
{
    m_pictures = std::clamp(pictures, 1, 2);
    redraw();
}

void VistaButton::setUseMaskColor(bool use)
{
    m_useMaskColor = use;
    redraw();
}

void VistaButton::setMaskColor(const QColor &colour)
{
    m_maskColor = colour;
    redraw();
}

void VistaButton::setEnabled(bool enabled)
{
    // Stored first, so that the change notification of QWidget finds nothing to do.
    m_enabled = enabled;
    QWidget::setEnabled(enabled);
    applyEnabled(enabled);
}

void VistaButton::setNoBackground(bool noBackground)
{
    m_noBackground = noBackground;
    redraw();
}

void VistaButton::setBackColor(const QColor &colour)
{
    m_backColor = colour;
    redraw();
}

void VistaButton::writeProperties(ButtonPropertyStore &store) const
{
    store.write(QStringLiteral("Caption"), m_caption);
    store.write(QStringLiteral("ForeColor"), m_foreColor);
    store.write(QStringLiteral("Font"), font());
    store.write(QStringLiteral("Picture"), m_picture);
    store.write(QStringLiteral("Pictures"), m_pictures);
    store.write(QStringLiteral("UseMaskColor"), m_useMaskColor);
    store.write(QStringLiteral("MaskColor"), m_maskColor);
    store.write(QStringLiteral("Enabled"), m_enabled);
    store.write(QStringLiteral("NoBackground"), m_noBackground);
    store.write(QStringLiteral("BackColor"), m_backColor);
    store.write(QStringLiteral("PictureOffset"), m_pictureOffset);
}

void VistaButton::readProperties(const ButtonPropertyStore &store)
{
    const QColor black(Qt::black);
    m_caption = store.read(QStringLiteral("Caption"), QString()).toString();
    m_foreColor = store.read(QStringLiteral("ForeColor"), black).value<QColor>();
    setFont(store.read(QStringLiteral("Font"), font()).value<QFont>());
    m_picture = store.read(QStringLiteral("Picture"), m_picture).value<QImage>();
    m_pictures = std::max(1, store.read(QStringLiteral("Pictures"), 0).toInt());
    m_useMaskColor = store.read(QStringLiteral("UseMaskColor"), false).toBool();
    m_maskColor = store.read(QStringLiteral("MaskColor"), black).value<QColor>();
    m_enabled = store.read(QStringLiteral("Enabled"), false).toBool();
    m_noBackground = store.read(QStringLiteral("NoBackground"), false).toBool();
    m_backColor = store.read(QStringLiteral("BackColor"), buttonFaceColour()).value<QColor>();
    m_pictureOffset = store.read(QStringLiteral("PictureOffset"), 0).toInt();

    prepareButtonPicture();
    QWidget::setEnabled(m_enabled);
    if (!m_enabled)
        m_state = ButtonState::Disabled;
    else if (m_state == ButtonState::Disabled)
        m_state = ButtonState::Normal;
    updateTabStop();
    redraw();
}

QSize VistaButton::sizeHint() const
{
    return {56, 22};
}

void VistaButton::paintEvent(QPaintEvent *)
{
    // A window moved to a screen of another pixel density needs the face in its pixels.
    if (m_backBuffer.devicePixelRatio() != devicePixelRatioF())
        m_backBuffer = renderFace();
    QPainter painter(this);
    painter.drawImage(0, 0, m_backBuffer);
}

void VistaButton::resizeEvent(QResizeEvent *)
{
    redraw();
}

void VistaButton::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::FontChange) {
        redraw();
    } else if (event->type() == QEvent::EnabledChange) {
        // Someone enabled or disabled the button through QWidget; a disabled parent
        // window leaves the button's own setting as it is.
        const bool ownSetting = !testAttribute(Qt::WA_ForceDisabled);
        if (ownSetting != m_enabled)
            applyEnabled(ownSetting);
    }
    QWidget::changeEvent(event);
}

void VistaButton::timerEvent(QTimerEvent *event)
{
    if (event->timerId() != m_hoverTimer.timerId()) {
        QWidget::timerEvent(event);
        return;
    }
    if (!isPointerOver())
        endHover();
}

void VistaButton::mousePressEvent(QMouseEvent *event)
{
    // The platform's click (press and release inside) is the mouse's own: the
    // space key, which also presses the face, neither starts nor ends it.
    if (event->button() == Qt::LeftButton)
        m_mouseClickStarted = true;
    press(buttonMask(event->button()), shiftMask(event->modifiers()), event->position());
}

void VistaButton::mouseMoveEvent(QMouseEvent *event)
{
    const QPointF point = event->position();
    emit MouseMove(buttonMask(event->buttons()), shiftMask(event->modifiers()), point.x(), point.y());
    if (!isInside(point)) {
        // Held down but dragged off: the button no longer looks pressed.
        setState(ButtonState::Hot);
        return;
    }
    emit MouseIn();
    const bool changed = setState(m_pressed ? ButtonState::Pressed : ButtonState::Hot);
    if (changed && !m_hoverTimer.isActive())
        m_hoverTimer.start(hoverPollMilliseconds, this);
}

void VistaButton::mouseDoubleClickEvent(QMouseEvent *event)
{
    // The second press of a double click is no press of its own: its release
    // only ends it, so a double click is one Click.
    event->accept();
}

void VistaButton::mouseReleaseEvent(QMouseEvent *event)
{
    const QPointF point = event->position();
    const bool clicked = m_mouseClickStarted && event->button() == Qt::LeftButton;
    if (event->button() == Qt::LeftButton)
        m_mouseClickStarted = false;
    release(buttonMask(event->button()), shiftMask(event->modifiers()), point);
    if (clicked && isInside(point) && m_enabled && !BusyGuard::isBusy(this))
        emit Click();
}

void VistaButton::keyPressEvent(QKeyEvent *event)
{
    const bool space = event->key() == Qt::Key_Space;
    if (space && !event->isAutoRepeat())
        press(0, 0, QPointF(0, 0));
    if (m_enabled)
        emit KeyDown(event->key(), shiftMask(event->modifiers()));
    if (m_enabled && !event->text().isEmpty())
        emit KeyPress(event->text().at(0).unicode());
    if (!space)
        QWidget::keyPressEvent(event); // the window still sees Escape and the like
}

void VistaButton::keyReleaseEvent(QKeyEvent *event)
{
    // A held key repeats its key-down only; the button is clicked when it comes up.
    if (event->isAutoRepeat())
        return;
    if (event->key() == Qt::Key_Space) {
        releaseSpace();
        if (!m_enabled || !clickUnlessBusy())
            return;
    }
    if (m_enabled)
        emit KeyUp(event->key(), shiftMask(event->modifiers()));
}

void VistaButton::pressAsSpace()
{
    if (!m_enabled)
        return;
    press(0, 0, QPointF(0, 0));
    releaseSpace();
    if (m_enabled)
        clickUnlessBusy();
}

// Released from the keyboard, the button ends Hot under the pointer and Focused
// (or Normal) elsewhere.
void VistaButton::releaseSpace()
{
    release(0, 0, isPointerOver() ? QPointF(0, 0) : QPointF(-1, 0));
}

bool VistaButton::clickUnlessBusy()
{
    const QPointer<VistaButton> self(this);
    if (!BusyGuard::isBusy(this))
        emit Click();
    return !self.isNull();
}

void VistaButton::focusInEvent(QFocusEvent *event)
{
    m_hasFocus = true;
    if (!isPointerOver() && m_enabled && !m_pressed)
        setState(ButtonState::Focused);
    QWidget::focusInEvent(event);
}

void VistaButton::focusOutEvent(QFocusEvent *event)
{
    m_hasFocus = false;
    if (!isPointerOver() && m_enabled)
        setState(ButtonState::Normal);
    QWidget::focusOutEvent(event);
}

void VistaButton::dragEnterEvent(QDragEnterEvent *event)
{
    forwardDragOver(event, dragEnter);
}

void VistaButton::dragMoveEvent(QDragMoveEvent *event)
{
    forwardDragOver(event, dragOver);
}

void VistaButton::dragLeaveEvent(QDragLeaveEvent *)
{
    const QPointF point = mapFromGlobal(QCursor::pos());
    int effect = 0;
    emit OLEDragOver(nullptr, effect, buttonMask(QApplication::mouseButtons()),
                     shiftMask(QApplication::keyboardModifiers()), point.x(), point.y(), dragLeave);
}

void VistaButton::dropEvent(QDropEvent *event)
{
    int effect = static_cast<int>(event->possibleActions().toInt());
    const QPointF point = event->position();
    emit OLEDragDrop(event->mimeData(), effect, buttonMask(event->buttons()), shiftMask(event->modifiers()),
                     point.x(), point.y());
    acceptDropEffect(event, effect);
}

void VistaButton::forwardDragOver(QDragMoveEvent *event, int dragState)
{
    int effect = static_cast<int>(event->possibleActions().toInt());
    const QPointF point = event->position();
    emit OLEDragOver(event->mimeData(), effect, buttonMask(event->buttons()), shiftMask(event->modifiers()),
                     point.x(), point.y(), dragState);
    acceptDropEffect(event, effect);
}

// Draws the face for the current state into the back buffer and shows it. Only
// changes of a property, the state or the size come here; a repaint of the
// window only copies the back buffer.
void VistaButton::redraw()
{
    m_backBuffer = renderFace();

    if (size() != m_shapedSize) {
        shapeButtonWindow();
        m_shapedSize = size();
    }
    update();
}

QImage VistaButton::renderFace() const
{
    ButtonFace face;
    face.size = size();
    face.state = m_state;
    face.caption = m_caption;
    face.font = font();
    face.foreColor = m_foreColor;
    face.backColor = m_backColor;
    face.enabled = m_enabled;
    face.noBackground = m_noBackground;
    face.picture = m_pictureSurface;
    face.pictures = m_pictures;
    face.useMaskColor = m_useMaskColor;
    face.maskColor = m_maskColor;
    face.pressed = m_pressed;
    face.pictureOffset = m_pictureOffset;
    face.devicePixelRatio = devicePixelRatioF();
    return VistaButtonRenderer::render(face);
}

// The four corner pixels are cut off the window, which rounds the button.
void VistaButton::shapeButtonWindow()
{
    const int right = width() - 1;
    const int bottom = height() - 1;
    QRegion shape(rect());
    for (const QPoint &corner : {QPoint(0, 0), QPoint(0, bottom), QPoint(right, 0), QPoint(right, bottom)})
        shape -= QRegion(corner.x(), corner.y(), 1, 1);
    setMask(shape);
}

bool VistaButton::setState(ButtonState state)
{
    const ButtonState old = m_state;
    m_state = state;
    if (old == state)
        return false;
    redraw();
    return true;
}

bool VistaButton::isPointerOver() const
{
    return QApplication::widgetAt(QCursor::pos()) == this;
}

bool VistaButton::isInside(const QPointF &point) const
{
    return point.x() >= 0 && point.x() < width() && point.y() >= 0 && point.y() < height();
}

void VistaButton::endHover()
{
    if (!m_hoverTimer.isActive())
        return;
    m_hoverTimer.stop();
    if (m_enabled && !m_pressed)
        setState(m_hasFocus ? ButtonState::Focused : ButtonState::Normal);
    emit MouseOut();
}

void VistaButton::applyEnabled(bool enabled)
{
    m_enabled = enabled;
    m_state = enabled ? ButtonState::Normal : ButtonState::Disabled;
    updateTabStop();
    redraw();
}

// A disabled button is skipped by the tab key; enabling it again gives it back
// its place in the tab order, but never makes a tab stop of a button that was not.
void VistaButton::updateTabStop()
{
    const bool tabStop = focusPolicy() & Qt::TabFocus;
    if (!m_enabled && tabStop) {
        m_savedTabStop = tabStop;
        m_tabStopSaved = true;
        setFocusPolicy(static_cast<Qt::FocusPolicy>(focusPolicy() & ~Qt::TabFocus));
    } else if (m_enabled && m_tabStopSaved && tabStop != m_savedTabStop) {
        const int others = focusPolicy() & ~Qt::TabFocus;
        setFocusPolicy(static_cast<Qt::FocusPolicy>(m_savedTabStop ? others | Qt::TabFocus : others));
    }
}

void VistaButton::prepareButtonPicture()
{
    if (m_picture.isNull() || m_picture.width() <= 0 || m_picture.height() <= 0)
        m_pictureSurface = QImage();
    else
        m_pictureSurface = m_picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

void VistaButton::press(int button, int shift, const QPointF &point)
{
    emit MouseDown(button, shift, point.x(), point.y());
    m_pressed = true;
    setState(ButtonState::Pressed);
    update();
}

void VistaButton::release(int button, int shift, const QPointF &point)
{
    emit MouseUp(button, shift, point.x(), point.y());
    m_pressed = false;
    if (isInside(point))
        setState(ButtonState::Hot);
    else
        setState(m_hasFocus ? ButtonState::Focused : ButtonState::Normal);
}
