#include "widgets/RecordListView.h"

#include <QHeaderView>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QTest>

class RecordListViewTest : public QObject {
    Q_OBJECT

private slots:
    void rowsFollowAddedAndRemovedRecords();
    void arrowsSidewaysScrollAndKeepTheRow();
};

namespace {

void fill(QStandardItemModel &model, int first, int count)
{
    for (int row = first; row < first + count; ++row)
        for (int column = 0; column < model.columnCount(); ++column)
            model.setItem(row, column, new QStandardItem(QStringLiteral("%1/%2").arg(row).arg(column)));
}

// A list of rows of twelve columns, shown.
struct ShownList {
    explicit ShownList(int rows)
        : model(0, 12)
    {
        fill(model, 0, rows);
        view.setModel(&model);
        view.resize(300, 200);
        view.show();
    }

    QStandardItemModel model;
    RecordListView view;
};

// The row the key leads to is current, in sight, and found again at its place.
void verifyShownAfterKey(RecordListView &view, Qt::Key key, int row)
{
    QTest::keyClick(&view, key);
    QCOMPARE(view.currentIndex().row(), row);
    const QRect cell = view.visualRect(view.currentIndex());
    QVERIFY(view.viewport()->rect().contains(cell));
    QCOMPARE(view.indexAt(cell.center()), view.currentIndex());
}

} // namespace

void RecordListViewTest::rowsFollowAddedAndRemovedRecords()
{
    ShownList list(100);
    QStandardItemModel &model = list.model;
    RecordListView &view = list.view;
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    view.setFocus();
    // No section per record: adding one costs the same in any length of list.
    QCOMPARE(view.verticalHeader()->count(), 0);

    verifyShownAfterKey(view, Qt::Key_End, 99);
    fill(model, 100, 50);
    verifyShownAfterKey(view, Qt::Key_End, 149);
    verifyShownAfterKey(view, Qt::Key_Home, 0);
    verifyShownAfterKey(view, Qt::Key_End, 149);

    // With rows above and the last ones taken away, the new last row is still in sight.
    model.removeRows(0, 60);
    model.removeRows(model.rowCount() - 10, 10);
    QVERIFY(view.viewport()->rect().contains(view.visualRect(model.index(model.rowCount() - 1, 0))));
    verifyShownAfterKey(view, Qt::Key_End, 79);
    model.removeRows(0, 75);
    QCOMPARE(view.verticalScrollBar()->maximum(), 0);
    verifyShownAfterKey(view, Qt::Key_Home, 0);
    QCOMPARE(view.indexAt(QPoint(1, 1)).data().toString(), QStringLiteral("135/0"));
}

void RecordListViewTest::arrowsSidewaysScrollAndKeepTheRow()
{
    ShownList list(5);
    RecordListView &view = list.view;
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    view.setCurrentIndex(list.model.index(2, 0));
    QScrollBar *sideways = view.horizontalScrollBar();
    QTest::keyClick(&view, Qt::Key_Right);
    QCOMPARE(sideways->value(), sideways->singleStep());
    QCOMPARE(view.header()->offset(), sideways->value());
    QTest::keyClick(&view, Qt::Key_Left);
    QCOMPARE(sideways->value(), 0);
    QCOMPARE(view.currentIndex(), list.model.index(2, 0));
    QCOMPARE(view.selectionModel()->selectedRows().size(), 1);
}

QTEST_MAIN(RecordListViewTest)
#include "tst_recordlistview.moc"
