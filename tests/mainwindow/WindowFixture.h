#pragma once

#include "WindowHelpers.h"
#include "storage/StampRecord.h"
#include "widgets/MessageBox.h"

#include <QColor>
#include <QImage>
#include <QList>
#include <QStringList>

#include <vector>

class TestFolder;
class VistaButton;

// The main window on a temporary program folder, and the user's hands: clicks
// on rows, headers and buttons go through QTest as real mouse events.

// A record from its twelve fields in file order; missing fields are empty.
StampRecord makeRecord(const QStringList &fields);
// Writes Verzameling/<name>.col with the records.
void writeCollection(const TestFolder &folder, const QString &name, const std::vector<StampRecord> &records);
// Loads the collection into the window as the open dialog does.
void openCollection(Main &window, const QString &name);
// Writes the picture as a JPEG file at the path relative to the program folder.
void writePicture(const TestFolder &folder, const QString &relative, const QImage &picture);
// A picture of two halves, left and right, each of one colour.
QImage twoColourPicture(QSize size, const QColor &left, const QColor &right);

void clickRow(Main &window, int row);
// index: the 1-based column.
void clickHeader(Main &window, int index);
void clickButton(VistaButton *button);
// Answers the printer choice of the next print from a list window with "PDF-bestand".
void choosePdfFileWhenAsked();
// The direction picture the list's header shows over the 0-based column: "up",
// "down", or empty for none.
QString headerPicture(const Main &window, int column);
// The texts of one column, top row first.
QStringList columnTexts(const Main &window, int column);
// True when the colours differ by at most a few steps in each component, as JPEG leaves them.
bool nearColour(const QColor &actual, const QColor &expected);

// Answers every message box with the given answer and keeps the requests.
struct BoxRecorder {
    explicit BoxRecorder(MessageBox::Answer answer);
    ~BoxRecorder();
    BoxRecorder(const BoxRecorder &) = delete;
    BoxRecorder &operator=(const BoxRecorder &) = delete;

    QList<MessageBox::Request> requests;
};
