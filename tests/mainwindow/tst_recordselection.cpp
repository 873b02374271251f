#include "WindowFixture.h"
#include "common/TestFolder.h"
#include "mainwindow/DetailPanel.h"
#include "mainwindow/Main.h"
#include "resources/PlaceholderPicture.h"
#include "widgets/RecordListView.h"
#include "widgets/VistaButton.h"

#include "common/Control.h"
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

namespace {

const QColor Blue(20, 40, 200);
const QColor Yellow(230, 200, 20);
const QColor Green(20, 160, 40);
const QSize PictureSize(600, 400);

// The thumbnail as the screen shows it.
QImage thumbnail(const Main &window)
{
    return control<QLabel>(window, "Image1")->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

bool showsPlaceholder(const Main &window)
{
    const QImage shown = thumbnail(window);
    const QImage placeholder = PlaceholderPicture::render();
    return shown.copy(0, 0, placeholder.width(), placeholder.height()) == placeholder;
}

// Four records of the collection "Nederland": the first two have a picture file.
struct SelectionFixture {
    SelectionFixture()
    {
        writeCollection(
            folder, QStringLiteral("Nederland"),
            {
                makeRecord({"1999", "123a", "Zomerzegels", "Bloemen", "Toeslagzegel", "Los", "80 ct", "Tulp",
                            "Mooi", "Postfris", "1,50", "1"}),
                makeRecord({"1760", "7 ", "Proef", "-", "-", "-", "-", "-", "-", "-", "-", "-"}),
                makeRecord({"1999", "124", "Zomerzegels", "Molens", "", "", "", "", "", "", "", ""}),
                makeRecord({"2001", "9", "Kinderzegels"}),
            });
        // The picture folder written in other letter case than the collection name.
        writePicture(folder, QStringLiteral("Verzameling/NEDERLAND/1999/123a.jpg"),
                     twoColourPicture(PictureSize, Blue, Yellow));
        // The catalogue number is used with its trailing blank: "7 .jpg", not "7.jpg".
        writePicture(folder, QStringLiteral("Verzameling/NEDERLAND/1760/7 .jpg"),
                     twoColourPicture(PictureSize, Green, Green));
        writePicture(folder, QStringLiteral("Verzameling/NEDERLAND/1760/7.jpg"),
                     twoColourPicture(PictureSize, Yellow, Yellow));
        window = startWindow(folder);
        openCollection(*window, QStringLiteral("Nederland"));
    }

    TestFolder folder;
    std::unique_ptr<Main> window;
};

} // namespace

class RecordSelectionTest : public QObject {
    Q_OBJECT

private slots:
    void startShowsPlaceholder();
    void rowWithPictureFillsPanelAndThumbnail();
    void rowWithoutPictureShowsPlaceholder();
    void pathUsesTextsUntrimmed();
    void unreadablePictureLeavesEmptyThumbnailAndViewer();
    void keyboardSelectsToo();
    void clickOnSelectedRowShowsItAgain();
    void openingAnotherCollectionForgetsTheShownRecord();
};

void RecordSelectionTest::startShowsPlaceholder()
{
    TestFolder folder;
    auto window = startWindow(folder);
    QCOMPARE(control<QLabel>(*window, "Image1")->size(), QSize(150, 87));
    QVERIFY(showsPlaceholder(*window));
    // The rest of the box is its black background.
    QCOMPARE(thumbnail(*window).pixelColor(149, 86), QColor(Qt::black));
    QCOMPARE(control<RecordListView>(*window, "ListView1")->selectionMode(),
             QAbstractItemView::SingleSelection);
}

void RecordSelectionTest::rowWithPictureFillsPanelAndThumbnail()
{
    SelectionFixture fixture;
    Main &window = *fixture.window;
    clickRow(window, 0);

    DetailPanel *panel = control<DetailPanel>(window, "Frame1");
    QCOMPARE(control<QComboBox>(*panel, "Combo1")->currentText(), QStringLiteral("1999"));
    QCOMPARE(control<QLineEdit>(*panel, "Text1")->text(), QStringLiteral("123a"));
    QCOMPARE(control<QComboBox>(*panel, "Combo2")->currentText(), QStringLiteral("Zomerzegels"));
    QCOMPARE(control<QLineEdit>(*panel, "Text2")->text(), QStringLiteral("Bloemen"));
    QCOMPARE(control<QComboBox>(*panel, "Combo3")->currentText(), QStringLiteral("Toeslagzegel"));
    QCOMPARE(control<QComboBox>(*panel, "Combo4")->currentText(), QStringLiteral("Los"));
    QCOMPARE(control<QLineEdit>(*panel, "Text3")->text(), QStringLiteral("80 ct"));
    QCOMPARE(control<QLineEdit>(*panel, "Text4")->text(), QStringLiteral("Tulp"));
    QCOMPARE(control<QPlainTextEdit>(*panel, "Text5")->toPlainText(), QStringLiteral("Mooi"));
    QCOMPARE(control<QComboBox>(*panel, "Combo5")->currentText(), QStringLiteral("Postfris"));
    QCOMPARE(control<QLineEdit>(*panel, "Text6")->text(), QStringLiteral("1,50"));
    QCOMPARE(control<QLineEdit>(*panel, "Text7")->text(), QStringLiteral("1"));
    QCOMPARE(control<QLabel>(window, "Label6")->text(), QStringLiteral("Aantal Gegevens : 4"));
    QVERIFY(!window.collection().unsavedChanges());

    // The thumbnail is the picture, blue on the left and yellow on the right.
    QVERIFY(control<VistaButton>(window, "ShowKnop")->enabled());
    QVERIFY(!showsPlaceholder(window));
    const QImage shown = thumbnail(window);
    QVERIFY(nearColour(shown.pixelColor(20, 40), Blue));
    QVERIFY(nearColour(shown.pixelColor(130, 40), Yellow));
    QCOMPARE(window.BackPic().size(), PictureSize);
    QCOMPARE(window.viewerPicture().size(), PictureSize);
}

void RecordSelectionTest::rowWithoutPictureShowsPlaceholder()
{
    SelectionFixture fixture;
    Main &window = *fixture.window;
    clickRow(window, 0);
    clickRow(window, 2);

    QCOMPARE(control<QLineEdit>(window, "Text2")->text(), QStringLiteral("Molens"));
    QCOMPARE(control<QComboBox>(window, "Combo3")->currentText(), QString());
    QCOMPARE(control<QLineEdit>(window, "Text7")->text(), QString());
    QVERIFY(!control<VistaButton>(window, "ShowKnop")->enabled());
    QVERIFY(showsPlaceholder(window));
    QVERIFY(window.viewerPicture().isNull());
    // The thumbnail's source keeps the last picture found.
    QCOMPARE(window.BackPic().size(), PictureSize);
    QVERIFY(nearColour(window.BackPic().pixelColor(10, 10), Blue));
}

void RecordSelectionTest::pathUsesTextsUntrimmed()
{
    SelectionFixture fixture;
    Main &window = *fixture.window;
    clickRow(window, 1);

    // A year outside the list of the box is shown as it is.
    QCOMPARE(control<QComboBox>(window, "Combo1")->currentText(), QStringLiteral("1760"));
    QCOMPARE(control<QComboBox>(window, "Combo1")->count(), 201);
    QCOMPARE(control<QLineEdit>(window, "Text1")->text(), QStringLiteral("7 "));
    // Placeholders are texts like any other.
    QCOMPARE(control<QLineEdit>(window, "Text2")->text(), QStringLiteral("-"));
    QCOMPARE(control<QComboBox>(window, "Combo5")->currentText(), QStringLiteral("-"));
    QCOMPARE(control<QPlainTextEdit>(window, "Text5")->toPlainText(), QStringLiteral("-"));

    QVERIFY(control<VistaButton>(window, "ShowKnop")->enabled());
    QVERIFY(nearColour(thumbnail(window).pixelColor(20, 40), Green));
    QVERIFY(nearColour(window.viewerPicture().pixelColor(500, 300), Green));
}

void RecordSelectionTest::unreadablePictureLeavesEmptyThumbnailAndViewer()
{
    SelectionFixture fixture;
    Main &window = *fixture.window;
    fixture.folder.write(QStringLiteral("Verzameling/NEDERLAND/2001/9.jpg"), "geen plaatje");
    clickRow(window, 0);
    clickRow(window, 3);

    QCOMPARE(control<QLineEdit>(window, "Text1")->text(), QStringLiteral("9"));
    QVERIFY(control<VistaButton>(window, "ShowKnop")->enabled());
    QVERIFY(window.viewerPicture().isNull());
    // Not the picture of the record selected before: the cleared black box.
    const QImage shown = thumbnail(window);
    QCOMPARE(shown.pixelColor(20, 40), QColor(Qt::black));
    QCOMPARE(shown.pixelColor(130, 40), QColor(Qt::black));
}

void RecordSelectionTest::keyboardSelectsToo()
{
    SelectionFixture fixture;
    Main &window = *fixture.window;
    clickRow(window, 0);
    QTest::keyClick(control<RecordListView>(window, "ListView1"), Qt::Key_Down);
    QCOMPARE(window.selectedRow(), 1);
    QCOMPARE(control<QLineEdit>(window, "Text1")->text(), QStringLiteral("7 "));
    QVERIFY(nearColour(thumbnail(window).pixelColor(20, 40), Green));

    QTest::keyClick(control<RecordListView>(window, "ListView1"), Qt::Key_End);
    QCOMPARE(window.selectedRow(), 3);
    QCOMPARE(control<QComboBox>(window, "Combo2")->currentText(), QStringLiteral("Kinderzegels"));
    QCOMPARE(control<QLabel>(window, "Label6")->text(), QStringLiteral("Aantal Gegevens : 4"));
}

void RecordSelectionTest::clickOnSelectedRowShowsItAgain()
{
    SelectionFixture fixture;
    Main &window = *fixture.window;
    clickRow(window, 2);
    control<QLineEdit>(window, "Text2")->setText(QStringLiteral("half getypt"));
    control<QLabel>(window, "Label6")->setText(QStringLiteral("Aantal Records : 4"));

    clickRow(window, 2);
    QCOMPARE(window.selectedRow(), 2);
    QCOMPARE(control<QLineEdit>(window, "Text2")->text(), QStringLiteral("Molens"));
    QCOMPARE(control<QLabel>(window, "Label6")->text(), QStringLiteral("Aantal Gegevens : 4"));
}

void RecordSelectionTest::openingAnotherCollectionForgetsTheShownRecord()
{
    SelectionFixture fixture;
    Main &window = *fixture.window;
    clickRow(window, 0);
    writeCollection(fixture.folder, QStringLiteral("Belgie"), {makeRecord({"1950", "800"})});
    openCollection(window, QStringLiteral("Belgie"));

    for (const char *box : {"Text1", "Text2", "Text3", "Text4"})
        QCOMPARE(control<QLineEdit>(window, box)->text(), QString());
    QCOMPARE(control<QPlainTextEdit>(window, "Text5")->toPlainText(), QString());
    QVERIFY(showsPlaceholder(window));
    QVERIFY(!control<VistaButton>(window, "ShowKnop")->enabled());
    QVERIFY(window.viewerPicture().isNull());
    QVERIFY(window.BackPic().isNull());
}

QTEST_MAIN(RecordSelectionTest)
#include "tst_recordselection.moc"
