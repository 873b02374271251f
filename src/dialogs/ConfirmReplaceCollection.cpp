#include "dialogs/ConfirmReplaceCollection.h"

#include "storage/document/OpenCollection.h"
#include "widgets/MessageBox.h"

#include <QCoreApplication>

bool ConfirmReplaceCollection(const OpenCollection &collection, QWidget *asker)
{
    if (!collection.unsavedChanges())
        return true;
    const QString question = QCoreApplication::translate("ConfirmReplaceCollection",
                                                         "Wijzigingen zijn nog niet opgeslagen...\r\n"
                                                         "wilt u de huidige verzameling toch sluiten?");
    return MessageBox::show(asker, question, MessageBox::programTitle(), MessageBox::Buttons::YesNo) ==
           MessageBox::Answer::Yes;
}
