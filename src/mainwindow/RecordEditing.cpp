#include "mainwindow/RecordEditing.h"

#include "mainwindow/DetailPanel.h"
#include "storage/document/OpenCollection.h"
#include "storage/text/Trim.h"
#include "widgets/MessageBox.h"
#include "widgets/SelectedRow.h"
#include "widgets/VistaButton.h"

#include <QAbstractItemView>
#include <QItemSelectionModel>

RecordEditing::RecordEditing(DetailPanel *panel, QAbstractItemView *list, VistaButton *add,
                             VistaButton *change, VistaButton *remove, OpenCollection &collection,
                             QWidget *window)
    : QObject(window)
    , Frame1(panel)
    , ListView1(list)
    , m_collection(collection)
    , m_window(window)
{
    connect(add, &VistaButton::Click, this, &RecordEditing::AddKnop_Click);
    connect(change, &VistaButton::Click, this, &RecordEditing::WijzigKnop_Click);
    connect(remove, &VistaButton::Click, this, &RecordEditing::DelKnop_Click);
}

void RecordEditing::AddKnop_Click()
{
    if (!catalogueNumberGiven())
        return;
    Frame1->fillEmptyTexts();
    // At the end, also in a sorted list: the row keeps its place until the next sort.
    m_collection.addRecord(Frame1->recordInFields());
    Frame1->clearTexts();
}

void RecordEditing::WijzigKnop_Click()
{
    if (!catalogueNumberGiven())
        return;
    Frame1->fillEmptyTexts();
    const int row = SelectedRow(ListView1);
    if (row < 0) {
        // Marked as changed all the same, as the command always did.
        m_collection.markChangedWithoutEdit();
        return;
    }
    m_collection.replaceRecord(row, Frame1->recordInFields());
}

void RecordEditing::DelKnop_Click()
{
    const RecordList &list = m_collection.records();
    if (list.count() == 0)
        return;
    // Marked before the question, whatever the answer.
    m_collection.markChangedWithoutEdit();
    const int row = SelectedRow(ListView1);
    if (row < 0)
        return;
    const QString question =
        tr("Wilt u (%1) verwijderen uit de lijst?").arg(list.cell(row, StampRecord::Subject));
    if (MessageBox::show(m_window, question, tr(" Delete"), MessageBox::Buttons::YesNo) !=
        MessageBox::Answer::Yes)
        return;
    // The panel keeps the deleted record's texts. No neighbour may become
    // selected under them, or "Wijzig" would write them over that record.
    ListView1->selectionModel()->clear();
    m_collection.removeRecord(row);
}

bool RecordEditing::catalogueNumberGiven()
{
    if (!isBlank(Frame1->recordInFields()[StampRecord::CatalogueNumber]))
        return true;
    MessageBox::show(m_window, tr("Catalogus nummer invullen a.u.b."));
    Frame1->focusCatalogueNumber();
    return false;
}
