#include "mainwindow/Clock.h"

#include "widgets/Twips.h"

#include <QDateTime>
#include <QLabel>
#include <QLocale>
#include <QTimer>

namespace {

constexpr int TickMilliseconds = 1000;
// As far from the strip's right end as the collection name is from its left.
constexpr int RightMargin = 90;

} // namespace

Clock::Clock(QLabel *label, QObject *parent)
    : QObject(parent)
    , m_label(label)
    , m_timer(new QTimer(this))
{
    m_timer->setObjectName(QStringLiteral("Timer1"));
    m_timer->setInterval(TickMilliseconds);
    connect(m_timer, &QTimer::timeout, this, &Clock::Timer1_Timer);
    m_timer->start();
}

QString Clock::text(const QDateTime &moment, const QLocale &locale)
{
    return locale.toString(moment.date(), QLocale::ShortFormat) + QStringLiteral(" / ") +
           moment.time().toString(QStringLiteral("h:mm:ss"));
}

void Clock::Timer1_Timer()
{
    m_label->setText(text(QDateTime::currentDateTime(), QLocale()));
    m_label->adjustSize();
    keepInsideStrip();
}

void Clock::keepInsideStrip()
{
    const QWidget *strip = m_label->parentWidget();
    const int limit = strip->contentsRect().right() + 1 - Twips::toPixels(RightMargin);
    if (m_label->x() + m_label->width() > limit)
        m_label->move(limit - m_label->width(), m_label->y());
}
