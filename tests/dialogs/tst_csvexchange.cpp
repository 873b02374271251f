#include "DialogTestSupport.h"
#include "common/CollectionState.h"
#include "common/TestFolder.h"
#include "dialogs/CsvImportForm.h"
#include "mainwindow/Main.h"
#include "widgets/VistaButton.h"

#include "common/Control.h"
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

using DialogStep = std::pair<const char *, std::function<void(QWidget *)>>;

// Runs the action and hands each modal dialog it shows, in turn, to the step
// for its class. A dialog a step leaves open is rejected. Returns how many
// steps ran.
int withModalDialogs(QAction *action, QList<DialogStep> steps)
{
    int done = 0;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!dialog || steps.isEmpty() || !dialog->inherits(steps.first().first) || !dialog->isVisible())
            return;
        const DialogStep step = steps.takeFirst();
        ++done;
        step.second(dialog);
        if (dialog->isVisible())
            dialog->reject();
    });
    poll.start(10);
    action->trigger();
    return done;
}

// Chooses the file in a file dialog as a user would type it.
void chooseFile(QWidget *dialog, const QString &path)
{
    auto *files = qobject_cast<QFileDialog *>(dialog);
    QVERIFY(files);
    QVERIFY(files->nameFilters().contains(QStringLiteral("CSV-bestanden (*.csv)")));
    // Typed into the name box: selectFile() leaves a focused box unchanged.
    auto *name = files->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
    QVERIFY(name);
    name->setText(path);
    static_cast<QDialog *>(files)->accept(); // QFileDialog::accept, with its checks
}

StampRecord fields(const QStringList &texts)
{
    StampRecord record;
    for (int field = 0; field < texts.size(); ++field)
        record[field] = texts.at(field);
    return record;
}

// The box that chooses the column of a field, named Combo1 to Combo12 in field order.
QComboBox *columnBox(const CsvImportForm &form, StampRecord::Field field)
{
    return form.findChild<QComboBox *>(QStringLiteral("Combo%1").arg(field + 1));
}

// The main window with two records of the collection Nederland, as opened.
std::unique_ptr<Main> openedMain(const TestFolder &folder)
{
    auto main = startMain(folder);
    arrangeCollection(main->collection(), QStringLiteral("Nederland"), sampleRecords(2));
    return main;
}

} // namespace

class CsvExchangeTest : public QObject {
    Q_OBJECT

private:
    // The file dialogs start in the home folder; the tests give them their own.
    QTemporaryDir m_home;

private slots:
    void initTestCase();
    void importFromTheMenuAppendsTheMappedRows();
    void replacingAsksFirstAndTheMappingCanBeChanged();
    void exportWritesTheListInItsShownOrder();
};

void CsvExchangeTest::initTestCase()
{
    QVERIFY(m_home.isValid());
    qputenv("HOME", QFile::encodeName(m_home.path()));
}

void CsvExchangeTest::importFromTheMenuAppendsTheMappedRows()
{
    TestFolder folder;
    folder.write(QStringLiteral("rekenblad.csv"), "Informatie;Cat.nummer;Extra;JAARTAL;mi\r\n"
                                                  "\"twee\r\nregels\";77;x;2001;535 | 1,50 | 2020\r\n"
                                                  "vink \xe2\x9c\x93;78;y;2002;\r\n");
    auto main = openedMain(folder);
    const BoxAnswers boxes;

    const int steps = withModalDialogs(
        menuItem(*main, "FileImportCsv"),
        {{"QFileDialog", [&](QWidget *dialog) { chooseFile(dialog, folder.path("rekenblad.csv")); }},
         {"CsvImportForm", [&](QWidget *dialog) {
              auto *form = qobject_cast<CsvImportForm *>(dialog);
              QVERIFY(control<QCheckBox>(*form, "Check1")->isChecked());
              const auto *Grid1 = control<QTableWidget>(*form, "Grid1");
              QCOMPARE(Grid1->rowCount(), 3);
              QCOMPARE(Grid1->item(1, 0)->text(), QStringLiteral("twee\r\nregels"));
              QCOMPARE(columnBox(*form, StampRecord::Year)->currentText(),
                       QStringLiteral("Kolom 4: JAARTAL"));
              QCOMPARE(columnBox(*form, StampRecord::Info)->currentText(),
                       QStringLiteral("Kolom 1: Informatie"));
              QCOMPARE(columnBox(*form, StampRecord::Subject)->currentText(), QStringLiteral("(leeg)"));
              // A column named after a catalogue system is offered as that system's numbers.
              QCOMPARE(control<QComboBox>(*form, "SystemCombo1")->currentText(),
                       QStringLiteral("Kolom 5: mi"));
              QCOMPARE(control<QLabel>(*form, "Label3")->text(), QStringLiteral("Te importeren records : 2"));
              QVERIFY(
                  control<QLabel>(*form, "Label4")->text().startsWith(QStringLiteral("Let op: 1 teken ")));
              click(control<VistaButton>(*form, "OkKnop"));
          }}});
    QCOMPARE(steps, 2);

    // Appended after the records that were there, nothing asked.
    QVERIFY(boxes.requests.isEmpty());
    std::vector<StampRecord> expected = sampleRecords(2);
    expected.push_back(fields({"2001", "77", "", "", "", "", "", "", "twee regels"}));
    expected.push_back(fields({"2002", "78", "", "", "", "", "", "", "vink ?"}));
    QCOMPARE(recordsCopy(main->collection().records().records()), expected);
    QCOMPARE(main->collection().catalogueEntriesOf(2),
             CatalogueEntries::List({{"mi", "535", "1,50", "2020"}}));
    QCOMPARE(main->collection().catalogueEntriesOf(3), CatalogueEntries::List());
    QCOMPARE(control<QLabel>(*main, "Label6")->text(), QStringLiteral("Aantal Records : 4"));
    QVERIFY(main->collection().unsavedChanges());
}

void CsvExchangeTest::replacingAsksFirstAndTheMappingCanBeChanged()
{
    TestFolder folder;
    auto main = openedMain(folder);
    main->collection().markChangedWithoutEdit();
    CsvImportForm form(main->collection(), main->panelColour(), main->fieldColour(), folder.path("rijen.csv"),
                       CsvFile::parse("1990;12;Frankeer\r\n1991;13;Lucht\r\n"), main.get());
    form.show();
    auto *Check1 = control<QCheckBox>(form, "Check1");
    auto *OkKnop = control<VistaButton>(form, "OkKnop");

    // No column names: every row is a record, columns go by position; taken
    // as a header, the first row names no field and leaves nothing to import.
    QVERIFY(!Check1->isChecked());
    QCOMPARE(columnBox(form, StampRecord::Category)->currentText(), QStringLiteral("Kolom 3"));
    Check1->setChecked(true);
    QCOMPARE(columnBox(form, StampRecord::Year)->currentText(), QStringLiteral("(leeg)"));
    QVERIFY(!OkKnop->isEnabled());
    Check1->setChecked(false);
    columnBox(form, StampRecord::Category)->setCurrentIndex(0);
    columnBox(form, StampRecord::Subject)->setCurrentIndex(3);

    // Replacing a list with unsaved changes asks first; No keeps everything.
    control<QRadioButton>(form, "Option2")->setChecked(true);
    {
        const BoxAnswers no({MessageBox::Answer::No});
        click(OkKnop);
        QCOMPARE(no.requests.size(), 1);
        QVERIFY(no.requests.first().text.startsWith(QStringLiteral("Wijzigingen zijn nog niet opgeslagen")));
    }
    QVERIFY(form.isVisible());
    QCOMPARE(recordsCopy(main->collection().records().records()), sampleRecords(2));

    const BoxAnswers yes({MessageBox::Answer::Yes});
    click(OkKnop);
    QCOMPARE(form.result(), int(QDialog::Accepted));
    QCOMPARE(recordsCopy(main->collection().records().records()),
             (std::vector<StampRecord>{fields({"1990", "12", "", "Frankeer"}),
                                       fields({"1991", "13", "", "Lucht"})}));
    QCOMPARE(control<QLabel>(*main, "Label6")->text(), QStringLiteral("Aantal Records : 2"));
    QVERIFY(main->collection().unsavedChanges());
}

void CsvExchangeTest::exportWritesTheListInItsShownOrder()
{
    TestFolder folder;
    auto main = openedMain(folder);
    main->collection().addRecord(fields({"1800", "1", "", "\"Zegel\"; rood"}));
    main->collection().sortByColumn(StampRecord::Year);
    main->collection().sortByColumn(StampRecord::Year);
    const BoxAnswers boxes;

    withModalDialogs(menuItem(*main, "FileExportCsv"),
                     {{"QFileDialog", [&](QWidget *dialog) {
                           auto *files = qobject_cast<QFileDialog *>(dialog);
                           QCOMPARE(QFileInfo(files->selectedFiles().value(0)).fileName(),
                                    QStringLiteral("Nederland.csv"));
                           // The extension comes by itself.
                           chooseFile(dialog, folder.path("lijst"));
                       }}});
    QVERIFY(boxes.requests.isEmpty());
    const CsvFile::Table table = CsvFile::parse(folder.read("lijst.csv"));
    QCOMPARE(CsvMapping::preset(table).records(table, true).records,
             recordsCopy(main->collection().records().records()));

    // A link chosen as the file is replaced by the list, never written through.
    QVERIFY(QFile::link(folder.path("weg/lijst.csv"), folder.path("link.csv")));
    withModalDialogs(menuItem(*main, "FileExportCsv"), {{"QFileDialog", [&](QWidget *dialog) {
                                                             chooseFile(dialog, folder.path("link.csv"));
                                                         }}});
    QVERIFY(boxes.requests.isEmpty());
    QVERIFY(!QFileInfo(folder.path("link.csv")).isSymLink());
    QCOMPARE(folder.read("link.csv"), folder.read("lijst.csv"));

    // A file that cannot be written is reported with the reason.
    withModalDialogs(menuItem(*main, "FileExportCsv"),
                     {{"QFileDialog",
                       [&](QWidget *dialog) { chooseFile(dialog, QStringLiteral("/proc/t2-lijst.csv")); }}});
    QCOMPARE(boxes.requests.size(), 1);
    QVERIFY(boxes.requests.first().text.startsWith(
        QStringLiteral("CSV-bestand kon niet worden geschreven!\r\n")));
    QVERIFY(boxes.requests.first().text.size() > 45);
    QCOMPARE(boxes.requests.first().caption, QStringLiteral("Error"));
    QCOMPARE(boxes.requests.first().icon, MessageBox::Icon::Critical);
}

QTEST_MAIN(CsvExchangeTest)
#include "tst_csvexchange.moc"
