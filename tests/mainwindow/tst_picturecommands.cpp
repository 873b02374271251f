#include "WindowFixture.h"
#include "common/Control.h"
#include "common/TestFolder.h"
#include "dialogs/PictureImportForm.h"
#include "mainwindow/Main.h"
#include "reports/PictureCheckDialog.h"
#include "widgets/RecordListView.h"
#include "widgets/VistaButton.h"

#include <QAction>
#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QFileDialog>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include <functional>

namespace {

const QString PictureFolder = QStringLiteral("Verzameling/Nederland/");

// 1852/1 has no picture, 1852/2 has one; number 5 is in two years.
std::vector<StampRecord> pictureRecords()
{
    return {makeRecord({"1852", "1", "Willem III"}), makeRecord({"1852", "2"}), makeRecord({"1860", "5"}),
            makeRecord({"1861", "5"}), makeRecord({"1870", "../x"})};
}

QByteArray encoded(const QImage &image, const char *format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

// A scan of one bit a pixel: red on the left, blue on the right.
QByteArray twoColourScan()
{
    QImage scan(100, 100, QImage::Format_Mono);
    scan.setColorTable({qRgb(220, 20, 20), qRgb(20, 20, 220)});
    scan.fill(0);
    for (int y = 0; y < scan.height(); ++y) {
        for (int x = scan.width() / 2; x < scan.width(); ++x)
            scan.setPixel(x, y, 1);
    }
    return encoded(scan, "PNG");
}

struct PictureFixture {
    PictureFixture()
    {
        writeCollection(folder, QStringLiteral("Nederland"), pictureRecords());
        writePicture(folder, PictureFolder + QStringLiteral("1852/2.jpg"),
                     twoColourPicture({20, 20}, Qt::black, Qt::white));
        window = startWindow(folder);
        openCollection(*window, QStringLiteral("Nederland"));
    }

    RecordListView *list() const { return control<RecordListView>(*window, "ListView1"); }
    QPoint rowCentre(int row) const { return list()->visualRect(list()->model()->index(row, 0)).center(); }

    TestFolder folder;
    std::unique_ptr<Main> window;
};

// Drags the file over the widget and drops it, as a file manager does.
void dropFile(QWidget *target, QPoint at, const QString &file)
{
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(file)});
    QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, {});
    QApplication::sendEvent(target, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(at, Qt::CopyAction, &mime, Qt::LeftButton, {});
    QApplication::sendEvent(target, &drop);
    QVERIFY(drop.isAccepted());
    QCoreApplication::processEvents();
}

// Handles the modal dialogs that open one after another (nested or not), each
// by the step for its class; returns how many were handled.
class DialogScript {
public:
    using Step = std::pair<const char *, std::function<void(QDialog *)>>;
    explicit DialogScript(QList<Step> steps)
        : m_steps(std::move(steps))
    {
        QObject::connect(&m_timer, &QTimer::timeout, [this] { next(); });
        m_timer.start(10);
    }
    int handled = 0;

private:
    void next()
    {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (m_steps.isEmpty() || !dialog || !dialog->isVisible() || !dialog->inherits(m_steps.first().first))
            return;
        ++handled;
        // Run from a timer of its own: a step that opens the next dialog keeps
        // this one polling.
        QTimer::singleShot(0, dialog, [dialog, step = m_steps.takeFirst().second] { step(dialog); });
    }
    QList<Step> m_steps;
    QTimer m_timer;
};

// Types the path into the file dialog and accepts it.
void choosePath(QDialog *dialog, const QString &path)
{
    auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
    QVERIFY(name);
    name->setText(path);
    dialog->accept();
}

} // namespace

class PictureCommandsTest : public QObject {
    Q_OBJECT

private slots:
    void droppedFilesAreFiledAndShown();
    void pastedImageIsFiledUnlessRefused();
    void scanFolderFilesTheTickedRows();
    void pictureCheckOffersToAddAPicture();
};

void PictureCommandsTest::droppedFilesAreFiledAndShown()
{
    PictureFixture fixture;
    clickRow(*fixture.window, 2);
    const QImage scan = twoColourPicture({64, 48}, Qt::red, Qt::blue);
    fixture.folder.write(QStringLiteral("scan.png"), encoded(scan, "PNG"));

    // A PNG dropped on the first row becomes that record's JPEG and shows at once.
    dropFile(fixture.list()->viewport(), fixture.rowCentre(0),
             fixture.folder.path(QStringLiteral("scan.png")));
    QImageReader filed(fixture.folder.path(PictureFolder + QStringLiteral("1852/1.jpg")));
    QCOMPARE(filed.format(), QByteArray("jpeg"));
    QCOMPARE(filed.size(), scan.size());
    QCOMPARE(fixture.window->selectedRow(), 0);
    QCOMPARE(fixture.window->BackPic().size(), scan.size());
    QVERIFY(nearColour(fixture.window->BackPic().pixelColor(5, 5), Qt::red));
    QVERIFY(control<VistaButton>(*fixture.window, "ShowKnop")->isEnabled());
    QVERIFY(nearColour(fixture.window->viewerPicture().pixelColor(60, 5), Qt::blue));

    // A JPEG dropped on the thumbnail replaces the selected record's picture only
    // after Yes; No keeps the old file byte for byte, Yes copies the new one as it is.
    const QByteArray jpeg = encoded(twoColourPicture({30, 30}, Qt::green, Qt::green), "JPG");
    fixture.folder.write(QStringLiteral("new.jpg"), jpeg);
    const QByteArray old = fixture.folder.read(PictureFolder + QStringLiteral("1852/1.jpg"));
    auto *thumbnail = control<QLabel>(*fixture.window, "Image1");
    {
        BoxRecorder boxes(MessageBox::Answer::No);
        dropFile(thumbnail, {10, 10}, fixture.folder.path(QStringLiteral("new.jpg")));
        QCOMPARE(boxes.requests.size(), 1);
        QCOMPARE(boxes.requests[0].text,
                 QStringLiteral("Record heeft al een afbeelding.\r\nWilt u deze vervangen?"));
        QCOMPARE(boxes.requests[0].buttons, MessageBox::Buttons::YesNo);
    }
    QCOMPARE(fixture.folder.read(PictureFolder + QStringLiteral("1852/1.jpg")), old);
    {
        BoxRecorder boxes(MessageBox::Answer::Yes);
        dropFile(thumbnail, {10, 10}, fixture.folder.path(QStringLiteral("new.jpg")));
    }
    QCOMPARE(fixture.folder.read(PictureFolder + QStringLiteral("1852/1.jpg")), jpeg);
    QCOMPARE(fixture.window->BackPic().size(), QSize(30, 30));

    // Below the last row there is no record to drop on.
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(fixture.folder.path(QStringLiteral("scan.png")))});
    QDragEnterEvent outside(QPoint(5, fixture.list()->viewport()->height() - 2), Qt::CopyAction, &mime,
                            Qt::LeftButton, {});
    QApplication::sendEvent(fixture.list()->viewport(), &outside);
    QVERIFY(!outside.isAccepted());
}

void PictureCommandsTest::pastedImageIsFiledUnlessRefused()
{
    TestFolder folder;
    writeCollection(folder, QStringLiteral("Nederland"), pictureRecords());
    auto window = startWindow(folder);
    QGuiApplication::clipboard()->setImage(twoColourPicture({40, 20}, Qt::yellow, Qt::blue));
    {
        // Nothing open yet: nothing has a place to go.
        BoxRecorder boxes(MessageBox::Answer::Ok);
        window->findChild<QAction *>(QStringLiteral("ToolsPicturePaste"))->trigger();
        QCOMPARE(boxes.requests.size(), 1);
        QCOMPARE(boxes.requests[0].text,
                 QStringLiteral("Verzameling heeft nog geen naam!\r\nSla de verzameling eerst op."));
    }
    openCollection(*window, QStringLiteral("Nederland"));

    // Ctrl+V in a text field of the panel pastes text there, and nothing else.
    clickRow(*window, 2);
    {
        QGuiApplication::clipboard()->setText(QStringLiteral("tekst"));
        BoxRecorder boxes(MessageBox::Answer::Ok);
        auto *field = control<QWidget>(*window, "Frame1")->findChild<QLineEdit *>();
        field->setFocus();
        field->clear();
        QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(field->text(), QStringLiteral("tekst"));
        QVERIFY(boxes.requests.isEmpty());
    }

    // Ctrl+V over the list pastes the clipboard's image for the selected record.
    QGuiApplication::clipboard()->setImage(twoColourPicture({40, 20}, Qt::yellow, Qt::blue));
    control<RecordListView>(*window, "ListView1")->setFocus();
    QTest::keyClick(control<RecordListView>(*window, "ListView1"), Qt::Key_V, Qt::ControlModifier);
    const QImage pasted(folder.path(PictureFolder + QStringLiteral("1860/5.jpg")));
    QCOMPARE(pasted.size(), QSize(40, 20));
    QVERIFY(nearColour(pasted.pixelColor(35, 10), Qt::blue));
    QCOMPARE(window->BackPic().size(), QSize(40, 20));

    // A catalogue number that leads out of its folder is refused with the reason.
    clickRow(*window, 4);
    BoxRecorder boxes(MessageBox::Answer::Ok);
    window->findChild<QAction *>(QStringLiteral("ToolsPicturePaste"))->trigger();
    QCOMPARE(boxes.requests.size(), 1);
    QVERIFY(boxes.requests[0].text.startsWith(QStringLiteral("Afbeelding kon niet worden toegevoegd!\r\n")));
    QVERIFY(!folder.exists(QStringLiteral("Verzameling/Nederland/x.jpg")));
    QVERIFY(!folder.exists(PictureFolder + QStringLiteral("1870")));
}

void PictureCommandsTest::scanFolderFilesTheTickedRows()
{
    PictureFixture fixture;
    const QByteArray oldPicture = fixture.folder.read(PictureFolder + QStringLiteral("1852/2.jpg"));
    for (const char *name : {"scans/2.png", "scans/5.png", "scans/99.png"})
        fixture.folder.write(QLatin1String(name),
                             encoded(twoColourPicture({16, 16}, Qt::red, Qt::red), "PNG"));
    fixture.folder.write(QStringLiteral("scans/1.png"), twoColourScan());

    QStringList actions;
    QList<Qt::CheckState> ticks;
    BoxRecorder boxes(MessageBox::Answer::Ok);
    DialogScript script(
        {{"QFileDialog",
          [&](QDialog *dialog) { choosePath(dialog, fixture.folder.path(QStringLiteral("scans"))); }},
         {"PictureImportForm", [&](QDialog *dialog) {
              auto *form = qobject_cast<PictureImportForm *>(dialog);
              const auto *Grid1 = control<QTableWidget>(*form, "Grid1");
              for (int row = 0; row < Grid1->rowCount(); ++row) {
                  actions.append(Grid1->item(row, PictureImportForm::FileColumn)->text() + QLatin1Char(':') +
                                 Grid1->item(row, PictureImportForm::ActionColumn)->text());
                  ticks.append(Grid1->item(row, PictureImportForm::TickColumn)->checkState());
              }
              QVERIFY(!(Grid1->item(3, PictureImportForm::TickColumn)->flags() & Qt::ItemIsUserCheckable));
              // The preview of the scan of two colours shows them, as the filed JPEG does.
              QTableWidgetItem *preview = Grid1->item(0, PictureImportForm::PictureColumn);
              QTRY_VERIFY(!preview->icon().isNull());
              const QImage shown = preview->icon().pixmap(32, 32).toImage();
              QVERIFY(nearColour(shown.pixelColor(4, 16), QColor(220, 20, 20)));
              QVERIFY(nearColour(shown.pixelColor(28, 16), QColor(20, 20, 220)));
              clickButton(control<VistaButton>(*form, "CopyKnop"));
              clickButton(control<VistaButton>(*form, "ImportKnop"));
          }}});
    fixture.window->findChild<QAction *>(QStringLiteral("ToolsPictureImport"))->trigger();

    QCOMPARE(script.handled, 2);
    QCOMPARE(actions, QStringList({"1.png:nieuw", "2.png:vervangt", "5.png:conflict", "99.png:geen record"}));
    QCOMPARE(ticks, QList<Qt::CheckState>({Qt::Checked, Qt::Unchecked, Qt::Unchecked, Qt::Unchecked}));
    QCOMPARE(QGuiApplication::clipboard()->text(),
             QDir::toNativeSeparators(fixture.folder.path(QStringLiteral("scans/99.png"))) +
                 QStringLiteral("\r\n"));
    QCOMPARE(boxes.requests.size(), 1);
    QCOMPARE(boxes.requests[0].text, QStringLiteral("1 afbeeldingen toegevoegd."));
    QCOMPARE(QImageReader(fixture.folder.path(PictureFolder + QStringLiteral("1852/1.jpg"))).format(),
             QByteArray("jpeg"));
    const QImage filed(fixture.folder.path(PictureFolder + QStringLiteral("1852/1.jpg")));
    QVERIFY(nearColour(filed.pixelColor(8, 50), QColor(220, 20, 20)));
    QCOMPARE(fixture.folder.read(PictureFolder + QStringLiteral("1852/2.jpg")), oldPicture);
    QVERIFY(!fixture.folder.exists(PictureFolder + QStringLiteral("1860/5.jpg")));
    QVERIFY(!fixture.folder.exists(PictureFolder + QStringLiteral("1861/5.jpg")));
}

void PictureCommandsTest::pictureCheckOffersToAddAPicture()
{
    PictureFixture fixture;
    fixture.folder.write(QStringLiteral("scan.png"),
                         encoded(twoColourPicture({16, 16}, Qt::red, Qt::red), "PNG"));
    fixture.folder.write(PictureFolder + QStringLiteral("1852/notities.txt"), "geen afbeelding\r\n");
    QStringList before;
    QStringList after;
    bool offeredForUnused = true;
    const auto lines = [](const QListWidget *list) {
        QStringList texts;
        for (int line = 0; line < list->count(); ++line)
            texts.append(list->item(line)->text());
        return texts;
    };
    DialogScript script({{"PictureCheckDialog",
                          [&](QDialog *dialog) {
                              auto *check = qobject_cast<PictureCheckDialog *>(dialog);
                              auto *List1 = control<QListWidget>(*check, "List1");
                              auto *AddPictureKnop = control<VistaButton>(*check, "AddPictureKnop");
                              before = lines(List1);
                              List1->setCurrentRow(0);
                              QVERIFY(AddPictureKnop->isEnabled());
                              clickButton(AddPictureKnop);
                              after = lines(List1);
                              List1->setCurrentRow(List1->count() - 1);
                              offeredForUnused = AddPictureKnop->isEnabled();
                              check->accept();
                          }},
                         {"QFileDialog", [&](QDialog *dialog) {
                              choosePath(dialog, fixture.folder.path(QStringLiteral("scan.png")));
                          }}});
    fixture.window->findChild<QAction *>(QStringLiteral("ToolsPictureCheck"))->trigger();

    QCOMPARE(script.handled, 2);
    QCOMPARE(before.first(), QStringLiteral("Ontbrekende afbeelding : 1852 / 1"));
    QCOMPARE(after.size(), before.size() - 1);
    QVERIFY(!after.contains(before.first()));
    QVERIFY(!offeredForUnused);
    QVERIFY(fixture.folder.exists(PictureFolder + QStringLiteral("1852/1.jpg")));
    QCOMPARE(fixture.window->selectedRow(), 0);
}

QTEST_MAIN(PictureCommandsTest)
#include "tst_picturecommands.moc"
