#pragma once

#include <QObject>

class QDateTime;
class QLabel;
class QLocale;
class QTimer;

// The clock in the title strip: its timer Timer1 writes the date and time into
// the clock label once a second, from start-up to the end of the program.
class Clock : public QObject {
    Q_OBJECT

public:
    // Starts ticking at once; the label keeps its text until the first tick.
    Clock(QLabel *label, QObject *parent);

    // The date in the locale's short format, " / ", and the time as h:mm:ss
    // on a 24-hour clock.
    static QString text(const QDateTime &moment, const QLocale &locale);

    // Shows the current date and time.
    void Timer1_Timer();
    // Moves the label left where its text would run past the right end of the
    // strip it stands in, so that date and time show in full.
    void keepInsideStrip();

private:
    QLabel *m_label;
    QTimer *m_timer;
};
