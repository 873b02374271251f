#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <algorithm>

// Removes leading and trailing blanks (the space character only; tabs and other
// white space are kept, as the file formats have always treated them).
inline QStringView trimmedSpaces(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin] == u' ')
        ++begin;
    while (end > begin && text[end - 1] == u' ')
        --end;
    return text.sliced(begin, end - begin);
}

inline QString trimSpaces(QStringView text)
{
    return trimmedSpaces(text).toString();
}

inline bool isBlank(QStringView text)
{
    for (const QChar c : text) {
        if (c != u' ')
            return false;
    }
    return true;
}

// The same for a line of a file in Windows-1252, where only byte 0x20 is a space.
inline bool isBlankLine(QByteArrayView line)
{
    return std::all_of(line.begin(), line.end(), [](char c) { return c == ' '; });
}
