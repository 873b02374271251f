#include "printing/dialog/Afdrukken.h"

#include "printing/PrintJob.h"
#include "printing/PrintRecordSheet.h"
#include "printing/dialog/CurrentPrinter.h"
#include "printing/dialog/PdfFileQuestion.h"
#include "printing/dialog/SystemPrinterCanvas.h"
#include "resources/PrintTemplate.h"
#include "storage/folder/WaitSeconds.h"
#include "widgets/BusyGuard.h"
#include "widgets/EnterConfirms.h"
#include "widgets/MessageBox.h"
#include "widgets/ReaderNames.h"
#include "widgets/Twips.h"
#include "widgets/VistaButton.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>

#include <cmath>

namespace {

const QColor dialogColour(220, 220, 190);
const QColor boxColour(240, 210, 210);

void place(QWidget *widget, int left, int top, int width = -1, int height = -1)
{
    const QSize natural = widget->sizeHint();
    widget->setGeometry(Twips::toPixels(left), Twips::toPixels(top),
                        width < 0 ? natural.width() : Twips::toPixels(width),
                        height < 0 ? natural.height() : Twips::toPixels(height));
}

void colourBackground(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    palette.setColor(QPalette::Base, colour);
    palette.setColor(QPalette::Button, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

// A label named and placed in the dialog.
QLabel *label(QWidget *parent, const char *name, const QString &text)
{
    auto *created = new QLabel(text, parent);
    created->setObjectName(QLatin1String(name));
    return created;
}

// A sunken panel that frames the control placed on it.
QLabel *panel(QWidget *parent, const char *name)
{
    QLabel *created = label(parent, name, {});
    created->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    return created;
}

QLabel *titleLetters(QWidget *parent, const char *name, const QColor &colour)
{
    QStringList letters;
    for (const QChar letter : Afdrukken::tr("AFDRUKKEN"))
        letters << QString(letter);
    QLabel *created = label(parent, name, letters.join(u'\n'));
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(12);
    font.setBold(true);
    created->setFont(font);
    created->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    created->setStyleSheet(QStringLiteral("color: %1; background: transparent;").arg(colour.name()));
    return created;
}

QComboBox *editableBox(QWidget *parent, const char *name)
{
    auto *box = new QComboBox(parent);
    box->setObjectName(QLatin1String(name));
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    // What was typed stays as typed: no inline completion, no list entry taken on leaving.
    box->setCompleter(nullptr);
    colourBackground(box, boxColour);
    colourBackground(box->lineEdit(), boxColour);
    return box;
}

VistaButton *button(QWidget *parent, const char *name, const QString &caption, int left)
{
    auto *created = new VistaButton(QLatin1String(name), parent);
    created->setCaption(caption);
    created->setBackColor(dialogColour);
    place(created, left, 3420, 840, 330);
    return created;
}

QString askForPhotoFile(QWidget *parent)
{
    QFileDialog dialog(parent);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilter(Afdrukken::sealPhotoFilter());
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

} // namespace

Afdrukken::Afdrukken(PrintSource source, const ProgramFolder &folder, QWidget *parent)
    : QDialog(parent)
    , askPdfFile(PdfFileQuestion::ask)
    , askPhotoFile(askForPhotoFile)
    , m_source(std::move(source))
    , m_folder(folder)
    , m_printers(std::make_unique<SystemPrinterCanvas>())
{
    setObjectName(QStringLiteral("Afdrukken"));
    buildControls();

    // The printer box: the system's printers, then the PDF file; showing the
    // current printer counts as choosing it.
    Combo2->addItems(m_printers->printerNames());
    const int current = Combo2->findText(m_printers->currentPrinterName(), Qt::MatchExactly);
    Combo2->setCurrentIndex(current);
    SelectPrinter(current);
    connect(Combo2, &QComboBox::activated, this, &Afdrukken::SelectPrinter);
    connect(Combo2, &QComboBox::editTextChanged, this,
            [this](const QString &text) { SelectPrinter(Combo2->findText(text, Qt::MatchExactly)); });

    for (int copies = 1; copies <= 20; ++copies)
        Combo1->addItem(QString::number(copies));
    Combo1->setEditText(QStringLiteral("1"));

    SelectJob(PrintJob::FirstJob);
    connect(VScroll1, &QScrollBar::valueChanged, this, &Afdrukken::SelectJob);
    connect(FotoKnop, &VistaButton::Click, this, &Afdrukken::ChooseSealPhoto);
    connect(CancelKnop, &VistaButton::Click, this, &Afdrukken::reject);
    connect(PrintKnop, &VistaButton::Click, this, &Afdrukken::RunPrintJob);
    new EnterConfirms(this, PrintKnop);
    // It opens on the printer box, as it always has; the job list is one Shift+Tab away.
    Combo2->setFocus();

    if (const QScreen *screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
}

Afdrukken::~Afdrukken() = default;

QString Afdrukken::sealPhotoFilter()
{
    // Letter case of the extensions does not matter, as on the desktop the files come from.
    return QStringLiteral(
        "Jpg, Gif, Bmp (*.jpg *.gif *.bmp *.jpeg *.JPG *.GIF *.BMP *.JPEG *.Jpg *.Gif *.Bmp)");
}

void Afdrukken::buildControls()
{
    setFixedSize(Twips::toPixels(5700), Twips::toPixels(4380));
    colourBackground(this, dialogColour);

    Label2 = panel(this, "Label2");
    place(Label2, 180, 180, 1800, 2580);
    Picture1 = label(this, "Picture1", {});
    place(Picture1, 240, 240, 1695, 2475);
    colourBackground(Picture1, QColor(192, 192, 192));
    Line1 = new QFrame(Picture1);
    Line1->setObjectName(QStringLiteral("Line1"));
    Line1->setAutoFillBackground(true);
    Line1->hide();

    Label3 = panel(this, "Label3");
    place(Label3, 2070, 180, 300, 2580);
    VScroll1 = new QScrollBar(Qt::Vertical, this);
    VScroll1->setObjectName(QStringLiteral("VScroll1"));
    // The job is chosen with the arrow keys too; its description is read with it.
    VScroll1->setFocusPolicy(Qt::StrongFocus);
    ReaderNames::name(VScroll1, tr("Afdrukopdracht"));
    VScroll1->setRange(PrintJob::FirstJob, PrintJob::LastJob);
    VScroll1->setSingleStep(1);
    VScroll1->setPageStep(1);
    place(VScroll1, 2100, 210, 240, 2520);

    // Two copies of the title, the lower one 15 twips right of and below the
    // upper, give it a two-colour relief.
    Label7 = titleLetters(this, "Label7", QColor(130, 100, 60));
    place(Label7, 2595, 225, 180, 2580);
    Label6 = titleLetters(this, "Label6", QColor(255, 255, 20));
    place(Label6, 2580, 210, 180, 2580);

    Label1 = label(this, "Label1", tr("Printerkeuze"));
    place(Label1, 3000, 360);
    Combo2 = editableBox(this, "Combo2");
    place(Combo2, 3000, 600, 2340);
    Combo1 = editableBox(this, "Combo1");
    place(Combo1, 3000, 1350, 630);
    Label5 = label(this, "Label5", tr("Aantal exemplaren"));
    ReaderNames::labelField(Label1, Combo2);
    ReaderNames::labelField(Label5, Combo1);
    place(Label5, 3690, 1395);
    Image1 = label(this, "Image1", {});
    Image1->setPixmap(QPixmap::fromImage(PrintTemplate::renderPrinter(devicePixelRatioF())));
    place(Image1, 3990, 1950, Twips::fromPixels(PrintTemplate::PrinterSize),
          Twips::fromPixels(PrintTemplate::PrinterSize));

    Label4 = label(this, "Label4", {});
    place(Label4, 180, 2850, 1920, 900);
    QFont small(QStringLiteral("Arial"));
    small.setPointSizeF(8.25);
    Label4->setFont(small);
    Label4->setWordWrap(true);
    Label4->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label4->setStyleSheet(QStringLiteral("color: rgb(64, 64, 64);"));

    FotoKnop = button(this, "FotoKnop", tr("Foto"), 2640);
    CancelKnop = button(this, "CancelKnop", tr("Cancel"), 3720);
    PrintKnop = button(this, "PrintKnop", tr("Print"), 4590);
    FotoKnop->hide();
}

void Afdrukken::updateCaption()
{
    setWindowTitle(tr("Afdrukken") + QStringLiteral(" (") + m_printers->currentPrinterName() +
                   QLatin1Char(')'));
}

void Afdrukken::SelectPrinter(int position)
{
    // A typed name that matches no entry leaves the current printer as it is.
    if (position >= 0)
        m_printers->selectPrinter(position);
    updateCaption();
}

void Afdrukken::SelectJob(int job)
{
    FotoKnop->hide();
    Label4->setText(PrintJob::description(job));
    VScroll1->setAccessibleDescription(PrintJob::description(job));
    m_preview = PrintTemplate::render(job, devicePixelRatioF());
    if (job == PrintJob::RecordSheet && !m_source.picture.isNull()) {
        // One sixth of the size the viewer shows the picture in.
        QPainter painter(&m_preview);
        const QSize size = m_source.picture.size() / 6;
        painter.drawImage(QRect(PrintTemplate::recordPictureCorner(), size), m_source.picture);
    }
    if (job == PrintJob::SealSheet)
        FotoKnop->show();
    showPreview();
}

void Afdrukken::showPreview()
{
    Picture1->setPixmap(QPixmap::fromImage(m_preview));
}

void Afdrukken::ChooseSealPhoto()
{
    const QString file = askPhotoFile(this);
    if (!file.isEmpty())
        loadSealPhoto(file);
}

bool Afdrukken::loadSealPhoto(const QString &file)
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    QImageReader reader(file);
    reader.setDecideFormatFromContent(true);
    const QImage photo = reader.read();
    if (!photo.isNull()) {
        m_sealPhoto = photo;
        QPainter painter(&m_preview);
        for (int cell = 0; cell < 10; ++cell)
            painter.drawImage(PrintTemplate::sealPhotoCell(cell), m_sealPhoto);
        painter.end();
        showPreview();
    }
    QApplication::restoreOverrideCursor();
    return !photo.isNull();
}

QColor Afdrukken::sweepColour(int position)
{
    // Halves go to the even neighbour: 15 gives 2, 45 gives 4.
    return QColor(int(std::nearbyint(position / 10.0)), 0, 0);
}

void Afdrukken::placeSweepLine(int position)
{
    QPalette palette = Line1->palette();
    palette.setColor(QPalette::Window, sweepColour(position));
    Line1->setPalette(palette);
    Line1->setGeometry(0, Twips::toPixels(position), Twips::toPixels(1695), 1);
}

void Afdrukken::sweep()
{
    Line1->show();
    for (int i = 0; i <= SweepEnd; i += 15) {
        placeSweepLine(i);
        WaitSeconds(0.01f);
    }
    Line1->hide();
}

void Afdrukken::showJobProgress(int rowsDone, int rowCount)
{
    // A long list takes a while: the sweep line stands as far down the
    // miniature as the job has come, and the caption gives the percentage.
    const int percent = static_cast<int>(qint64(rowsDone) * 100 / qMax(1, rowCount));
    placeSweepLine(SweepEnd * percent / 100 / 15 * 15);
    Line1->show();
    updateCaption();
    setWindowTitle(windowTitle() + QLatin1Char(' ') + QString::number(percent) + QLatin1Char('%'));
    // Repaints only matter here; clicks and the close box are still refused
    // by the busy guard that the print command holds.
    QCoreApplication::processEvents();
}

void Afdrukken::RunPrintJob()
{
    // Nothing is printed of a count above the limit; the dialog stays open to correct it.
    if (PrintJob::copiesAboveLimit(Combo1->currentText())) {
        MessageBox::show(this, tr("Maximaal 999 exemplaren!"), tr("Afdrukken"), MessageBox::Buttons::Ok,
                         MessageBox::Icon::Warning);
        return;
    }
    {
        // Clicks and the close box wait while the sweep processes events, and
        // the choices hold still: the job is the one chosen when Print was pressed.
        const BusyGuard busy(this);
        for (QWidget *choice : std::initializer_list<QWidget *>{Combo2, Combo1, VScroll1})
            choice->setEnabled(false);
        QApplication::setOverrideCursor(Qt::WaitCursor);
        sweep();
        const QString failure = printSelectedJob();
        // The arrow is back before any message.
        QApplication::restoreOverrideCursor();
        if (!failure.isEmpty())
            MessageBox::show(this, failure, tr("Error"), MessageBox::Buttons::Ok, MessageBox::Icon::Critical);
    }
    accept();
}

QString Afdrukken::printSelectedJob()
{
    const int job = VScroll1->value();
    if (job == PrintJob::RecordSheet && !RecordSheetHasRecord(m_source))
        return RecordSheetRefusal();
    const QString printer = CurrentPrinter::name();
    const QString refusal = SystemPrinterCanvas::queueRefusal(printer);
    if (!refusal.isEmpty())
        return refusal;
    QString pdfFile;
    if (printer == CurrentPrinter::pdfFile()) {
        QApplication::restoreOverrideCursor();
        pdfFile = askPdfFile(this);
        QApplication::setOverrideCursor(Qt::WaitCursor);
        if (pdfFile.isEmpty())
            return {};
    }
    SystemPrinterCanvas canvas(pdfFile);
    PrintJob::print(job, canvas, m_source, m_folder, m_sealPhoto, Combo1->currentText(),
                    [this](int rowsDone, int rowCount) { showJobProgress(rowsDone, rowCount); });
    Line1->hide();
    updateCaption();
    return canvas.failure();
}

void Afdrukken::reject()
{
    if (!BusyGuard::isBusy(this))
        QDialog::reject();
}
