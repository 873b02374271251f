#include "widgets/SelectedRow.h"

#include <QAbstractItemView>

int SelectedRow(const QAbstractItemView *view)
{
    const QModelIndexList rows = view->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}
