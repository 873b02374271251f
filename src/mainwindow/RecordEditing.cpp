#include "mainwindow/RecordEditing.h"

#include "mainwindow/DetailPanel.h"
#include "mainwindow/Main.h"
#include "storage/Trim.h"
#include "widgets/MessageBox.h"
#include "widgets/VistaButton.h"

#include <QItemSelectionModel>
#include <QLineEdit>
#include <QTreeView>

RecordEditing::RecordEditing(Main &window)
    : QObject(&window)
    , m_window(window)
{
    connect(m_window.AddKnop, &VistaButton::Click, this, &RecordEditing::AddKnop_Click);
    connect(m_window.WijzigKnop, &VistaButton::Click, this, &RecordEditing::WijzigKnop_Click);
    connect(m_window.DelKnop, &VistaButton::Click, this, &RecordEditing::DelKnop_Click);
}

void RecordEditing::AddKnop_Click()
{
    if (!catalogueNumberGiven())
        return;
    m_window.collection().markChanged();
    m_window.Frame1->fillEmptyTexts();
    // At the end, also in a sorted list: the row keeps its place until the next sort.
    m_window.collection().records().append(m_window.Frame1->record());
    m_window.Frame1->clearTexts();
}

void RecordEditing::WijzigKnop_Click()
{
    if (!catalogueNumberGiven())
        return;
    m_window.collection().markChanged();
    m_window.Frame1->fillEmptyTexts();
    const int row = m_window.selectedRow();
    if (row < 0)
        return;
    m_window.collection().records().setRecord(row, m_window.Frame1->record());
}

void RecordEditing::DelKnop_Click()
{
    RecordList &list = m_window.collection().records();
    if (list.count() == 0)
        return;
    // Marked before the question, whatever the answer.
    m_window.collection().markChanged();
    const int row = m_window.selectedRow();
    if (row < 0)
        return;
    const QString question = QStringLiteral("Wilt u (") + list.cell(row, StampRecord::Subject) +
                             QStringLiteral(") verwijderen uit de lijst?");
    if (MessageBox::show(&m_window, question, QStringLiteral(" Delete"), MessageBox::Buttons::YesNo) !=
        MessageBox::Answer::Yes)
        return;
    // The panel keeps the deleted record's texts. No neighbour may become
    // selected under them, or "Wijzig" would write them over that record.
    m_window.ListView1->selectionModel()->clear();
    list.removeRecord(row);
}

bool RecordEditing::catalogueNumberGiven()
{
    if (!isBlank(m_window.Frame1->Text1->text()))
        return true;
    MessageBox::show(&m_window, QStringLiteral("Catalogus nummer invullen a.u.b."));
    m_window.Frame1->Text1->setFocus();
    return false;
}
