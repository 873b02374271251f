#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <vector>

// A list of the tools windows as it leaves the program: copied as text,
// exported as CSV and printed. The rows are the lines the command line writes.
struct ListReport {
    QString title; // printed at the top of the first page
    QStringList headings;
    std::vector<QStringList> rows;
    QStringList total; // a last line under the rows; empty for none

    // Rows and total, one a line, fields joined by TAB.
    QString text() const;
    // Headings, rows and total as a spreadsheet reads them.
    QByteArray csv() const;
};
