#include "extras/ListSelection.h"

#include "mainwindow/Main.h"
#include "mainwindow/RecordSelection.h"

#include <QTreeView>

namespace ListSelection {

void selectRow(Main &main, int row)
{
    if (row < 0 || row >= main.recordList().count())
        return;
    const QModelIndex index = main.recordList().index(row, 0);
    const bool alreadySelected = main.selectedRow() == row;
    // A change of selection runs ShowSelectedRecord.
    main.ListView1->setCurrentIndex(index);
    main.ListView1->scrollTo(index);
    // Without one, the record is shown again, as a click on the selected row does.
    if (alreadySelected) {
        if (auto *selection = main.findChild<RecordSelection *>())
            selection->ShowSelectedRecord();
    }
}

} // namespace ListSelection
