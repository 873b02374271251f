#pragma once

#include <QString>
#include <QStringList>

// A real print queue that writes PDF files: starts the print system when it is
// not running and adds the queue when it is missing. The tests print to it
// through QPrinter and read back what arrives.
class CupsPdfQueue {
public:
    static QString name() { return QStringLiteral("T2PDF"); }

    // Empty when the queue is ready; otherwise why it cannot be.
    QString setUp();
    // The PDF files the queue has written so far.
    QStringList pdfFiles() const;
    // A PDF file that is not among `before`, once every job of the queue has
    // finished; empty when none arrives within a minute.
    QString waitForPdf(const QStringList &before) const;
    // Whether the queue takes new jobs (cupsaccept / cupsreject).
    bool setAccepting(bool accepting) const;

private:
    QString m_outputFolder;
};
