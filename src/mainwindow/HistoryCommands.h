#pragma once

#include <QObject>

class OpenCollection;
class QAction;
class QWidget;

// The window's undo and redo commands over the open collection's history:
// "Ongedaan maken" (Ctrl+Z) and "Opnieuw" (Ctrl+Y, Ctrl+Shift+Z), each naming
// the step it would take and greyed when there is none. A text box with typing
// of its own to undo or redo keeps those keys; otherwise the window takes them.
class HistoryCommands : public QObject {
    Q_OBJECT

public:
    HistoryCommands(OpenCollection &collection, QWidget *window);

    QAction *undoAction() const { return m_undo; }
    QAction *redoAction() const { return m_redo; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void undoUnlessBusy();
    void redoUnlessBusy();
    QAction *newAction(QAction *made, const char *name, const QString &caption,
                       void (OpenCollection::*textChanged)(const QString &), void (HistoryCommands::*step)());

    OpenCollection &m_collection;
    QWidget *m_window;
    QAction *m_undo;
    QAction *m_redo;
};
