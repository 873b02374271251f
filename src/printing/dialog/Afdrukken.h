#pragma once

#include "printing/PrintSource.h"
#include "storage/folder/ProgramFolder.h"

#include <QDialog>
#include <QImage>

#include <functional>
#include <memory>

class QComboBox;
class QFrame;
class QLabel;
class QScrollBar;
class SystemPrinterCanvas;
class VistaButton;

// The print dialog: printer, copies and one of the five print jobs, with a
// miniature of what the job prints. "Print" plays a sweep over the miniature,
// runs the job to its end and closes the dialog; "Cancel" closes it.
class Afdrukken : public QDialog {
    Q_OBJECT

public:
    // The main window hands over what the jobs print, taken when the dialog opens.
    // The source is taken over, not copied: pass it as a temporary or moved.
    Afdrukken(PrintSource source, const ProgramFolder &folder, QWidget *parent = nullptr);
    ~Afdrukken() override;

    // The file-type entry of the photo question: shown as "Jpg, Gif, Bmp".
    static QString sealPhotoFilter();
    // The colour of the sweep line at this height (twips) of the preview.
    static QColor sweepColour(int position);

    // The questions for a file name, replaceable so that tests answer them; an
    // empty answer is a cancel.
    std::function<QString(QWidget *parent)> askPdfFile;
    std::function<QString(QWidget *parent)> askPhotoFile;

    // Loads the chosen file as the seal photo and previews it; an unreadable file
    // changes nothing. Returns whether a photo was loaded.
    bool loadSealPhoto(const QString &file);
    const QImage &sealPhoto() const { return m_sealPhoto; }

protected:
    void reject() override;

private:
    void buildControls();
    void SelectPrinter(int position);
    void SelectJob(int job);
    void ChooseSealPhoto();
    void RunPrintJob();
    // The sweep line's positions run from the top of the miniature to here (twips).
    static constexpr int SweepEnd = 2475;
    void placeSweepLine(int position);
    void sweep();
    void showJobProgress(int rowsDone, int rowCount);
    // Prints the selected job on the current printer and tells the user what went wrong, if anything.
    // Runs the chosen job; returns what went wrong, or empty.
    QString printSelectedJob();
    void showPreview();
    void updateCaption();

    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label3 = nullptr;
    QLabel *Label4 = nullptr;
    QLabel *Label5 = nullptr;
    QLabel *Label6 = nullptr;
    QLabel *Label7 = nullptr;
    QLabel *Picture1 = nullptr;
    QFrame *Line1 = nullptr;
    QScrollBar *VScroll1 = nullptr;
    QComboBox *Combo1 = nullptr;
    QComboBox *Combo2 = nullptr;
    QLabel *Image1 = nullptr;
    VistaButton *FotoKnop = nullptr;
    VistaButton *CancelKnop = nullptr;
    VistaButton *PrintKnop = nullptr;

    PrintSource m_source;
    ProgramFolder m_folder;
    std::unique_ptr<SystemPrinterCanvas> m_printers;
    QImage m_preview;
    QImage m_sealPhoto;
};
