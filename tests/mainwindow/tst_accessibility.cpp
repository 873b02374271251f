#include "catalogue/CatalogueEntriesDialog.h"
#include "common/TestFolder.h"
#include "dialogs/CsvImportForm.h"
#include "dialogs/DialogTestSupport.h"
#include "dialogs/PictureImportForm.h"
#include "mainwindow/Main.h"
#include "storage/formats/CsvFile.h"
#include "storage/pictures/PictureFiler.h"
#include "widgets/RecordListView.h"
#include "widgets/VistaButton.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include <functional>

// What a screen reader finds in every window: each control it can reach has a
// name, each button is a named push button, and the keyboard reaches it all in
// reading order.
class AccessibilityTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void everyWindowNamesItsControls();
    void picturesSayWhatTheyShow();
    void keyboardAlone();
};

namespace {

QString describe(QAccessibleInterface *control)
{
    const QObject *object = control->object();
    return object ? QString::fromLatin1(object->metaObject()->className()) + u' ' + object->objectName()
                  : QStringLiteral("(no object)");
}

// The focusable controls of the window without a name, and the buttons that are
// not named push buttons. Lists and tables are checked themselves, not their cells.
QStringList readerFaults(QWidget *window)
{
    QStringList faults;
    std::function<void(QAccessibleInterface *)> walk = [&](QAccessibleInterface *parent) {
        for (int i = 0; i < parent->childCount(); ++i) {
            QAccessibleInterface *control = parent->child(i);
            if (!control || control->state().invisible)
                continue;
            if (control->state().focusable && control->text(QAccessible::Name).trimmed().isEmpty())
                faults.append(QStringLiteral("unnamed: ") + describe(control));
            const QAccessible::Role role = control->role();
            if (role != QAccessible::Table && role != QAccessible::List && role != QAccessible::Tree)
                walk(control);
        }
    };
    walk(QAccessible::queryAccessibleInterface(window));
    for (VistaButton *button : window->findChildren<VistaButton *>()) {
        QAccessibleInterface *control = QAccessible::queryAccessibleInterface(button);
        if (control->role() != QAccessible::PushButton ||
            control->text(QAccessible::Name) != button->caption())
            faults.append(QStringLiteral("button: ") + button->objectName());
    }
    return faults;
}

// The object names of the controls the tab key visits, from the focused one on.
QStringList tabOrder(QWidget *window)
{
    QStringList order;
    QWidget *first = window->focusWidget();
    if (!first)
        return order;
    QWidget *current = first;
    do {
        order.append(current->objectName());
        QTest::keyClick(current, Qt::Key_Tab);
        current = window->focusWidget();
    } while (current && current != first && order.size() < 100);
    return order;
}

// A key typed into the window's focused control (the offscreen platform does
// not always make a modal dialog the active window).
void typeKey(QWidget *window, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QWidget *focus = window->focusWidget();
    QTest::keyClick(focus ? focus : window, static_cast<Qt::Key>(key), modifiers);
}

} // namespace

void AccessibilityTest::initTestCase()
{
    QAccessible::setActive(true);
}

void AccessibilityTest::everyWindowNamesItsControls()
{
    TestFolder folder;
    writeCollection(folder, QStringLiteral("Proef"), QStringLiteral("Proef"), sampleRecords(3));
    folder.write(QStringLiteral("Data/Categorie.txt"), crlf({QStringLiteral("Frankeerzegels")}));
    const std::unique_ptr<Main> main = startMain(folder);
    QVERIFY(main->collection().open(QStringLiteral("Proef")));
    QStringList faults;
    const auto check = [&faults](const QString &window, QWidget *widget) {
        for (const QString &fault : readerFaults(widget))
            faults.append(window + QStringLiteral(": ") + fault);
    };
    check(QStringLiteral("Main"), main.get());

    // The viewer in place of the list, and the search bar over it.
    main->showViewerPicture(QImage(40, 30, QImage::Format_RGB32));
    click(main->findChild<VistaButton *>(QStringLiteral("ShowKnop")));
    check(QStringLiteral("viewer"), main.get());
    click(main->findChild<VistaButton *>(QStringLiteral("ShowKnop")));
    menuItem(*main, "ToolsSearch")->trigger();
    check(QStringLiteral("search bar"), main.get());

    for (const char *item : {"FileNew", "FileOpen", "FileImport", "FileSave", "FilePrint", "FileVersions",
                             "ToolsDataEdit", "ToolsPictureCheck", "ToolsStatistics"}) {
        const QString name = QString::fromLatin1(item);
        if (!withModalDialog(menuItem(*main, item), [&](QWidget *dialog) { check(name, dialog); }))
            faults.append(name + QStringLiteral(": no dialog"));
    }

    CsvImportForm csv(main->collection(), Qt::white, Qt::white, QStringLiteral("lijst.csv"),
                      CsvFile::parse("Jaar;Nummer\r\n1952;152\r\n"), main.get());
    csv.show();
    check(QStringLiteral("CSV import"), &csv);

    ScanFolder::Match match;
    match.file = folder.path(QStringLiteral("scans/152.jpg"));
    match.row = 0;
    match.action = ScanFolder::Action::New;
    const PictureFiler filer(folder.folder(), QStringLiteral("Proef"));
    PictureImportForm scans(main->collection().records(), filer, folder.path(QStringLiteral("scans")),
                            {match}, Qt::white, main.get());
    scans.show();
    check(QStringLiteral("picture import"), &scans);

    CatalogueEntriesDialog entries(main->collection(), 0, main.get());
    entries.show();
    check(QStringLiteral("catalogue numbers"), &entries);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
}

void AccessibilityTest::picturesSayWhatTheyShow()
{
    TestFolder folder;
    StampRecord withPicture = sampleRecord(1);
    withPicture[StampRecord::Year] = QStringLiteral("1952");
    withPicture[StampRecord::CatalogueNumber] = QStringLiteral("MBund 152");
    writeCollection(folder, QStringLiteral("Proef"), QStringLiteral("Proef"), {withPicture, sampleRecord(2)});
    QImage picture(60, 40, QImage::Format_RGB32);
    picture.fill(Qt::red);
    QDir().mkpath(folder.path(QStringLiteral("Verzameling/Proef/1952")));
    QVERIFY(picture.save(folder.path(QStringLiteral("Verzameling/Proef/1952/MBund 152.jpg"))));
    const std::unique_ptr<Main> main = startMain(folder);
    QVERIFY(main->collection().open(QStringLiteral("Proef")));
    auto *thumbnail = main->findChild<QLabel *>(QStringLiteral("Image1"));
    auto *viewerPicture = main->findChild<QLabel *>(QStringLiteral("SlidePic"));
    auto *list = main->findChild<RecordListView *>(QStringLiteral("ListView1"));
    const auto nameOf = [](QWidget *widget) {
        return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
    };
    QCOMPARE(nameOf(thumbnail), QStringLiteral("Geen afbeelding"));
    list->setCurrentIndex(list->model()->index(0, 0));
    QCOMPARE(nameOf(thumbnail), QStringLiteral("Afbeelding van 1952 MBund 152"));
    QCOMPARE(nameOf(viewerPicture), QStringLiteral("Afbeelding van 1952 MBund 152"));
    list->setCurrentIndex(list->model()->index(1, 0));
    QCOMPARE(nameOf(thumbnail), QStringLiteral("Geen afbeelding"));
    QCOMPARE(nameOf(viewerPicture), QStringLiteral("Geen afbeelding"));
}

void AccessibilityTest::keyboardAlone()
{
    TestFolder folder;
    writeCollection(folder, QStringLiteral("Proef"), QStringLiteral("Proef"), sampleRecords(3));
    const std::unique_ptr<Main> main = startMain(folder);
    QVERIFY(main->collection().open(QStringLiteral("Proef")));

    // Tab follows reading order: the panel down, then the search bar over the list, the list, Count.
    main->findChild<QWidget *>(QStringLiteral("Combo1"))->setFocus();
    menuItem(*main, "ToolsSearch")->trigger();
    main->findChild<QWidget *>(QStringLiteral("Combo1"))->setFocus();
    QCOMPARE(tabOrder(main.get()),
             QStringList({"Combo1",    "Text1",      "Combo2",   "Text2",    "Combo3",       "Combo4",
                          "Text3",     "Text4",      "Text5",    "Combo5",   "Text6",        "Text7",
                          "AddKnop",   "WijzigKnop", "DelKnop",  "ZoekText", "VolgendeKnop", "VorigeKnop",
                          "SluitKnop", "ListView1",  "CountKnop"}));

    // F10 opens the first menu; Escape leaves it.
    QTest::keyClick(main.get(), Qt::Key_F10);
    auto *fileMenu = main->findChild<QMenu *>(QStringLiteral("File"));
    QTRY_VERIFY(fileMenu->isVisible());
    QTest::keyClick(fileMenu, Qt::Key_Escape);
    QTRY_VERIFY(!fileMenu->isVisible());

    // Enter confirms a dialog from a field, not from another button; Escape cancels.
    bool named = false;
    withModalDialog(menuItem(*main, "FileNew"), [&](QWidget *dialog) {
        auto *name = dialog->findChild<QComboBox *>(QStringLiteral("Combo1"));
        name->setEditText(QStringLiteral("Enterproef"));
        dialog->findChild<VistaButton *>(QStringLiteral("CancelKnop"))->setFocus();
        typeKey(dialog, Qt::Key_Return);
        QVERIFY(dialog->isVisible());
        name->setFocus();
        typeKey(dialog, Qt::Key_Return);
        named = !dialog->isVisible() && main->collection().name() == QStringLiteral("Enterproef");
    });
    QVERIFY(named);
    bool escaped = false;
    withModalDialog(menuItem(*main, "FileNew"), [&](QWidget *dialog) {
        typeKey(dialog, Qt::Key_Escape);
        escaped = !dialog->isVisible();
    });
    QVERIFY(escaped);

    // In the word-list editor Enter in the word box adds the word and keeps the editor open.
    bool added = false;
    withModalDialog(menuItem(*main, "ToolsDataEdit"), [&](QWidget *dialog) {
        auto *word = dialog->findChild<QLineEdit *>(QStringLiteral("Text1"));
        word->setFocus();
        QTest::keyClicks(word, QStringLiteral("Nieuwwoord"));
        typeKey(dialog, Qt::Key_Enter, Qt::KeypadModifier);
        added = dialog->isVisible() && !dialog->findChild<QListWidget *>(QStringLiteral("List1"))
                                            ->findItems(QStringLiteral("Nieuwwoord"), Qt::MatchExactly)
                                            .isEmpty();
    });
    QVERIFY(added);
}

QTEST_MAIN(AccessibilityTest)
#include "tst_accessibility.moc"
