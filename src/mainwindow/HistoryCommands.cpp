#include "mainwindow/HistoryCommands.h"

#include "storage/document/OpenCollection.h"
#include "widgets/BusyGuard.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace {

enum class TextStep { Undo, Redo };

// Whether the text box has typing of its own to take back or do again.
bool textBoxCanStep(QObject *box, TextStep step)
{
    if (auto *combo = qobject_cast<QComboBox *>(box))
        box = combo->lineEdit();
    if (auto *line = qobject_cast<QLineEdit *>(box))
        return step == TextStep::Undo ? line->isUndoAvailable() : line->isRedoAvailable();
    if (auto *text = qobject_cast<QPlainTextEdit *>(box))
        return step == TextStep::Undo ? text->document()->isUndoAvailable()
                                      : text->document()->isRedoAvailable();
    return false;
}

bool isTextBox(QObject *object)
{
    if (auto *combo = qobject_cast<QComboBox *>(object))
        return combo->lineEdit() != nullptr;
    return qobject_cast<QLineEdit *>(object) || qobject_cast<QPlainTextEdit *>(object);
}

bool matches(const QAction *action, const QKeyEvent *key)
{
    const QKeySequence pressed(key->keyCombination());
    for (const QKeySequence &shortcut : action->shortcuts()) {
        if (shortcut.matches(pressed) == QKeySequence::ExactMatch)
            return true;
    }
    return false;
}

} // namespace

HistoryCommands::HistoryCommands(OpenCollection &collection, QWidget *window)
    : QObject(window)
    , m_collection(collection)
    , m_window(window)
{
    m_undo = newAction(collection.createUndoAction(this), "ToolsUndo", tr("Ongedaan maken"),
                       &OpenCollection::undoTextChanged, &HistoryCommands::undoUnlessBusy);
    m_undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    m_redo = newAction(collection.createRedoAction(this), "ToolsRedo", tr("Opnieuw"),
                       &OpenCollection::redoTextChanged, &HistoryCommands::redoUnlessBusy);
    m_redo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    // The keys reach the focused text box before any command of the window.
    qApp->installEventFilter(this);
}

QAction *HistoryCommands::newAction(QAction *made, const char *name, const QString &caption,
                                    void (OpenCollection::*textChanged)(const QString &),
                                    void (HistoryCommands::*step)())
{
    made->setObjectName(QLatin1String(name));
    // The caption names the step: "Ongedaan maken: Delete 1952 MBund 152".
    const auto showCaption = [made, caption](const QString &stepText) {
        made->setText(stepText.isEmpty() ? caption : tr("%1: %2").arg(caption, stepText));
    };
    showCaption(step == &HistoryCommands::undoUnlessBusy ? m_collection.undoText() : m_collection.redoText());
    connect(&m_collection, textChanged, made, showCaption);
    // Not while a command of the window waits for an animation to finish: the
    // action's own connection to the collection goes.
    disconnect(made, &QAction::triggered, nullptr, nullptr);
    connect(made, &QAction::triggered, this, step);
    return made;
}

void HistoryCommands::undoUnlessBusy()
{
    if (!BusyGuard::isBusy(m_window))
        m_collection.undo();
}

void HistoryCommands::redoUnlessBusy()
{
    if (!BusyGuard::isBusy(m_window))
        m_collection.redo();
}

bool HistoryCommands::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::ShortcutOverride || !isTextBox(watched))
        return QObject::eventFilter(watched, event);
    auto *widget = static_cast<QWidget *>(watched);
    if (widget->window() != m_window)
        return QObject::eventFilter(watched, event);
    const auto *key = static_cast<QKeyEvent *>(event);
    const bool undo = matches(m_undo, key);
    if (!undo && !matches(m_redo, key))
        return QObject::eventFilter(watched, event);
    // The text box keeps the key only while it has a step of its own.
    if (textBoxCanStep(watched, undo ? TextStep::Undo : TextStep::Redo))
        return QObject::eventFilter(watched, event);
    event->ignore();
    return true;
}
