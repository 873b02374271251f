#pragma once

#include "storage/StorageResult.h"

#include <QByteArrayView>
#include <QColor>
#include <QString>
#include <QStringList>

#include <array>

// The colours and list column widths kept between runs in Tessaron2.ini.
// Reading treats the file as a stream of values separated by commas and line
// ends, so a value missing from one line is taken from the next.
class SettingsFile {
public:
    static constexpr int ColumnCount = 12;
    // Maker line, separator, three plus three colour components, separator, widths.
    static constexpr int ValueCount = 2 + 3 + 3 + 1 + ColumnCount;

    static constexpr QColor DefaultPanelColour{220, 220, 190};
    static constexpr QColor DefaultFieldColour{200, 220, 220};
    static constexpr std::array<int, ColumnCount> DefaultColumnWidths{900,  1500, 1500, 2100, 1200, 1200,
                                                                      1800, 2100, 3000, 1200, 1200, 1200};

    QColor panelColour = DefaultPanelColour;
    QColor fieldColour = DefaultFieldColour;
    std::array<int, ColumnCount> columnWidths = DefaultColumnWidths; // twips, column 1 first

    // Reads the file into the members above and returns how many values were
    // taken from it, ValueCount when the file was read whole. Values read before
    // a missing or unreadable value keep what was read; the rest keep what they
    // held. A colour component outside 0 to 255 or a negative width counts as
    // read but takes its default.
    int read(const QString &path);
    // The same from the bytes of the file.
    int parse(QByteArrayView bytes);
    // The seventeen lines of the file, without line ends.
    QStringList lines() const;
    // Replaces the file atomically; a failed write leaves the old file.
    StorageResult write(const QString &path) const;
};
