#pragma once

#include <QString>

// Outcome of a storage operation. Storage code never shows a dialog; the windows
// decide what the user sees, and the reason is short enough for a message box.
struct [[nodiscard]] StorageResult {
    bool ok = true;
    QString reason;

    static StorageResult success() { return {}; }
    static StorageResult failure(const QString &why) { return {false, why}; }
    explicit operator bool() const { return ok; }
};
