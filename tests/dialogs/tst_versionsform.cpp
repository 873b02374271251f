#include "DialogTestSupport.h"
#include "common/TestFolder.h"
#include "dialogs/OpenFile.h"
#include "dialogs/VersionsForm.h"
#include "mainwindow/Main.h"
#include "storage/CollectionFile.h"
#include "widgets/VistaButton.h"

#include <QListWidget>
#include <QTest>
#include <QTreeWidget>

class VersionsFormTest : public QObject {
    Q_OBJECT

private slots:
    void restoresAVersionAndADeletedCollection();
};

namespace {

// Chooses the first row of the File > "Vorige versies..." dialog with this
// record count and name; false when no such row shows.
bool restoreFromMenu(Main &main, const QStringList &rowTexts)
{
    bool found = false;
    const bool shown = withModalDialog(menuItem(main, "FileVersions"), [&](QWidget *widget) {
        auto *dialog = qobject_cast<VersionsForm *>(widget);
        if (!dialog)
            return;
        for (int row = 0; row < dialog->List1->topLevelItemCount(); ++row) {
            QTreeWidgetItem *item = dialog->List1->topLevelItem(row);
            if (QStringList{item->text(2), item->text(3)} != rowTexts)
                continue;
            found = true;
            dialog->List1->setCurrentItem(item);
            click(dialog->OkKnop);
            return;
        }
    });
    return shown && found;
}

} // namespace

void VersionsFormTest::restoresAVersionAndADeletedCollection()
{
    TestFolder folder;
    const std::vector<StampRecord> first = sampleRecords(3);
    const std::vector<StampRecord> second = sampleRecords(5);
    writeCollection(folder, QStringLiteral("Land"), QStringLiteral("Land"), first);
    auto main = startMain(folder);
    OpenCollection &collection = main->collection();
    QVERIFY(collection.open(QStringLiteral("Land")));
    collection.records().assign(second);
    collection.markChanged();
    QVERIFY(collection.saveAs(QStringLiteral("Land")));

    // Unsaved changes: asked first; No leaves everything as it was.
    collection.markChanged();
    {
        BoxAnswers no({MessageBox::Answer::No});
        QVERIFY(restoreFromMenu(*main, {QStringLiteral("3"), QStringLiteral("Land")}));
        QCOMPARE(no.requests.size(), 1);
        QVERIFY(no.requests[0].text.startsWith(QStringLiteral("Wijzigingen zijn nog niet opgeslagen")));
        QCOMPARE(collection.records().count(), 5);
    }
    BoxAnswers yes({MessageBox::Answer::Yes});
    QVERIFY(restoreFromMenu(*main, {QStringLiteral("3"), QStringLiteral("Land")}));
    QCOMPARE(yes.requests.size(), 1);
    QCOMPARE(collection.name(), QStringLiteral("Land"));
    QVERIFY(collection.unsavedChanges());
    QVERIFY(collection.saveAs(QStringLiteral("Land")));
    QCOMPARE(folder.read(QStringLiteral("Verzameling/Land.col")),
             CollectionFile::serialize(QStringLiteral("Land"), first));

    // Deleted from the open dialog, it comes back from its versions.
    OpenFile open(collection, OpenFile::Mode::Open, main->panelColour(), main.get());
    open.show();
    open.List1->setCurrentItem(open.List1->findItems(QStringLiteral("Land"), Qt::MatchExactly).value(0));
    click(open.DelKnop);
    QVERIFY(!folder.exists(QStringLiteral("Verzameling/Land.col")));
    open.close();
    collection.startNew(QStringLiteral("Zee"));
    QVERIFY(restoreFromMenu(*main, {QStringLiteral("3"), QStringLiteral("Land")}));
    QCOMPARE(collection.name(), QStringLiteral("Land"));
    QVERIFY(collection.unsavedChanges());
    QCOMPARE(collection.records().records(), first);
}

QTEST_MAIN(VersionsFormTest)
#include "tst_versionsform.moc"
