// The window side of the catalogue numbers of other systems: the line in the
// detail panel, the editor window opened from the menu and from that line, its
// chart, and the message for a damaged side file.

#include "catalogue/CatalogueEntriesDialog.h"
#include "catalogue/CatalogueValueChart.h"
#include "common/Control.h"
#include "common/TestFolder.h"
#include "mainwindow/Main.h"
#include "mainwindow/WindowFixture.h"
#include "storage/document/OpenCollection.h"
#include "storage/formats/LookupList.h"
#include "widgets/VistaButton.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

const QString Dot = QStringLiteral(" \u00b7 ");

std::vector<StampRecord> sampleRecords()
{
    return {makeRecord({QStringLiteral("1950"), QStringLiteral("550"), QStringLiteral("Zomer")}),
            makeRecord({QStringLiteral("1952"), QStringLiteral("590"), QStringLiteral("Kind")}),
            makeRecord({QStringLiteral("1953"), QStringLiteral("600"), QStringLiteral("Watersnood")})};
}

QStringList tableTexts(const QTableWidget *table)
{
    QStringList rows;
    for (int row = 0; row < table->rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < table->columnCount(); ++column)
            cells.append(table->item(row, column)->text());
        rows.append(cells.join(u'|'));
    }
    return rows;
}

// Runs work on the modal window the action opens; work closes it.
void onEditor(QAction *action, const std::function<void(CatalogueEntriesDialog &)> &work)
{
    bool seen = false;
    QTimer::singleShot(0, [&] {
        auto *dialog = qobject_cast<CatalogueEntriesDialog *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        seen = true;
        QVERIFY(QTest::qWaitForWindowExposed(dialog));
        work(*dialog);
        if (dialog->isVisible())
            dialog->reject();
    });
    action->trigger();
    QVERIFY(seen);
}

// Types an entry into the fields and adds it with Enter in the last field.
void typeEntry(CatalogueEntriesDialog &dialog, const QString &system, const QString &number,
               const QString &value = {}, const QString &edition = {})
{
    // A null system keeps the one in the box.
    if (!system.isNull()) {
        auto *systemBox = control<QComboBox>(dialog, "SystemCombo");
        systemBox->lineEdit()->selectAll();
        QTest::keyClicks(systemBox, system);
    }
    for (const auto &[name, text] : {std::pair{"NumberText", number}, std::pair{"ValueText", value},
                                     std::pair{"EditionText", edition}}) {
        auto *field = control<QLineEdit>(dialog, name);
        field->setFocus();
        field->selectAll();
        QTest::keyClicks(field, text);
    }
    QTest::keyClick(control<QLineEdit>(dialog, "EditionText"), Qt::Key_Return);
}

QString panelLine(const Main &window)
{
    return control<QLabel>(window, "CatalogueLine")->text();
}

} // namespace

class CatalogueEntriesTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Dutch, QLocale::Netherlands)); }
    void editorAddsEntriesAsOneStep();
    void editorChangesRemovesAndCancels();
    void chartShowsTheValueOverTheEditions();
    void noRecordChosenAsksForOne();
    void damagedSideFileIsToldOnce();
};

void CatalogueEntriesTest::editorAddsEntriesAsOneStep()
{
    TestFolder folder;
    writeCollection(folder, QStringLiteral("Nederland"), sampleRecords());
    auto window = startWindow(folder);
    openCollection(*window, QStringLiteral("Nederland"));
    QCOMPARE(panelLine(*window), QString());
    clickRow(*window, 1);
    const int steps = window->collection().stepsInHistory();

    onEditor(
        window->findChild<QAction *>(QStringLiteral("ToolsCatalogue")), [&](CatalogueEntriesDialog &dialog) {
            QCOMPARE(dialog.windowTitle(), QStringLiteral("Catalogusnummers 1952 590"));
            auto *table = control<QTableWidget>(dialog, "EntryTable");
            QCOMPARE(table->rowCount(), 0);
            // The known systems are offered, the collector's own list after them.
            auto *systems = control<QComboBox>(dialog, "SystemCombo");
            QVERIFY(systems->findText(QStringLiteral("Mi")) >= 0);
            QVERIFY(systems->findText(QStringLiteral("Colnect")) >= 0);

            typeEntry(dialog, QStringLiteral("Mi"), QStringLiteral("535"), QStringLiteral("1,20"),
                      QStringLiteral("2020"));
            // A TAB or line break pasted into a field is refused there.
            auto *number = control<QLineEdit>(dialog, "NumberText");
            QCOMPARE(number->text(), QString());
            QApplication::clipboard()->setText(QStringLiteral("5\t1\r\n2"));
            number->setFocus();
            QTest::keyClick(number, Qt::Key_V, Qt::ControlModifier);
            QCOMPARE(number->text(), QStringLiteral("512"));
            systems->lineEdit()->selectAll();
            QTest::keyClicks(systems, QStringLiteral("Yt"));
            // Enter in the system box adds too; the window stays open.
            systems->setFocus();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            QVERIFY(dialog.isVisible());
            QCOMPARE(table->rowCount(), 2);
            // A system of the collector's own, typed with a character no file can hold.
            systems->lineEdit()->selectAll();
            systems->lineEdit()->insert(QStringLiteral("Michel\u0416Spezial"));
            QCOMPARE(systems->currentText(), QStringLiteral("MichelSpezial"));
            typeEntry(dialog, QString(), QStringLiteral("700"));
            QCOMPARE(tableTexts(table), QStringList({"Mi|535|1,20|2020", "MichelSpezial|700||", "Yt|512||"}));
            clickButton(control<VistaButton>(dialog, "OkKnop"));
            QVERIFY(!dialog.isVisible());
        });

    // One step, shown in the panel, the new system kept in the word list.
    QCOMPARE(window->collection().stepsInHistory(), steps + 1);
    QCOMPARE(window->collection().undoText(), QStringLiteral("Catalogusnummers 1952 590"));
    const QString line =
        QStringLiteral("Mi 535") + Dot + QStringLiteral("MichelSpezial 700") + Dot + QStringLiteral("Yt 512");
    QCOMPARE(panelLine(*window), line);
    QVERIFY(LookupList::readNonBlank(folder.path(QStringLiteral("Data/Catalogi.txt")))
                .contains(QStringLiteral("MichelSpezial")));
    // Another record has none; back on the first, its line returns.
    clickRow(*window, 0);
    QCOMPARE(panelLine(*window), QString());
    clickRow(*window, 1);
    QCOMPARE(panelLine(*window), line);

    // Undo takes all three back, redo brings them again.
    window->findChild<QAction *>(QStringLiteral("ToolsUndo"))->trigger();
    QCOMPARE(panelLine(*window), QString());
    QVERIFY(window->collection().catalogueEntriesOf(1).isEmpty());
    window->findChild<QAction *>(QStringLiteral("ToolsRedo"))->trigger();
    QCOMPARE(panelLine(*window), line);

    // Ok without a change is no step.
    onEditor(window->findChild<QAction *>(QStringLiteral("ToolsCatalogue")),
             [](CatalogueEntriesDialog &dialog) {
                 QCOMPARE(control<QTableWidget>(dialog, "EntryTable")->rowCount(), 3);
                 clickButton(control<VistaButton>(dialog, "OkKnop"));
             });
    QCOMPARE(window->collection().stepsInHistory(), steps + 1);
}

void CatalogueEntriesTest::editorChangesRemovesAndCancels()
{
    TestFolder folder;
    writeCollection(folder, QStringLiteral("Nederland"), sampleRecords());
    auto window = startWindow(folder);
    openCollection(*window, QStringLiteral("Nederland"));
    window->collection().setCatalogueEntries(
        2, {{QStringLiteral("Mi"), QStringLiteral("600"), QStringLiteral("2"), QStringLiteral("2019")},
            {QStringLiteral("SG"), QStringLiteral("800"), {}, {}}});
    clickRow(*window, 2);
    QCOMPARE(panelLine(*window), QStringLiteral("Mi 600") + Dot + QStringLiteral("SG 800"));
    const int steps = window->collection().stepsInHistory();
    auto *command = window->findChild<QAction *>(QStringLiteral("ToolsCatalogue"));

    // Cancel gives nothing back, whatever was done in the window.
    onEditor(command, [](CatalogueEntriesDialog &dialog) {
        auto *table = control<QTableWidget>(dialog, "EntryTable");
        table->selectRow(1);
        clickButton(control<VistaButton>(dialog, "RemoveKnop"));
        QCOMPARE(table->rowCount(), 1);
        clickButton(control<VistaButton>(dialog, "CancelKnop"));
    });
    QCOMPARE(window->collection().stepsInHistory(), steps);
    QCOMPARE(window->collection().catalogueEntriesOf(2).size(), 2);

    // The same system and edition again replaces; a change and a removal, then Ok.
    QLabel *line = control<QLabel>(*window, "CatalogueLine");
    QTimer::singleShot(0, [&] {
        auto *dialog = qobject_cast<CatalogueEntriesDialog *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        auto *table = control<QTableWidget>(*dialog, "EntryTable");
        typeEntry(*dialog, QStringLiteral("mi"), QStringLiteral("601"), QStringLiteral("3"),
                  QStringLiteral("2019"));
        QCOMPARE(tableTexts(table), QStringList({"mi|601|3|2019", "SG|800||"}));
        typeEntry(*dialog, QStringLiteral("Mi"), QStringLiteral("601"), QStringLiteral("4"),
                  QStringLiteral("2022"));
        table->selectRow(2);
        QCOMPARE(control<QLineEdit>(*dialog, "NumberText")->text(), QStringLiteral("800"));
        control<QLineEdit>(*dialog, "NumberText")->setText(QStringLiteral("801"));
        clickButton(control<VistaButton>(*dialog, "ChangeKnop"));
        table->selectRow(0);
        clickButton(control<VistaButton>(*dialog, "RemoveKnop"));
        QCOMPARE(tableTexts(table), QStringList({"Mi|601|4|2022", "SG|801||"}));
        clickButton(control<VistaButton>(*dialog, "OkKnop"));
    });
    // Opened by a double click on the panel's line.
    QTest::mouseDClick(line, Qt::LeftButton);
    QCOMPARE(window->collection().stepsInHistory(), steps + 1);
    QCOMPARE(panelLine(*window), QStringLiteral("Mi 601") + Dot + QStringLiteral("SG 801"));
    // The record's year changes: its entries follow, and undo brings them back.
    StampRecord changed = window->collection().records().record(2);
    changed[StampRecord::Year] = QStringLiteral("1954");
    window->collection().replaceRecord(2, changed);
    QCOMPARE(panelLine(*window), QStringLiteral("Mi 601") + Dot + QStringLiteral("SG 801"));
    window->collection().undo();
    clickRow(*window, 2);
    QCOMPARE(panelLine(*window), QStringLiteral("Mi 601") + Dot + QStringLiteral("SG 801"));
}

void CatalogueEntriesTest::chartShowsTheValueOverTheEditions()
{
    QVERIFY(CatalogueValueChart::valueReads(QStringLiteral(" 1,50")));
    QVERIFY(CatalogueValueChart::valueReads(QStringLiteral("-.5")));
    QVERIFY(!CatalogueValueChart::valueReads(QStringLiteral("ca. 3")));
    QVERIFY(!CatalogueValueChart::valueReads(QString()));
    QCOMPARE(CatalogueValueChart::editionYear(QStringLiteral("2019/2020")), 2019);
    QCOMPARE(CatalogueValueChart::editionYear(QStringLiteral("neu")), 0);

    const CatalogueEntries::List entries{
        {QStringLiteral("Mi"), QStringLiteral("535"), QStringLiteral("3,00"), QStringLiteral("2021")},
        {QStringLiteral("Mi"), QStringLiteral("535"), QStringLiteral("1.50"), QStringLiteral("2019")},
        {QStringLiteral("Mi"), QStringLiteral("535"), QStringLiteral("onbekend"), QStringLiteral("2022")},
        {QStringLiteral("Yt"), QStringLiteral("512"), QStringLiteral("9"), QStringLiteral("2020")}};
    const std::vector<CatalogueValueChart::Point> points = CatalogueValueChart::pointsOf(entries, u"mi");
    QCOMPARE(points.size(), size_t(2));
    QCOMPARE(points[0].edition, 2019);
    QCOMPARE(points[0].value, 1.5);
    QCOMPARE(points[1].value, 3.0);

    const auto countColour = [](const QImage &image, const QColor &colour) {
        int count = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x)
                count += image.pixelColor(x, y) == colour;
        }
        return count;
    };
    const QImage chart = CatalogueValueChart::render(points, QSize(240, 150), QLocale());
    QCOMPARE(chart.size(), QSize(240, 150));
    QVERIFY(countColour(chart, CatalogueValueChart::LineColour) > 40);
    QVERIFY(countColour(chart, CatalogueValueChart::PointColour) > 10);
    // The later, higher value stands right of and above the earlier.
    const auto centreOf = [&](const QImage &image, bool right) {
        QPoint found(-1, -1);
        for (int x = right ? image.width() - 1 : 0; right ? x >= 0 : x < image.width(); x += right ? -1 : 1) {
            for (int y = 0; y < image.height(); ++y) {
                if (image.pixelColor(x, y) == CatalogueValueChart::PointColour)
                    return QPoint(x, y);
            }
        }
        return found;
    };
    QVERIFY(centreOf(chart, true).x() > centreOf(chart, false).x() + 100);
    QVERIFY(centreOf(chart, true).y() < centreOf(chart, false).y());
    const QImage single = CatalogueValueChart::render({points[0]}, QSize(240, 150), QLocale());
    QCOMPARE(countColour(single, CatalogueValueChart::LineColour), 0);
}

void CatalogueEntriesTest::noRecordChosenAsksForOne()
{
    TestFolder folder;
    writeCollection(folder, QStringLiteral("Nederland"), sampleRecords());
    auto window = startWindow(folder);
    openCollection(*window, QStringLiteral("Nederland"));
    const BoxRecorder boxes(MessageBox::Answer::Ok);
    window->findChild<QAction *>(QStringLiteral("ToolsCatalogue"))->trigger();
    QCOMPARE(boxes.requests.size(), 1);
    QCOMPARE(boxes.requests[0].text, QStringLiteral("Kies eerst een record in de lijst."));
    QCOMPARE(window->collection().stepsInHistory(), 0);
}

void CatalogueEntriesTest::damagedSideFileIsToldOnce()
{
    TestFolder folder;
    writeCollection(folder, QStringLiteral("Nederland"), sampleRecords());
    folder.write(QStringLiteral("Verzameling/.catalogi/Nederland.txt"),
                 "1952\t590\tMi\t535\t1,20\t2020\r\nkapot\r\n1950\t550\tYt\t500\t\t\r\n");
    auto window = startWindow(folder);
    const BoxRecorder boxes(MessageBox::Answer::Ok);
    openCollection(*window, QStringLiteral("Nederland"));
    QCOMPARE(boxes.requests.size(), 1);
    QVERIFY2(boxes.requests[0].text.startsWith(
                 QStringLiteral("Catalogusnummers van 'Nederland' waren beschadigd: 1 regel(s) konden niet "
                                "worden gelezen.\r\nHet oorspronkelijke bestand is bewaard als ")),
             qPrintable(boxes.requests[0].text));
    QCOMPARE(boxes.requests[0].icon, MessageBox::Icon::Information);
    // The readable lines are used.
    clickRow(*window, 1);
    QCOMPARE(panelLine(*window), QStringLiteral("Mi 535"));
    clickRow(*window, 0);
    QCOMPARE(panelLine(*window), QStringLiteral("Yt 500"));
}

QTEST_MAIN(CatalogueEntriesTest)
#include "tst_catalogueentries.moc"
