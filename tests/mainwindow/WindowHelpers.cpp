#include "WindowHelpers.h"

#include "common/TestFolder.h"

#include <QCoreApplication>
#include <QTest>

std::unique_ptr<Main> startWindow(const TestFolder &folder)
{
    auto window = std::make_unique<Main>(folder.folder());
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get()))
        qWarning("window not exposed");
    return window;
}

void setOuterSize(QWidget *window, QSize outer)
{
    window->resize(outer - (window->frameGeometry().size() - window->size()));
    QCoreApplication::processEvents();
}
