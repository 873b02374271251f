#include "common/CollectionState.h"
#include "common/TestFolder.h"
#include "mainwindow/DetailPanel.h"
#include "mainwindow/Main.h"
#include "mainwindow/WindowFixture.h"
#include "sorting/ColumnSort.h"
#include "widgets/RecordListView.h"
#include "widgets/VistaButton.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "common/Control.h"
#include <stdexcept>

namespace {

struct SortFixture {
    SortFixture()
    {
        writeCollection(folder, QStringLiteral("Nederland"),
                        {
                            makeRecord({"1999", "9", "b", "Molens"}),
                            makeRecord({"1852", "100", "A", "Koning"}),
                            makeRecord({"2001", "10", "", "Bloemen"}),
                        });
        window = startWindow(folder);
        openCollection(*window, QStringLiteral("Nederland"));
    }

    // The header image keys of all twelve columns that have one, as "column:key".
    QStringList headerImages() const
    {
        QStringList images;
        for (int column = 0; column < StampRecord::FieldCount; ++column) {
            const QString key = headerPicture(*window, column);
            if (!key.isEmpty())
                images.append(QString::number(column + 1) + QLatin1Char(':') + key);
        }
        return images;
    }

    TestFolder folder;
    std::unique_ptr<Main> window;
};

} // namespace

class ColumnSortTest : public QObject {
    Q_OBJECT

private slots:
    void columnOneCyclesUpAndDown();
    void columnTwoStartsDescending();
    void unsortableColumnOnlyClearsImages();
    void emptyListTakesAClick();
    void addedRowsKeepTheirPlaceAndSelectionFollows();
    void sortErrorsAreReported();
};

void ColumnSortTest::columnOneCyclesUpAndDown()
{
    SortFixture fixture;
    Main &window = *fixture.window;
    QVERIFY(!control<RecordListView>(window, "ListView1")->isSortingEnabled());

    clickHeader(window, 1);
    QCOMPARE(columnTexts(window, StampRecord::Year), QStringList({"1852", "1999", "2001"}));
    QCOMPARE(fixture.headerImages(), QStringList({"1:down"}));
    QCOMPARE(control<QLabel>(window, "Label10")->text(), QStringLiteral("Gesorteerd op : Jaartal"));
    QVERIFY(window.collection().unsavedChanges());
    QVERIFY(!control<RecordListView>(window, "ListView1")
                 ->model()
                 ->headerData(0, Qt::Horizontal, Qt::DecorationRole)
                 .isNull());

    clickHeader(window, 1);
    QCOMPARE(columnTexts(window, StampRecord::Year), QStringList({"2001", "1999", "1852"}));
    QCOMPARE(fixture.headerImages(), QStringList({"1:up"}));

    clickHeader(window, 1);
    QCOMPARE(columnTexts(window, StampRecord::Year), QStringList({"1852", "1999", "2001"}));
    QCOMPARE(fixture.headerImages(), QStringList({"1:down"}));
}

void ColumnSortTest::columnTwoStartsDescending()
{
    SortFixture fixture;
    Main &window = *fixture.window;
    QCOMPARE(fixture.headerImages(), QStringList({"2:down"}));
    QCOMPARE(control<QLabel>(window, "Label10")->text(), QStringLiteral("Gesorteerd op :"));

    // Compared as text: ascending would be 10, 100, 9.
    clickHeader(window, 2);
    QCOMPARE(columnTexts(window, StampRecord::CatalogueNumber), QStringList({"9", "100", "10"}));
    QCOMPARE(fixture.headerImages(), QStringList({"2:up"}));
    QCOMPARE(control<QLabel>(window, "Label10")->text(), QStringLiteral("Gesorteerd op : Catalogus nummer"));

    clickHeader(window, 4);
    QCOMPARE(columnTexts(window, StampRecord::Subject), QStringList({"Bloemen", "Koning", "Molens"}));
    QCOMPARE(control<QLabel>(window, "Label10")->text(), QStringLiteral("Gesorteerd op : Onderwerp"));
    clickHeader(window, 2);
    QCOMPARE(columnTexts(window, StampRecord::CatalogueNumber), QStringList({"10", "100", "9"}));
    QCOMPARE(fixture.headerImages(), QStringList({"2:down"}));

    // Case does not count, and an empty text comes first.
    clickHeader(window, 3);
    QCOMPARE(columnTexts(window, StampRecord::Category), QStringList({"", "A", "b"}));
    QCOMPARE(control<QLabel>(window, "Label10")->text(), QStringLiteral("Gesorteerd op : Categorie"));
    clickHeader(window, 5);
    QCOMPARE(control<QLabel>(window, "Label10")->text(), QStringLiteral("Gesorteerd op : Soort zegel"));
    clickHeader(window, 6);
    QCOMPARE(control<QLabel>(window, "Label10")->text(), QStringLiteral("Gesorteerd op : Type zegel"));
}

void ColumnSortTest::unsortableColumnOnlyClearsImages()
{
    SortFixture fixture;
    Main &window = *fixture.window;
    clickHeader(window, 1);
    clearUnsavedChanges(window.collection());
    const QStringList order = columnTexts(window, StampRecord::Year);

    clickHeader(window, 11);
    QCOMPARE(fixture.headerImages(), QStringList());
    QCOMPARE(columnTexts(window, StampRecord::Year), order);
    QCOMPARE(control<QLabel>(window, "Label10")->text(), QStringLiteral("Gesorteerd op : Jaartal"));
    QVERIFY(window.collection().unsavedChanges());
}

void ColumnSortTest::emptyListTakesAClick()
{
    TestFolder folder;
    auto window = startWindow(folder);
    BoxRecorder boxes(MessageBox::Answer::Ok);
    clickHeader(*window, 3);
    QVERIFY(boxes.requests.isEmpty());
    QCOMPARE(control<QLabel>(*window, "Label10")->text(), QStringLiteral("Gesorteerd op : Categorie"));
    QCOMPARE(headerPicture(*window, 2), QStringLiteral("down"));
    QCOMPARE(headerPicture(*window, 1), QString());
    QVERIFY(window->collection().unsavedChanges());
}

void ColumnSortTest::addedRowsKeepTheirPlaceAndSelectionFollows()
{
    SortFixture fixture;
    Main &window = *fixture.window;
    clickRow(window, 0); // 1999
    clickHeader(window, 1);
    // The selection stays on its record, which has moved.
    QCOMPARE(window.selectedRow(), 1);
    QCOMPARE(window.collection().records().cell(1, StampRecord::Year), QStringLiteral("1999"));

    control<QLineEdit>(window, "Text1")->setText(QStringLiteral("1"));
    control<QComboBox>(window, "Combo1")->setEditText(QStringLiteral("1900"));
    clickButton(control<VistaButton>(window, "AddKnop"));
    QCOMPARE(columnTexts(window, StampRecord::Year), QStringList({"1852", "1999", "2001", "1900"}));
    clickHeader(window, 1);
    QCOMPARE(columnTexts(window, StampRecord::Year), QStringList({"2001", "1999", "1900", "1852"}));
}

void ColumnSortTest::sortErrorsAreReported()
{
    BoxRecorder boxes(MessageBox::Answer::Ok);
    QVERIFY(!SortReportingErrors([] { throw std::runtime_error("sleutel onleesbaar"); }));
    QVERIFY(!SortReportingErrors([] { throw std::bad_alloc(); }));
    QVERIFY(!SortReportingErrors([] { throw 42; }));

    QCOMPARE(boxes.requests.size(), 3);
    QCOMPARE(boxes.requests[0].text, QStringLiteral("Fout in sorteer routine!\r\n5\tsleutel onleesbaar"));
    QCOMPARE(boxes.requests[1].text, QStringLiteral("Fout in sorteer routine!\r\n7\tOnvoldoende geheugen"));
    QCOMPARE(boxes.requests[2].text, QStringLiteral("Fout in sorteer routine!\r\n51\tOnbekende fout"));
    for (const MessageBox::Request &request : boxes.requests) {
        QCOMPARE(request.caption, QStringLiteral("Tessaron2"));
        QVERIFY(request.buttons == MessageBox::Buttons::Ok);
    }

    // A collection that sorts hands back true.
    TestFolder folder;
    OpenCollection collection(folder.folder());
    collection.startNew(QStringLiteral("Sorteren"), {makeRecord({"2", "b"}), makeRecord({"1", "a"})});
    QVERIFY(SortColumn(collection, 1));
    QCOMPARE(collection.records().cell(0, StampRecord::Year), QStringLiteral("1"));
    QCOMPARE(boxes.requests.size(), 3);
}

QTEST_MAIN(ColumnSortTest)
#include "tst_columnsort.moc"
