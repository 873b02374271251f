#include "storage/folder/WaitSeconds.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

void WaitSeconds(float seconds)
{
    QElapsedTimer clock;
    clock.start();
    const qint64 duration = static_cast<qint64>(static_cast<double>(seconds) * 1000.0 + 0.5);
    QCoreApplication::processEvents();
    // The loop may be left late by a nested one, never early: the clock decides.
    for (qint64 remaining = duration - clock.elapsed(); remaining > 0;
         remaining = duration - clock.elapsed()) {
        QEventLoop loop;
        QTimer::singleShot(std::chrono::milliseconds(remaining), Qt::PreciseTimer, &loop, &QEventLoop::quit);
        loop.exec();
    }
}
