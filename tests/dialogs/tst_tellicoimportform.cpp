#include "DialogTestSupport.h"
#include "common/CollectionState.h"
#include "common/Control.h"
#include "common/TellicoSample.h"
#include "common/TestFolder.h"
#include "dialogs/TellicoImportForm.h"
#include "mainwindow/Main.h"
#include "storage/keeping/CollectionVersions.h"
#include "widgets/VistaButton.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QTableWidget>
#include <QTest>

namespace {

// Two stamps of Belgium, one without a country, one of Germany; one picture.
QString writeSample(const TestFolder &folder)
{
    const auto entry = [](const QByteArray &number, const QByteArray &country, const QByteArray &image) {
        return "<entry><description>Leeuw " + number +
               "</description><years><year>1990</year></years><scott>" + number + "</scott><country>" +
               country + "</country><image>" + image + "</image></entry>\n";
    };
    const QString path = folder.path(QStringLiteral("zegels.tc"));
    const bool written = TellicoSample::writeZip(
        path,
        TellicoSample::document("Mijn zegels", "9",
                                entry("1", "Belgi\xc3\xab", "a.jpeg") + entry("2", "", "") +
                                    entry("3", "Belgi\xc3\xab", "weg.jpeg") + entry("4", "Duitsland", "")),
        {{QStringLiteral("a.jpeg"), TellicoSample::picture(Qt::green, "jpeg")}});
    return written ? path : QString();
}

} // namespace

class TellicoImportFormTest : public QObject {
    Q_OBJECT

private slots:
    void menuAsksForTellicoFile();
    void previewThenOkWritesAndOpensFirstCollection();
    void cancelWritesNothing();
};

void TellicoImportFormTest::menuAsksForTellicoFile()
{
    TestFolder folder;
    auto main = startMain(folder);
    QStringList filters;
    QVERIFY(withModalDialog(menuItem(*main, "FileImportTellico"), [&](QWidget *dialog) {
        filters = qobject_cast<QFileDialog *>(dialog)->nameFilters();
    }));
    QCOMPARE(filters.value(0), QStringLiteral("Tellico-bestanden (*.tc *.xml)"));
    QVERIFY(!main->findChild<TellicoImportForm *>());
}

void TellicoImportFormTest::previewThenOkWritesAndOpensFirstCollection()
{
    TestFolder folder;
    folder.write(QStringLiteral("Data/Categorie.txt"), crlf({QStringLiteral("Frankeerzegels")}));
    writeCollection(folder, QStringLiteral("Duitsland"), QStringLiteral("Duitsland"), sampleRecords(1));
    const QString file = writeSample(folder);
    QVERIFY(!file.isEmpty());
    auto main = startMain(folder);
    arrangeCollection(main->collection(), QStringLiteral("Nederland"), sampleRecords(2));

    TellicoImportForm form(main->collection(), main->panelColour(), main->fieldColour(), file, main.get());
    form.show();
    auto *OkKnop = control<VistaButton>(form, "OkKnop");
    auto *Label2 = control<QLabel>(form, "Label2");
    auto *List1 = control<QListWidget>(form, "List1");
    auto *Text1 = control<QLineEdit>(form, "Text1");
    auto *Progress1 = control<QProgressBar>(form, "Progress1");
    auto *Combo1 = control<QComboBox>(form, "Combo1");
    auto *Grid1 = control<QTableWidget>(form, "Grid1");
    auto *Check1 = control<QCheckBox>(form, "Check1");
    auto *Label3 = control<QLabel>(form, "Label3");
    QTRY_VERIFY(OkKnop->isEnabled());
    QCOMPARE(Label2->text(), QStringLiteral("Postzegels : 4    Afbeeldingen : 1 gevonden, 1 ontbreken"));
    QCOMPARE(List1->count(), 3);
    QCOMPARE(List1->item(0)->text(), QStringLiteral("Belgi\u00eb (2)"));
    QCOMPARE(List1->item(1)->text(), QStringLiteral("(geen land) (1)"));
    QCOMPARE(Text1->text(), QStringLiteral("Mijn zegels"));
    QCOMPARE(Progress1->value(), Progress1->maximum());

    // The preview follows the choices.
    Combo1->setCurrentIndex(1);
    QCOMPARE(Grid1->rowCount(), 4);
    QCOMPARE(Grid1->item(0, StampRecord::Category)->text(), QStringLiteral("Frankeerzegels"));
    QCOMPARE(Grid1->item(0, StampRecord::Info)->text(), QStringLiteral("Land: Belgi\u00eb"));
    Text1->setText(QStringLiteral("Wereld"));
    Check1->setChecked(true);
    QCOMPARE(Grid1->item(0, StampRecord::Info)->text(), QStringLiteral("-"));
    QCOMPARE(Label3->text(), QStringLiteral("Wordt geschreven : Belgi\u00eb (2), Wereld (1), Duitsland (1)"));

    // An existing collection is replaced only after the question; No writes nothing.
    {
        const BoxAnswers no({MessageBox::Answer::No});
        click(OkKnop);
        QCOMPARE(no.requests.size(), 1);
        QCOMPARE(no.requests.first().text,
                 QStringLiteral("Verzameling 'Duitsland' bestaat reeds!\r\nWilt u deze overschrijven?"));
    }
    QVERIFY(form.isVisible());
    QVERIFY(!folder.exists(QStringLiteral("Verzameling/Wereld.col")));

    // Enter in the name box confirms as Ok does; the report of a done import informs.
    const BoxAnswers yes({MessageBox::Answer::Yes, MessageBox::Answer::Ok});
    QTest::keyClick(Text1, Qt::Key_Return);
    QCOMPARE(form.result(), int(QDialog::Accepted));
    QCOMPARE(yes.requests.size(), 2);
    QCOMPARE(yes.requests.last().icon, MessageBox::Icon::Information);
    QVERIFY(yes.requests.last().text.startsWith(QStringLiteral(
        "4 records en 1 afbeeldingen ge\u00efmporteerd in 3 verzameling(en).\r\n\r\nLet op:\r\n")));
    QVERIFY(folder.exists(QStringLiteral("Verzameling/Belgi\u00eb/1990/1.jpg")));
    QCOMPARE(CollectionVersions(folder.folder()).versions(QStringLiteral("Duitsland")).size(), size_t(1));
    QCOMPARE(main->collection().name(), QStringLiteral("Belgi\u00eb"));
    QCOMPARE(main->collection().records().count(), 2);
    QCOMPARE(main->collection().records().record(1)[StampRecord::Subject], QStringLiteral("Leeuw 3"));
    QVERIFY(!main->collection().unsavedChanges());
}

void TellicoImportFormTest::cancelWritesNothing()
{
    TestFolder folder;
    const QString file = writeSample(folder);
    auto main = startMain(folder);
    const QStringList before = treeOf(folder);
    TellicoImportForm form(main->collection(), main->panelColour(), main->fieldColour(), file, main.get());
    form.show();
    auto *OkKnop = control<VistaButton>(form, "OkKnop");
    auto *Text1 = control<QLineEdit>(form, "Text1");
    QTRY_VERIFY(OkKnop->isEnabled());
    QTest::keyClick(Text1, Qt::Key_Escape);
    QCOMPARE(form.result(), int(QDialog::Rejected));
    QCOMPARE(treeOf(folder), before);

    // A file that is no Tellico file is refused before anything is shown.
    folder.write(QStringLiteral("leeg.xml"), "<boek/>");
    const BoxAnswers boxes;
    TellicoImportForm refused(main->collection(), main->panelColour(), main->fieldColour(),
                              folder.path(QStringLiteral("leeg.xml")), main.get());
    refused.show();
    QTRY_VERIFY(!refused.isVisible());
    QCOMPARE(boxes.requests.value(0).text,
             QStringLiteral(
                 "Tellico-bestand kon niet worden gelezen!\r\ndit is geen Tellico-bestand (het begint met "
                 "<boek>)"));
}

QTEST_MAIN(TellicoImportFormTest)
#include "tst_tellicoimportform.moc"
