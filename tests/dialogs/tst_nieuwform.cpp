#include "DialogTestSupport.h"
#include "common/CollectionState.h"
#include "common/TestFolder.h"
#include "dialogs/NieuwForm.h"
#include "mainwindow/DetailPanel.h"
#include "mainwindow/Main.h"
#include "widgets/Twips.h"
#include "widgets/VistaButton.h"

#include "common/Control.h"
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTest>

class NieuwFormTest : public QObject {
    Q_OBJECT

private slots:
    void choiceListComesFromBothWordLists();
    void refusedNamesChangeNothing();
    void okStartsAnEmptyCollectionWithoutWriting();
    void unsavedChangesAreAskedAboutFirst();
};

namespace {

// A main window showing collection "Oud" with two records and a filled panel.
void showOldCollection(Main &main)
{
    arrangeCollection(main.collection(), QStringLiteral("Oud"), sampleRecords(2));
    DetailPanel *panel = control<DetailPanel>(main, "Frame1");
    for (QLineEdit *field : {control<QLineEdit>(*panel, "Text1"), control<QLineEdit>(*panel, "Text2"),
                             control<QLineEdit>(*panel, "Text3"), control<QLineEdit>(*panel, "Text4"),
                             control<QLineEdit>(*panel, "Text6"), control<QLineEdit>(*panel, "Text7")})
        field->setText(field->objectName() + QStringLiteral(" inhoud"));
    control<QPlainTextEdit>(*panel, "Text5")->setPlainText(QStringLiteral("opmerking"));
}

} // namespace

void NieuwFormTest::choiceListComesFromBothWordLists()
{
    TestFolder folder;
    folder.write(QStringLiteral("Data/Landen.txt"), crlf({"Nederland", "  België  ", "Duitsland"}));
    folder.write(QStringLiteral("Data/Motief.txt"), crlf({"Vogels", "Bloemen"}));
    auto main = startMain(folder);

    NieuwForm dialog(main->collection(), main.get());
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto *Combo1 = control<QComboBox>(dialog, "Combo1");
    auto *OkKnop = control<VistaButton>(dialog, "OkKnop");
    auto *CancelKnop = control<VistaButton>(dialog, "CancelKnop");
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Nieuwe Verzameling"));
    QCOMPARE(dialog.frameGeometry().size(), QSize(Twips::toPixels(4950), Twips::toPixels(2100)));
    QCOMPARE(dialog.frameGeometry().center(), dialog.screen()->availableGeometry().center());
    QCOMPARE(dialog.grab().toImage().pixelColor(dialog.width() - 3, dialog.height() - 3),
             QColor(170, 240, 240));

    QStringList entries;
    for (int index = 0; index < Combo1->count(); ++index)
        entries.append(Combo1->itemText(index));
    QCOMPARE(entries, QStringList({"Nederland", "België", "Duitsland", "Vogels", "Bloemen"}));
    QCOMPARE(Combo1->currentText(), QStringLiteral("Nederland"));
    QCOMPARE(control<QLabel>(dialog, "Label2")->text(),
             QStringLiteral("Maak een keuze uit het rolmenu voor het aanmaken van één van de 5 landen of "
                            "motief verzamelingen, of typ zelf een gekozen naam in."));
    QCOMPARE(control<QLabel>(dialog, "Label1")->text(), QStringLiteral("Landen / Motief"));
    QCOMPARE(OkKnop->caption(), QStringLiteral("Ok"));
    QCOMPARE(OkKnop->geometry(), Twips::rect(3900, 1200, 840, 330));
    QCOMPARE(CancelKnop->caption(), QStringLiteral("Cancel"));

    // Without the word lists the list is empty and the text says 0.
    TestFolder bare;
    auto bareMain = startMain(bare);
    NieuwForm empty(bareMain->collection(), bareMain.get());
    QCOMPARE(control<QComboBox>(empty, "Combo1")->count(), 0);
    QVERIFY(control<QLabel>(empty, "Label2")->text().contains(QStringLiteral(" van de 0 landen")));

    // The name is what was typed: no completion, no list entry's spelling on leaving.
    dialog.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    for (const QString &typed : {QStringLiteral("Neder"), QStringLiteral("vogels")}) {
        Combo1->setFocus();
        Combo1->lineEdit()->clear();
        QTest::keyClicks(Combo1->lineEdit(), typed);
        OkKnop->setFocus();
        QCOMPARE(Combo1->currentText(), typed);
    }
}

void NieuwFormTest::refusedNamesChangeNothing()
{
    TestFolder folder;
    writeCollection(folder, QStringLiteral("Bestaand"), QStringLiteral("Bestaand"), sampleRecords(1));
    auto main = startMain(folder);
    showOldCollection(*main);
    const QStringList treeBefore = treeWithoutRecovery(folder);

    NieuwForm dialog(main->collection(), main.get());
    dialog.show();
    BoxAnswers boxes;
    auto *Combo1 = control<QComboBox>(dialog, "Combo1");
    auto *OkKnop = control<VistaButton>(dialog, "OkKnop");
    auto *CancelKnop = control<VistaButton>(dialog, "CancelKnop");

    Combo1->setEditText(QString());
    click(OkKnop);
    QCOMPARE(boxes.requests.size(), 0);

    Combo1->setEditText(QStringLiteral("Bestaand"));
    click(OkKnop);
    QCOMPARE(boxes.requests.size(), 1);
    QCOMPARE(boxes.requests[0].text, QStringLiteral("Verzameling 'Bestaand' bestaat reeds!"));
    QCOMPARE(boxes.requests[0].caption, QStringLiteral("Error"));
    QCOMPARE(boxes.requests[0].buttons, MessageBox::Buttons::Ok);
    QCOMPARE(boxes.requests[0].icon, MessageBox::Icon::None);

    for (const QString &name : {QStringLiteral("../Buiten"), QStringLiteral(".."), QStringLiteral("a\\b"),
                                QStringLiteral("Land: Oost"), QStringLiteral("Wat?")}) {
        boxes.requests.clear();
        Combo1->setEditText(name);
        click(OkKnop);
        QCOMPARE(boxes.requests.size(), 1);
        QCOMPARE(boxes.requests[0].text, QStringLiteral("Ongeldige naam voor een verzameling!"));
        QCOMPARE(boxes.requests[0].caption, QStringLiteral("Error"));
    }

    QVERIFY(dialog.isVisible());
    click(CancelKnop);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QCOMPARE(main->collection().name(), QStringLiteral("Oud"));
    QCOMPARE(control<QLabel>(*main, "Label2")->text(), QStringLiteral("Verzamelgebied : Oud"));
    QCOMPARE(main->collection().records().count(), 2);
    QCOMPARE(control<QLineEdit>(*main, "Text1")->text(), QStringLiteral("Text1 inhoud"));
    QCOMPARE(treeWithoutRecovery(folder), treeBefore);
}

void NieuwFormTest::okStartsAnEmptyCollectionWithoutWriting()
{
    TestFolder folder;
    auto main = startMain(folder);
    showOldCollection(*main);
    const QStringList treeBefore = treeWithoutRecovery(folder);
    BoxAnswers boxes;

    NieuwForm dialog(main->collection(), main.get());
    dialog.show();
    auto *Combo1 = control<QComboBox>(dialog, "Combo1");
    auto *OkKnop = control<VistaButton>(dialog, "OkKnop");
    // Spaces only still make a name.
    Combo1->setEditText(QStringLiteral("   "));
    click(OkKnop);

    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(boxes.requests.size(), 0);
    QCOMPARE(main->collection().name(), QStringLiteral("   "));
    QCOMPARE(control<QLabel>(*main, "Label2")->text(), QStringLiteral("Verzamelgebied :    "));
    QCOMPARE(main->collection().records().count(), 0);
    QCOMPARE(control<QLabel>(*main, "Label6")->text(), QStringLiteral("Aantal Records : 0"));
    DetailPanel *panel = control<DetailPanel>(*main, "Frame1");
    for (QLineEdit *field : {control<QLineEdit>(*panel, "Text1"), control<QLineEdit>(*panel, "Text2"),
                             control<QLineEdit>(*panel, "Text3"), control<QLineEdit>(*panel, "Text4")})
        QCOMPARE(field->text(), QString());
    QCOMPARE(control<QPlainTextEdit>(*panel, "Text5")->toPlainText(), QString());
    QCOMPARE(control<QLineEdit>(*panel, "Text6")->text(), QStringLiteral("Text6 inhoud"));
    QCOMPARE(control<QLineEdit>(*panel, "Text7")->text(), QStringLiteral("Text7 inhoud"));
    QVERIFY(!main->collection().unsavedChanges());
    QCOMPARE(treeWithoutRecovery(folder), treeBefore);
}

void NieuwFormTest::unsavedChangesAreAskedAboutFirst()
{
    TestFolder folder;
    auto main = startMain(folder);
    showOldCollection(*main);
    main->collection().markChangedWithoutEdit();

    NieuwForm dialog(main->collection(), main.get());
    dialog.show();
    auto *Combo1 = control<QComboBox>(dialog, "Combo1");
    auto *OkKnop = control<VistaButton>(dialog, "OkKnop");
    Combo1->setEditText(QStringLiteral("Vogels"));
    {
        BoxAnswers no({MessageBox::Answer::No});
        click(OkKnop);
        QCOMPARE(no.requests.size(), 1);
        QCOMPARE(no.requests[0].text, QStringLiteral("Wijzigingen zijn nog niet opgeslagen...\r\n"
                                                     "wilt u de huidige verzameling toch sluiten?"));
        QCOMPARE(no.requests[0].caption, QStringLiteral("Tessaron2"));
        QCOMPARE(no.requests[0].buttons, MessageBox::Buttons::YesNo);
        QCOMPARE(no.requests[0].icon, MessageBox::Icon::None);
    }
    QVERIFY(dialog.isVisible());
    QCOMPARE(main->collection().name(), QStringLiteral("Oud"));
    QCOMPARE(main->collection().records().count(), 2);
    QVERIFY(main->collection().unsavedChanges());

    BoxAnswers yes({MessageBox::Answer::Yes});
    click(OkKnop);
    QCOMPARE(yes.requests.size(), 1);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(main->collection().name(), QStringLiteral("Vogels"));
    QCOMPARE(main->collection().records().count(), 0);
    // The changes were given up; the new, empty collection has none.
    QVERIFY(!main->collection().unsavedChanges());
}

QTEST_MAIN(NieuwFormTest)
#include "tst_nieuwform.moc"
