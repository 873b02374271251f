#include "common/Control.h"
#include "common/PdfReadback.h"

#include "common/TestFolder.h"
#include "printing/dialog/Afdrukken.h"
#include "printing/dialog/CurrentPrinter.h"
#include "widgets/BusyGuard.h"
#include "widgets/MessageBox.h"
#include "widgets/VistaButton.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTemporaryDir>

#include <QApplication>
#include <QTest>
#include <QTimer>

namespace {

QImage solidImage(int width, int height, QColor colour)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

PrintSource sampleSource()
{
    PrintSource source;
    source.collectionName = QStringLiteral("Nederland");
    for (int i = 0; i < 3; ++i) {
        StampRecord record;
        record[StampRecord::Year] = QString::number(1990 + i);
        record[StampRecord::CatalogueNumber] = QString::number(10 + i);
        source.rows.push_back(record);
    }
    return source;
}

QColor previewPixel(const Afdrukken &dialog, int x, int y)
{
    return control<QLabel>(dialog, "Picture1")->pixmap().toImage().pixelColor(x, y);
}

} // namespace

class TestAfdrukken : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup() { MessageBox::setTestHook(nullptr); }
    void opensWithJobOneAndThePrinters();
    void jobSelection();
    void printerChoice();
    void printsToAPdfFileAndCloses();
    void clicksDuringTheSweepAreIgnored();
    void recordSheetWithoutARecord();
    void sweepColours();
    void cancelPrintsNothing();

private:
    void selectPdfFile();
    std::unique_ptr<TestFolder> m_folder;
    QList<MessageBox::Request> m_messages;
    bool m_busyPointerAtMessage = false;
};

void TestAfdrukken::init()
{
    m_folder = std::make_unique<TestFolder>();
    m_messages.clear();
    m_busyPointerAtMessage = false;
    MessageBox::setTestHook([this](const MessageBox::Request &request) {
        m_messages << request;
        m_busyPointerAtMessage |= QApplication::overrideCursor() != nullptr;
        return MessageBox::Answer::Ok;
    });
}

void TestAfdrukken::selectPdfFile()
{
    CurrentPrinter::select(CurrentPrinter::choices().size() - 1);
    QCOMPARE(CurrentPrinter::name(), CurrentPrinter::pdfFile());
}

void TestAfdrukken::opensWithJobOneAndThePrinters()
{
    Afdrukken dialog(sampleSource(), m_folder->folder());
    auto *Label4 = control<QLabel>(dialog, "Label4");
    auto *Label6 = control<QLabel>(dialog, "Label6");
    auto *Picture1 = control<QLabel>(dialog, "Picture1");
    auto *VScroll1 = control<QScrollBar>(dialog, "VScroll1");
    auto *Combo1 = control<QComboBox>(dialog, "Combo1");
    auto *Combo2 = control<QComboBox>(dialog, "Combo2");
    auto *FotoKnop = control<VistaButton>(dialog, "FotoKnop");
    auto *PrintKnop = control<VistaButton>(dialog, "PrintKnop");
    QCOMPARE(dialog.size(), QSize(380, 292));
    QCOMPARE(dialog.palette().color(QPalette::Window), QColor(220, 220, 190));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Afdrukken (") + CurrentPrinter::name() + QLatin1Char(')'));

    QStringList listed;
    for (int i = 0; i < Combo2->count(); ++i)
        listed << Combo2->itemText(i);
    QCOMPARE(listed, CurrentPrinter::choices());
    QCOMPARE(listed.last(), QStringLiteral("PDF-bestand"));
    QCOMPARE(Combo2->currentText(), CurrentPrinter::name());

    QCOMPARE(Combo1->count(), 20);
    QCOMPARE(Combo1->itemText(19), QStringLiteral("20"));
    QCOMPARE(Combo1->currentText(), QStringLiteral("1"));
    QCOMPARE(VScroll1->value(), 1);
    QCOMPARE(VScroll1->minimum(), 1);
    QCOMPARE(VScroll1->maximum(), 5);
    QCOMPARE(Label4->text(), QStringLiteral("Complete lijst afdrukken met de reeds ingevoerde gegevens."));
    QVERIFY(FotoKnop->isHidden());
    QCOMPARE(Picture1->geometry(), QRect(16, 16, 113, 165));
    QCOMPARE(PrintKnop->geometry(), QRect(306, 228, 56, 22));
    QCOMPARE(Label6->text().split(u'\n').join(QString()), QStringLiteral("AFDRUKKEN"));
    QVERIFY(dialog.findChild<VistaButton *>(QStringLiteral("CancelKnop")));
    QCOMPARE(Picture1->pixmap().size(), QSize(113, 165));
}

void TestAfdrukken::jobSelection()
{
    PrintSource source = sampleSource();
    source.picture = solidImage(300, 180, QColor(0, 200, 0));
    Afdrukken dialog(source, m_folder->folder());
    auto *Label4 = control<QLabel>(dialog, "Label4");
    auto *Picture1 = control<QLabel>(dialog, "Picture1");
    auto *VScroll1 = control<QScrollBar>(dialog, "VScroll1");
    auto *FotoKnop = control<VistaButton>(dialog, "FotoKnop");
    const QImage jobOne = Picture1->pixmap().toImage();

    VScroll1->setValue(3);
    QCOMPARE(Label4->text(),
             QStringLiteral("Huidige record afdrukken met eventuele afbeelding van de zegels en velletjes."));
    // The record's picture at a sixth of its size, from (30, 1440) twips.
    QCOMPARE(previewPixel(dialog, 2 + 25, 96 + 15), QColor(0, 200, 0));
    QVERIFY(previewPixel(dialog, 2 + 55, 96 + 15) != QColor(0, 200, 0));
    QVERIFY(FotoKnop->isHidden());

    VScroll1->setValue(4);
    QVERIFY(!FotoKnop->isHidden());
    const QImage bareSeal = Picture1->pixmap().toImage();
    const QString photoFile = m_folder->path(QStringLiteral("foto.bmp"));
    QVERIFY(solidImage(40, 60, QColor(0, 0, 250)).save(photoFile));
    QVERIFY(!dialog.loadSealPhoto(m_folder->path(QStringLiteral("geen.bmp"))));
    QVERIFY(dialog.sealPhoto().isNull());
    QVERIFY(dialog.loadSealPhoto(photoFile));
    // Ten photos of 285 × 210 twips from (540, 600), 360 apart across and 270 down.
    for (const int x : {36, 60})
        for (const int y : {40, 58, 76, 94, 112})
            QCOMPARE(previewPixel(dialog, x + 9, y + 7), QColor(0, 0, 250));

    VScroll1->setValue(3);
    QVERIFY(FotoKnop->isHidden());
    VScroll1->setValue(4);
    // Back at job 4: the bare template, the photo still held for printing.
    QVERIFY(!FotoKnop->isHidden());
    QCOMPARE(Picture1->pixmap().toImage(), bareSeal);
    QVERIFY(!dialog.sealPhoto().isNull());

    VScroll1->setValue(1);
    QCOMPARE(Picture1->pixmap().toImage(), jobOne);
    QVERIFY(bareSeal != jobOne);
}

void TestAfdrukken::printerChoice()
{
    selectPdfFile();
    Afdrukken dialog(sampleSource(), m_folder->folder());
    auto *Combo2 = control<QComboBox>(dialog, "Combo2");
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Afdrukken (PDF-bestand)"));
    // A typed name that matches no entry changes nothing.
    Combo2->lineEdit()->setText(QStringLiteral("Geen printer"));
    QCOMPARE(CurrentPrinter::name(), CurrentPrinter::pdfFile());
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Afdrukken (PDF-bestand)"));
    if (CurrentPrinter::choices().size() > 1) {
        Combo2->setCurrentIndex(0);
        emit Combo2->activated(0);
        QCOMPARE(CurrentPrinter::name(), CurrentPrinter::choices().first());
        QCOMPARE(dialog.windowTitle(),
                 QStringLiteral("Afdrukken (%1)").arg(CurrentPrinter::choices().first()));
    }
}

void TestAfdrukken::printsToAPdfFileAndCloses()
{
    selectPdfFile();
    Afdrukken dialog(sampleSource(), m_folder->folder());
    auto *Line1 = control<QFrame>(dialog, "Line1");
    auto *VScroll1 = control<QScrollBar>(dialog, "VScroll1");
    auto *Combo1 = control<QComboBox>(dialog, "Combo1");
    auto *PrintKnop = control<VistaButton>(dialog, "PrintKnop");
    const QString pdf = m_folder->path(QStringLiteral("lijst.pdf"));
    int questions = 0;
    dialog.askPdfFile = [&](QWidget *) {
        ++questions;
        return pdf;
    };
    Combo1->setEditText(QStringLiteral("2"));
    VScroll1->setValue(2);
    dialog.show();
    emit PrintKnop->Click();
    QCOMPARE(questions, 1);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(m_messages.isEmpty());
    const PdfReadback readback(pdf);
    QVERIFY2(readback.ok(), qPrintable(readback.error()));
    QCOMPARE(readback.pageCount(), 2);
    QCOMPARE(readback.find(0, QStringLiteral("Catalogusprijs")).size(), size_t(1));
    QCOMPARE(readback.find(1, QStringLiteral("1992")).size(), size_t(1));
    QVERIFY(Line1->isHidden());
}

void TestAfdrukken::clicksDuringTheSweepAreIgnored()
{
    selectPdfFile();
    Afdrukken dialog(sampleSource(), m_folder->folder());
    auto *Line1 = control<QFrame>(dialog, "Line1");
    auto *VScroll1 = control<QScrollBar>(dialog, "VScroll1");
    auto *Combo1 = control<QComboBox>(dialog, "Combo1");
    auto *Combo2 = control<QComboBox>(dialog, "Combo2");
    auto *FotoKnop = control<VistaButton>(dialog, "FotoKnop");
    auto *CancelKnop = control<VistaButton>(dialog, "CancelKnop");
    auto *PrintKnop = control<VistaButton>(dialog, "PrintKnop");
    int questions = 0;
    dialog.askPdfFile = [&](QWidget *) {
        ++questions;
        return m_folder->path(QStringLiteral("jaren.pdf"));
    };
    dialog.askPhotoFile = [&](QWidget *) {
        ++questions;
        return QString();
    };
    VScroll1->setValue(4);
    dialog.show();
    bool sweepSeen = false;
    // Fires while the sweep waits with events processed.
    QTimer::singleShot(200, &dialog, [&] {
        sweepSeen = BusyGuard::isBusy(&dialog) && Line1->isVisible() && !Combo2->isEnabled() &&
                    !Combo1->isEnabled() && !VScroll1->isEnabled();
        QTest::mouseClick(CancelKnop, Qt::LeftButton);
        QTest::mouseClick(PrintKnop, Qt::LeftButton);
        QTest::mouseClick(FotoKnop, Qt::LeftButton);
        dialog.close();
        QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    emit PrintKnop->Click();
    QVERIFY(sweepSeen);
    QCOMPARE(questions, 1); // one PDF question, no photo question
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(!dialog.isVisible());
    const PdfReadback readback(m_folder->path(QStringLiteral("jaren.pdf")));
    QVERIFY2(readback.ok(), qPrintable(readback.error()));
    QCOMPARE(readback.pageCount(), 1);
}

void TestAfdrukken::recordSheetWithoutARecord()
{
    selectPdfFile();
    Afdrukken dialog(sampleSource(), m_folder->folder());
    auto *VScroll1 = control<QScrollBar>(dialog, "VScroll1");
    auto *Combo1 = control<QComboBox>(dialog, "Combo1");
    auto *PrintKnop = control<VistaButton>(dialog, "PrintKnop");
    bool asked = false;
    dialog.askPdfFile = [&](QWidget *) {
        asked = true;
        return m_folder->path(QStringLiteral("blad.pdf"));
    };
    VScroll1->setValue(3);
    dialog.show();
    // Above 999 copies nothing is printed and the dialog stays for a correction.
    Combo1->setEditText(QStringLiteral("1000"));
    emit PrintKnop->Click();
    QCOMPARE(m_messages.size(), 1);
    QCOMPARE(m_messages[0].text, QStringLiteral("Maximaal 999 exemplaren!"));
    QCOMPARE(m_messages[0].caption, QStringLiteral("Afdrukken"));
    QCOMPARE(m_messages[0].icon, MessageBox::Icon::Warning);
    QVERIFY(dialog.isVisible());
    m_messages.clear();
    Combo1->setEditText(QStringLiteral("999"));
    emit PrintKnop->Click();
    QCOMPARE(m_messages.size(), 1);
    QCOMPARE(m_messages[0].text, QStringLiteral("Item selecteren a.u.b."));
    QCOMPARE(m_messages[0].caption, QStringLiteral("Error"));
    QCOMPARE(m_messages[0].icon, MessageBox::Icon::Critical);
    QVERIFY(!m_busyPointerAtMessage);
    QVERIFY(!asked);
    QVERIFY(!m_folder->exists(QStringLiteral("blad.pdf")));
    QVERIFY(!dialog.isVisible());
}

void TestAfdrukken::sweepColours()
{
    const QList<QPair<int, int>> reds = {{0, 0}, {15, 2}, {25, 2}, {45, 4}, {60, 6}, {75, 8}, {2475, 248}};
    for (const auto &[position, red] : reds)
        QCOMPARE(Afdrukken::sweepColour(position), QColor(red, 0, 0));
}

void TestAfdrukken::cancelPrintsNothing()
{
    selectPdfFile();
    Afdrukken dialog(sampleSource(), m_folder->folder());
    auto *CancelKnop = control<VistaButton>(dialog, "CancelKnop");
    bool asked = false;
    dialog.askPdfFile = [&](QWidget *) {
        asked = true;
        return QString();
    };
    dialog.show();
    emit CancelKnop->Click();
    QVERIFY(!asked);
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QVERIFY(!dialog.isVisible());
    QCOMPARE(CurrentPrinter::name(), CurrentPrinter::pdfFile());

    // Cancelling the file question prints nothing either; the dialog still closes.
    Afdrukken second(sampleSource(), m_folder->folder());
    second.askPdfFile = [&](QWidget *) {
        asked = true;
        return QString();
    };
    second.show();
    emit control<VistaButton>(second, "PrintKnop")->Click();
    QVERIFY(asked);
    QVERIFY(!second.isVisible());
    QVERIFY(m_messages.isEmpty());
}

QTEST_MAIN(TestAfdrukken)
#include "tst_afdrukken.moc"
