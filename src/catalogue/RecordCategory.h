#pragma once

#include "storage/StampRecord.h"

#include <QString>
#include <QStringList>

// The category a list is limited to: records whose category is the same text,
// trimmed and without regard to letter case. An empty one lets every record in.
// It remembers its last answer, so each thread needs one of its own, and it
// serves one pass over records that do not change meanwhile.
class RecordCategory {
public:
    explicit RecordCategory(const QString &category);

    bool matches(const StampRecord &record);

    // The categories the records use, trimmed, each once (as first written), in
    // alphabetical order without regard to letter case; blank ones left out.
    static QStringList namesIn(RecordSpan records);

private:
    QString m_category;
    // Records mostly share one text per category, so the answer for the last
    // text seen is most often the answer for the next record: the same
    // characters in the same place are the same text.
    const QChar *m_lastData = nullptr;
    qsizetype m_lastSize = 0;
    bool m_lastMatched = false;
};
