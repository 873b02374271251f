#include "dialogs/OfferDemoData.h"

#include "storage/folder/ProgramFolder.h"
#include "widgets/MessageBox.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

void OfferDemoData(const ProgramFolder &folder, const QString &shippedData)
{
    if (folder.holdsProgramData())
        return;
    const QString where = QDir::toNativeSeparators(folder.root());
    if (!QFileInfo(shippedData).isDir()) {
        MessageBox::show(nullptr,
                         QCoreApplication::translate("OfferDemoData",
                                                     "De programmamap %1 bevat geen map Verzameling of Data, "
                                                     "en de meegeleverde gegevens om haar te vullen zijn "
                                                     "niet gevonden.")
                             .arg(where),
                         MessageBox::programTitle(), MessageBox::Buttons::Ok, MessageBox::Icon::Warning);
        return;
    }
    const MessageBox::Answer answer =
        MessageBox::show(nullptr,
                         QCoreApplication::translate(
                             "OfferDemoData", "De programmamap %1 bevat geen map Verzameling of Data.\r\n"
                                              "Wilt u haar vullen met de woordenlijsten, de help en "
                                              "de demoverzameling?")
                             .arg(where),
                         MessageBox::programTitle(), MessageBox::Buttons::YesNo);
    if (answer != MessageBox::Answer::Yes)
        return;
    const StorageResult filled = folder.fillFrom(shippedData);
    if (!filled)
        MessageBox::show(
            nullptr,
            QCoreApplication::translate("OfferDemoData", "Programmamap kon niet worden gevuld!\r\n%1")
                .arg(filled.reason),
            QCoreApplication::translate("OfferDemoData", "Error"), MessageBox::Buttons::Ok,
            MessageBox::Icon::Critical);
}
