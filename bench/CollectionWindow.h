#pragma once

#include "mainwindow/Main.h"

#include <QString>

class ProgramFolder;
class RecordListView;

// The main window as a collector uses it, for the window figures: shown,
// with a collection opened the way the open dialog opens one, and its list
// found by its objectName.
class CollectionWindow {
public:
    explicit CollectionWindow(const ProgramFolder &folder);

    Main &main() { return m_main; }
    RecordListView &list() { return *m_list; }
    const RecordList &records() { return m_main.collection().records(); }

    // Shows the empty window and waits until it is on screen.
    void showEmpty();
    // Opens collection name through the open collection, as the open dialog does.
    void open(const QString &name);
    // Handles events until the list has painted its rows once more.
    void waitForListPaint();

private:
    Main m_main;
    RecordListView *m_list;
};
