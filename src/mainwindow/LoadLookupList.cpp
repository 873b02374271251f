#include "mainwindow/LoadLookupList.h"

#include "storage/formats/LookupList.h"

#include <QComboBox>

void LoadLookupList(const QString &path, QComboBox *box)
{
    box->clear();
    box->addItems(LookupList::readVerbatim(path));
    box->setCurrentIndex(box->count() > 0 ? 0 : -1);
}
