#pragma once

#include "storage/StampRecord.h"
#include "storage/StorageResult.h"

#include <QDialog>
#include <QStringList>

#include <functional>
#include <initializer_list>
#include <utility>
#include <vector>

class OpenCollection;
class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QTableWidget;
class VistaButton;

// What the windows of the imports from other programs share: the file, a bar
// for reading and writing, a line of what the file holds, the first records as
// they will be stored, the countries with their counts, the per-country split
// and the name, the collections that will be written, the notes, Cancel and
// Ok. The file is read once the window shows; Cancel while reading stops it,
// and nothing is written.
class ImportForm : public QDialog {
    Q_OBJECT

public:
    static constexpr int PreviewRows = 8;

public slots:
    // While reading: stops the reading (nothing is written). Ignored while writing.
    void reject() override;

protected:
    // background: the window; fieldColour: the lists and input fields.
    ImportForm(OpenCollection &collection, const QColor &background, const QColor &fieldColour,
               const QString &fileName, const QString &title, QWidget *parent);

    void showEvent(QShowEvent *event) override;

    // Reads the file; progress (0 to 1) returning false stops reading.
    virtual StorageResult read(const std::function<bool(double done)> &progress) = 0;
    // What the file holds, once it has been read.
    virtual void showContents() = 0;
    // The message of a file that cannot be read, with its reason.
    virtual QString readFailure(const QString &reason) const = 0;

    // Each count as a name with its records.
    template <typename Count>
    static std::vector<std::pair<QString, int>> countsOf(const std::vector<Count> &counts)
    {
        std::vector<std::pair<QString, int>> named;
        for (const Count &count : counts)
            named.emplace_back(count.name, count.records);
        return named;
    }

    // The choices of a window in reading order, then Cancel and Ok.
    void orderTabs(std::initializer_list<QWidget *> choices);
    bool isReading() const { return m_reading; }
    void showProgress(double done);
    void showPreview(const std::vector<StampRecord> &records);
    // Each name with its count; an empty name counts the records without a country.
    void showCountries(const std::vector<std::pair<QString, int>> &countries);
    // Label3 and Label4: what will be written (each name with its records), and the notes.
    void showPlan(const QString &caption, const std::vector<std::pair<QString, int>> &collections,
                  const QStringList &notes);
    // Asks before each existing collection is replaced, then (when the open
    // collection gives way to the first imported) about its unsaved changes.
    bool confirmReplacing(const QStringList &existing, bool replacesOpen);
    // True when the name can be written; otherwise says why not.
    bool checkName(const QString &name);
    // Writes behind the bar; the window ignores the collector meanwhile.
    StorageResult writeBusy(const std::function<StorageResult(const std::function<void(double)> &)> &write);
    // The report of a done import, its notes (the first few) below the summary.
    void showReport(const QString &summary, const QStringList &notes);
    // A failed import: its message, then the window closes.
    void showFailure(const QString &message);
    // The first collection written takes the open one's place; the window closes.
    void openAndClose(const QString &name);

    QLabel *Label1 = nullptr;          // the file
    QProgressBar *Progress1 = nullptr; // reading and writing
    QLabel *Label2 = nullptr;          // what the file holds
    QTableWidget *Grid1 = nullptr;     // the first records as they will be stored
    QLabel *Label5 = nullptr;          // "Landen"
    QListWidget *List1 = nullptr;      // countries with their counts
    QCheckBox *Check1 = nullptr;       // one collection per country
    QLabel *Label6 = nullptr;          // "Naam verzameling"
    QLineEdit *Text1 = nullptr;        // the name
    QLabel *Label3 = nullptr;          // the collections that will be written
    QLabel *Label4 = nullptr;          // what the collector should know
    VistaButton *CancelKnop = nullptr;
    VistaButton *OkKnop = nullptr;

    OpenCollection &m_collection;
    QString m_fileName;
    QColor m_fieldColour;

private:
    void readFile();

    bool m_readStarted = false;
    bool m_reading = false;
    bool m_stopReading = false;
};
