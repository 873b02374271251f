#pragma once

#include "storage/StampRecord.h"

#include <QFrame>

#include <array>

class ProgramFolder;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;

// The record detail panel (Frame1): one input control per field of a record,
// each with its caption, placed in twips as the window has always shown them.
// The rest of the window works with records, never with the controls.
class DetailPanel : public QFrame {
    Q_OBJECT

public:
    explicit DetailPanel(QWidget *parent = nullptr);

    // Fills Combo2 to Combo5 from the word lists of the data folder.
    void loadLookupLists(const ProgramFolder &folder);
    // Paints the background of the twelve input controls.
    void setFieldColour(const QColor &colour);

    // Puts each field into its control; a combo box takes a text that is not
    // one of its entries too.
    void showRecord(const StampRecord &record);
    // The record as the controls hold it, texts untrimmed. Line breaks in the
    // remarks become one space each, so that every field stays one line.
    StampRecord recordInFields() const;
    // Gives Text2 to Text7 the placeholder "-" where they hold only blanks.
    void fillEmptyTexts();
    // Empties Text1 to Text7; the combo boxes keep their texts.
    void clearTexts();
    // A new collection: the texts but the prices go; the prices and the
    // word-list boxes keep what they hold.
    void clearForNewCollection();
    void focusCatalogueNumber();
    // The record's numbers in other catalogue systems, as one line
    // ("Mi 535 · Yt 512"); empty for none.
    void showCatalogueLine(const QString &line);
    QString catalogueLine() const { return m_catalogueLine; }

signals:
    // The catalogue line was double-clicked: the numbers are to be edited.
    void catalogueLineActivated();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The controls, named as on screen (their objectName).
    QLabel *Label9 = nullptr;
    QComboBox *Combo1 = nullptr;       // year
    QComboBox *Combo2 = nullptr;       // category
    QComboBox *Combo3 = nullptr;       // kind
    QComboBox *Combo4 = nullptr;       // type
    QComboBox *Combo5 = nullptr;       // condition
    QLineEdit *Text1 = nullptr;        // catalogue number
    QLineEdit *Text2 = nullptr;        // subject
    QLineEdit *Text3 = nullptr;        // face value
    QLineEdit *Text4 = nullptr;        // depiction
    QPlainTextEdit *Text5 = nullptr;   // remarks, several lines
    QLineEdit *Text6 = nullptr;        // catalogue price
    QLineEdit *Text7 = nullptr;        // own price
    std::array<QLabel *, 11> Label1{}; // captions; objectName "Label1_<index>"
    QLabel *CatalogueLine = nullptr;   // numbers in other systems, under the prices

    // The remarks box has no validator: characters that Windows-1252 cannot hold
    // are taken out after each change.
    void dropUnwritableRemarks();
    QComboBox *addCombo(const char *name, int left, int top, int width);
    QLineEdit *addLineEdit(const char *name, int left, int top, int width);
    void addCaption(int index, const QString &text, int left, int top);

    bool m_droppingCharacters = false;
    QString m_catalogueLine;
};
