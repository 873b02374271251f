#pragma once

#include <QString>
#include <QStringList>

#include <vector>

struct StampRecord;

// The category a list is limited to: records whose category is the same text,
// trimmed and without regard to letter case. An empty one lets every record in.
class RecordCategory {
public:
    explicit RecordCategory(const QString &category);

    bool matches(const StampRecord &record) const;

    // The categories the records use, trimmed, each once (as first written), in
    // alphabetical order without regard to letter case; blank ones left out.
    static QStringList namesIn(const std::vector<StampRecord> &records);

private:
    QString m_category;
};
