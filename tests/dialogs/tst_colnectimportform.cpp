#include "DialogTestSupport.h"
#include "common/ColnectSample.h"
#include "common/Control.h"
#include "common/TestFolder.h"
#include "dialogs/ColnectImportForm.h"
#include "mainwindow/Main.h"
#include "storage/document/OpenCollection.h"
#include "widgets/VistaButton.h"

#include <QAction>
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>

#include <QTest>
#include <algorithm>

namespace {

using ColnectSample::Row;

Row stamp(int item, const QString &country, const QString &codes, const QString &lists,
          const QString &quantities)
{
    return {{"Name", QStringLiteral("Zegel %1").arg(item)},
            {"Country", country},
            {"Catalog Codes", codes},
            {"Issued on", "1960"},
            {"Link", QStringLiteral("https://colnect.com/en/stamps/stamp/%1").arg(item)},
            {"List", lists},
            {"Quantity", quantities}};
}

// One stamp in Wish and Swap, one only in Swap, two copies in Wish, one in no list.
QList<Row> sampleRows()
{
    return {stamp(1001, "Albania", "Mi:AL 250, Sn:AL 300", "Wish,Swap", "[1],[3]"),
            stamp(1002, "Germany", "Mi:DE 535, Yt:DE 512", "Swap", "[1]"),
            stamp(1003, "Germany", "Mi:DE 600", "Wish", "[2]"), stamp(1004, "", "Sn:NL 5", "", "")};
}

// Opens the window on the list, waits until it is read and leaves Swap out.
void readWithoutSwap(ColnectImportForm &form)
{
    form.show();
    QTRY_VERIFY(control<VistaButton>(form, "OkKnop")->isEnabled());
    auto *List2 = control<QListWidget>(form, "List2");
    QCOMPARE(List2->item(1)->text(), QStringLiteral("Swap"));
    List2->item(1)->setCheckState(Qt::Unchecked);
    control<QLineEdit>(form, "Text1")->setText(QStringLiteral("Wereld"));
}

} // namespace

class ColnectImportFormTest : public QObject {
    Q_OBJECT

private slots:
    void previewImportThenUpdateOfTheOpenCollectionAsOneStep();
};

void ColnectImportFormTest::previewImportThenUpdateOfTheOpenCollectionAsOneStep()
{
    TestFolder folder;
    const QString file = folder.path(QStringLiteral("lijst.csv"));
    folder.write(QStringLiteral("lijst.csv"), ColnectSample::list(sampleRows()));
    auto main = startMain(folder);
    QStringList filters;
    QVERIFY(withModalDialog(menuItem(*main, "FileImportColnect"), [&](QWidget *dialog) {
        filters = qobject_cast<QFileDialog *>(dialog)->nameFilters();
    }));
    QCOMPARE(filters, (QStringList{"Colnect-bestanden (*.csv)", "Alle bestanden (*)"}));

    ColnectImportForm form(main->collection(), main->panelColour(), main->fieldColour(), file, main.get());
    form.show();
    auto *OkKnop = control<VistaButton>(form, "OkKnop");
    QTRY_VERIFY(OkKnop->isEnabled());
    QCOMPARE(control<QLabel>(form, "Label2")->text(),
             QStringLiteral("Postzegels : 4    Catalogi : Mi (3), Sc (2), Yt (1)"));
    auto *List1 = control<QListWidget>(form, "List1");
    QCOMPARE(List1->count(), 3);
    QCOMPARE(List1->item(1)->text(), QStringLiteral("Germany (2)"));
    QCOMPARE(control<QComboBox>(form, "Combo1")->currentData().toString(), QStringLiteral("Mi"));
    auto *Label3 = control<QLabel>(form, "Label3");
    QCOMPARE(Label3->text(), QStringLiteral("Wordt geschreven : lijst (7)"));

    // Left out, Swap takes the stamp only in it and counts no more copies.
    readWithoutSwap(form);
    QCOMPARE(Label3->text(), QStringLiteral("Wordt geschreven : Wereld (4)"));
    QVERIFY(control<QLabel>(form, "Label4")
                ->text()
                .contains(QStringLiteral("1 postzegels staan alleen in weggelaten lijsten")));
    {
        const BoxAnswers ok;
        click(OkKnop);
        QCOMPARE(ok.requests.size(), 1);
        QCOMPARE(ok.requests.first().icon, MessageBox::Icon::Information);
        QVERIFY(ok.requests.first().text.startsWith(
            QStringLiteral("4 records ge\u00efmporteerd in 1 verzameling(en).")));
    }
    OpenCollection &collection = main->collection();
    QCOMPARE(collection.name(), QStringLiteral("Wereld"));
    QCOMPARE(collection.records().count(), 4);
    QVERIFY(!collection.unsavedChanges());

    // An edit not saved yet, then an update from a changed list: the open
    // collection is brought up to date as it stands, in one step, its file untouched.
    StampRecord own = collection.records().record(3);
    own[StampRecord::OwnPrice] = QStringLiteral("2,50");
    collection.replaceRecord(3, own);
    const RecordSpan edited = collection.records().records();
    const std::vector<StampRecord> before(edited.begin(), edited.end());
    const QByteArray fileBefore = folder.read(QStringLiteral("Verzameling/Wereld.col"));
    QList<Row> changed = sampleRows();
    changed[2] = stamp(1003, "Germany", "Mi:DE 601", "Wish", "[2]");
    changed.append(stamp(1005, "Germany", "Mi:DE 700", "Wish", "[1]"));
    folder.write(QStringLiteral("lijst.csv"), ColnectSample::list(changed));
    ColnectImportForm update(collection, main->panelColour(), main->fieldColour(), file, main.get());
    readWithoutSwap(update);
    control<QRadioButton>(update, "Option2")->setChecked(true);
    {
        const BoxAnswers ok;
        click(control<VistaButton>(update, "OkKnop"));
        QCOMPARE(ok.requests.size(), 1);
        QVERIFY(ok.requests.first().text.startsWith(
            QStringLiteral("5 records in 1 verzameling(en): 2 gewijzigd, 2 ongewijzigd, 1 nieuw.")));
    }
    QCOMPARE(update.result(), int(QDialog::Accepted));
    QCOMPARE(collection.records().count(), 5);
    QCOMPARE(collection.records().record(1)[StampRecord::CatalogueNumber], QStringLiteral("601"));
    QCOMPARE(collection.records().record(3)[StampRecord::OwnPrice], QStringLiteral("2,50"));
    QCOMPARE(collection.catalogueEntriesOf(1),
             (CatalogueEntries::List{{"Mi", "601", {}, {}}, {"Colnect", "1003", {}, {}}}));
    QVERIFY(collection.unsavedChanges());
    QCOMPARE(folder.read(QStringLiteral("Verzameling/Wereld.col")), fileBefore);
    QCOMPARE(menuItem(*main, "ToolsUndo")->text(), QStringLiteral("Ongedaan maken: bijwerken uit Colnect"));

    menuItem(*main, "ToolsUndo")->trigger();
    const RecordSpan undone = collection.records().records();
    QVERIFY(std::equal(undone.begin(), undone.end(), before.begin(), before.end()));
    QCOMPARE(collection.catalogueEntriesOf(1),
             (CatalogueEntries::List{{"Mi", "600", {}, {}}, {"Colnect", "1003", {}, {}}}));
    QVERIFY(!collection.catalogueEntries().has(CatalogueEntries::keyOf(QStringLiteral("1960"), "700")));
    QVERIFY(collection.unsavedChanges());
}

QTEST_MAIN(ColnectImportFormTest)
#include "tst_colnectimportform.moc"
