#pragma once

#include "storage/pictures/PictureFiler.h"
#include "storage/pictures/ScanFolder.h"

#include <QDialog>

#include <vector>

class QLabel;
class QProgressBar;
class QTableWidget;
class RecordList;
class VistaButton;

// "Afbeeldingen importeren": a folder of scans matched to the records, shown
// before anything is copied. The ticked rows are filed with "Importeren".
class PictureImportForm : public QDialog {
    Q_OBJECT

public:
    enum Column { TickColumn, PictureColumn, FileColumn, RecordColumn, ActionColumn };

    PictureImportForm(const RecordList &records, const PictureFiler &filer, const QString &folder,
                      std::vector<ScanFolder::Match> matches, const QColor &background, QWidget *parent);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void fillTable();
    // Small pictures a few rows at a time, so a folder of hundreds of scans
    // opens at once.
    void loadNextThumbnails();
    void CopyKnop_Click();
    void ImportKnop_Click();

    QLabel *Label1 = nullptr; // the folder and the counts
    QTableWidget *Grid1 = nullptr;
    QProgressBar *Progress1 = nullptr;
    VistaButton *CopyKnop = nullptr;
    VistaButton *CancelKnop = nullptr;
    VistaButton *ImportKnop = nullptr;

    const RecordList &m_records;
    PictureFiler m_filer;
    QString m_folder;
    std::vector<ScanFolder::Match> m_matches;
    int m_nextThumbnail = 0;
};
