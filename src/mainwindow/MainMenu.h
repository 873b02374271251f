#pragma once

#include <QObject>

#include <initializer_list>

class HistoryCommands;
class MainCommands;
class QAction;
class QMenu;
class QMenuBar;

// The main window's menu bar: File, Tools and Help. It only arranges the
// window's commands in their order, with the separators between them, puts the
// language menu at the end of Help, and lets F10 open the first menu.
class MainMenu : public QObject {
    Q_OBJECT

public:
    MainMenu(QMenuBar *bar, const MainCommands &commands, const HistoryCommands &history, QMenu *languages);

private:
    QMenu *addMenu(const char *name, const QString &caption);
    void addItems(QMenu *menu, std::initializer_list<const char *> names);
    void addSeparator(QMenu *menu, const char *name);

    QMenuBar *m_bar;
    const MainCommands &m_commands;
};
