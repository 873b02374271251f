#include "widgets/BusyGuard.h"

#include <QEvent>
#include <QWidget>

namespace {

// Number of guards holding a window, kept on the window itself so that it
// goes with the window.
constexpr const char *DepthProperty = "busyGuardDepth";

int depthOf(const QWidget *window)
{
    return window->property(DepthProperty).toInt();
}

} // namespace

BusyGuard::BusyGuard(QWidget *widget)
    : m_window(widget->window())
{
    m_window->setProperty(DepthProperty, depthOf(m_window) + 1);
    m_window->installEventFilter(this);
}

BusyGuard::~BusyGuard()
{
    if (!m_window)
        return;
    m_window->removeEventFilter(this);
    m_window->setProperty(DepthProperty, depthOf(m_window) - 1);
}

bool BusyGuard::isBusy(const QWidget *widget)
{
    return widget && depthOf(widget->window()) > 0;
}

bool BusyGuard::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_window && event->type() == QEvent::Close) {
        event->ignore();
        return true;
    }
    return QObject::eventFilter(watched, event);
}
