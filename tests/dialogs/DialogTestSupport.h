#pragma once

#include "storage/StampRecord.h"
#include "widgets/MessageBox.h"

#include <QList>
#include <QStringList>

#include <functional>
#include <memory>
#include <vector>

class Main;
class QAction;
class QWidget;
class TestFolder;
class VistaButton;

// Answers message boxes in turn from a list of answers (the last one repeats)
// and keeps every request it saw.
class BoxAnswers {
public:
    explicit BoxAnswers(QList<MessageBox::Answer> answers = {MessageBox::Answer::Ok});
    ~BoxAnswers();
    QList<MessageBox::Request> requests;

private:
    QList<MessageBox::Answer> m_answers;
};

// A record whose fields say which record and which field they are.
StampRecord sampleRecord(int number);
std::vector<StampRecord> sampleRecords(int count);
// Writes Verzameling/<fileName>.col holding the records under the given name.
void writeCollection(const TestFolder &folder, const QString &fileName, const QString &nameInFile,
                     const std::vector<StampRecord> &records);
// Writes Verzameling/<name>.cat in the old format with the given number of records.
QByteArray writeOldData(const TestFolder &folder, const QString &name, int count);
// Every file and folder below the program folder, relative to it.
QStringList treeOf(const TestFolder &folder);
// The same but for the recovery files: those come and go with the unsaved
// changes, written on a thread of their own, apart from the writers tried.
QStringList treeWithoutRecovery(const TestFolder &folder);

std::unique_ptr<Main> startMain(const TestFolder &folder);
void click(VistaButton *button);
QAction *menuItem(Main &main, const char *name);
// Runs the action; once its modal dialog shows, hands it to the callback. A
// dialog the callback leaves open is rejected, so the test carries on. False
// when no dialog showed.
bool withModalDialog(QAction *action, const std::function<void(QWidget *)> &callback);
