#include "CollectionWindow.h"

#include "widgets/RecordListView.h"

#include <QCoreApplication>

namespace {

// Notes the next paint of the widget it watches.
class PaintWatch : public QObject {
public:
    bool painted = false;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            painted = true;
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

CollectionWindow::CollectionWindow(const ProgramFolder &folder)
    : m_main(folder)
    , m_list(m_main.findChild<RecordListView *>(QStringLiteral("ListView1")))
{}

void CollectionWindow::showEmpty()
{
    m_main.show();
    waitForListPaint();
}

void CollectionWindow::open(const QString &name)
{
    const StorageResult opened = m_main.collection().open(name);
    if (!opened)
        qFatal("%s", qPrintable(opened.reason));
}

void CollectionWindow::waitForListPaint()
{
    PaintWatch watch;
    m_list->viewport()->installEventFilter(&watch);
    m_list->viewport()->update();
    // The filter sees the paint event before the list handles it; the pass
    // that delivered it returns only when the list has painted.
    while (!watch.painted)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    m_list->viewport()->removeEventFilter(&watch);
}
