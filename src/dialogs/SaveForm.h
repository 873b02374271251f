#pragma once

#include <QDialog>

#include <QImage>
#include <functional>

class FileFingerprint;
class OpenCollection;
class QLabel;
class QLineEdit;
class VistaButton;

// Saves the open collection under a name the user confirms or changes, with
// its picture folder, behind a short green progress bar.
class SaveForm : public QDialog {
    Q_OBJECT

public:
    SaveForm(OpenCollection &collection, const QColor &fieldColour, QWidget *parent);

public slots:
    // Ignored while a save is under way.
    void reject() override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void SaveKnop_Click();
    // Shows a refusal and gives the name box the focus again.
    void refuseName(const QString &message);
    bool confirmOverwrite(const QString &name);
    bool confirmChangedElsewhere(const QString &name);
    bool askChangedElsewhere(const QString &name);
    // Saves after the animation; false when nothing was written (a failure, or
    // a No to a question asked right before writing).
    bool saveAfterAnimation(const QString &name, const FileFingerprint &asConfirmed);
    // A question or report in the middle of a save shows as any other: with the
    // arrow and the name box. The save's look comes back for the rest of it.
    bool outsideBusyLook(const std::function<bool()> &ask);
    // The name box in place of the bar again, for another try.
    void showNameAgain();
    void runProgressAnimation();
    void showProgress(int filledWidth);
    void showPercentage(int percent);

    QLineEdit *Text1 = nullptr; // the collection name
    QLabel *Bar = nullptr;      // progress bar, in the place of Text1 while saving
    QLabel *Label1 = nullptr;   // percentage
    VistaButton *CancelKnop = nullptr;
    VistaButton *SaveKnop = nullptr;

    OpenCollection &m_collection;
    QImage m_barImage;
};
