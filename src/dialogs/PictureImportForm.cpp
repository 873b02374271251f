#include "dialogs/PictureImportForm.h"

#include "storage/document/RecordList.h"
#include "widgets/DialogLayout.h"
#include "widgets/EnterConfirms.h"
#include "widgets/MainLook.h"
#include "widgets/MessageBox.h"
#include "widgets/ReaderNames.h"
#include "widgets/Twips.h"
#include "widgets/VistaButton.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QHeaderView>
#include <QImageReader>
#include <QLabel>
#include <QPixmap>
#include <QProgressBar>
#include <QTableWidget>
#include <QTimer>

namespace {

constexpr int OuterWidth = 10500;
constexpr int OuterHeight = 7800;
constexpr int ThumbnailSize = 32;
constexpr int ThumbnailsPerTurn = 4;

QString actionText(ScanFolder::Action action)
{
    switch (action) {
    case ScanFolder::Action::New:
        return PictureImportForm::tr("nieuw");
    case ScanFolder::Action::Replaces:
        return PictureImportForm::tr("vervangt");
    case ScanFolder::Action::Conflict:
        return PictureImportForm::tr("conflict");
    case ScanFolder::Action::NoRecord:
        break;
    }
    return PictureImportForm::tr("geen record");
}

QImage thumbnail(const QString &file)
{
    QImageReader reader(file);
    reader.setAutoTransform(true);
    const QSize size = reader.size();
    // A picture of two colours (1 bit a pixel) loses its colours when the
    // reader scales it: it would show as a black-and-white grid. It is small
    // to read whole, so it is scaled here instead.
    const QImage::Format format = reader.imageFormat();
    const bool twoColours = format == QImage::Format_Mono || format == QImage::Format_MonoLSB;
    if (size.isValid() && !twoColours)
        reader.setScaledSize(size.scaled(ThumbnailSize, ThumbnailSize, Qt::KeepAspectRatio));
    const QImage image = reader.read();
    if (!twoColours || image.isNull())
        return image;
    return image.convertToFormat(QImage::Format_RGB32)
        .scaled(ThumbnailSize, ThumbnailSize, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

} // namespace

PictureImportForm::PictureImportForm(const RecordList &records, const PictureFiler &filer,
                                     const QString &folder, std::vector<ScanFolder::Match> matches,
                                     const QColor &background, QWidget *parent)
    : QDialog(parent)
    , m_records(records)
    , m_filer(filer)
    , m_folder(folder)
    , m_matches(std::move(matches))
{
    setObjectName(QStringLiteral("PictureImportForm"));
    setWindowTitle(tr("Afbeeldingen importeren"));
    setFont(MainLook::normalFont());
    MainLook::setBackground(this, QPalette::Window, background);

    Label1 = DialogLayout::addLabel(this, "Label1", QString(), 180, 120, 9900, 285);
    Grid1 = new QTableWidget(this);
    Grid1->setObjectName(QStringLiteral("Grid1"));
    ReaderNames::name(Grid1, tr("Gevonden afbeeldingen"));
    Grid1->setGeometry(Twips::rect(180, 480, 9900, 5700));
    Progress1 = new QProgressBar(this);
    Progress1->setObjectName(QStringLiteral("Progress1"));
    Progress1->setGeometry(Twips::rect(180, 6300, 9900, 255));
    Progress1->setTextVisible(false);
    CopyKnop = DialogLayout::addButton(this, "CopyKnop", tr("Niet gevonden kopiëren"), 180, 6720, 2400, 330);
    CancelKnop = DialogLayout::addButton(this, "CancelKnop", tr("Cancel"), 7740, 6720, 1000, 330);
    ImportKnop = DialogLayout::addButton(this, "ImportKnop", tr("Importeren"), 8880, 6720, 1200, 330);
    connect(CopyKnop, &VistaButton::Click, this, &PictureImportForm::CopyKnop_Click);
    connect(CancelKnop, &VistaButton::Click, this, &QDialog::reject);
    connect(ImportKnop, &VistaButton::Click, this, &PictureImportForm::ImportKnop_Click);
    new EnterConfirms(this, ImportKnop);

    fillTable();
    QTimer::singleShot(0, this, &PictureImportForm::loadNextThumbnails);
}

void PictureImportForm::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    DialogLayout::placeCentred(this, OuterWidth, OuterHeight);
}

void PictureImportForm::fillTable()
{
    Grid1->setColumnCount(5);
    Grid1->setHorizontalHeaderLabels({QString(), QString(), tr("Bestand"), tr("Record"), tr("Actie")});
    Grid1->setRowCount(static_cast<int>(m_matches.size()));
    Grid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Grid1->setSelectionMode(QAbstractItemView::NoSelection);
    Grid1->setWordWrap(false);
    Grid1->verticalHeader()->hide();
    Grid1->verticalHeader()->setDefaultSectionSize(ThumbnailSize + 4);
    Grid1->setIconSize(QSize(ThumbnailSize, ThumbnailSize));
    const QDir folder(m_folder);
    int unmatched = 0;
    for (int row = 0; row < Grid1->rowCount(); ++row) {
        const ScanFolder::Match &match = m_matches[static_cast<size_t>(row)];
        auto *tick = new QTableWidgetItem;
        if (match.canBeChosen()) {
            tick->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
            tick->setCheckState(match.tickedByDefault() ? Qt::Checked : Qt::Unchecked);
        } else {
            tick->setFlags(Qt::NoItemFlags);
        }
        if (match.action == ScanFolder::Action::NoRecord)
            ++unmatched;
        Grid1->setItem(row, TickColumn, tick);
        Grid1->setItem(row, PictureColumn, new QTableWidgetItem);
        Grid1->setItem(row, FileColumn,
                       new QTableWidgetItem(QDir::toNativeSeparators(folder.relativeFilePath(match.file))));
        QString recordText;
        if (match.row >= 0) {
            recordText = m_records.cell(match.row, StampRecord::Year) + QStringLiteral(" / ") +
                         m_records.cell(match.row, StampRecord::CatalogueNumber) + QStringLiteral("  ") +
                         m_records.cell(match.row, StampRecord::Subject);
        }
        Grid1->setItem(row, RecordColumn, new QTableWidgetItem(recordText));
        auto *action = new QTableWidgetItem(actionText(match.action));
        action->setToolTip(match.reason);
        Grid1->setItem(row, ActionColumn, action);
    }
    Grid1->resizeColumnToContents(TickColumn);
    Grid1->setColumnWidth(PictureColumn, ThumbnailSize + 8);
    Grid1->setColumnWidth(FileColumn, Twips::toPixels(2800));
    Grid1->setColumnWidth(RecordColumn, Twips::toPixels(3900));
    Grid1->horizontalHeader()->setStretchLastSection(true);
    Label1->setText(tr("Map : %1        Bestanden : %2        Zonder record : %3")
                        .arg(QDir::toNativeSeparators(m_folder))
                        .arg(m_matches.size())
                        .arg(unmatched));
    CopyKnop->setEnabled(unmatched > 0);
}

void PictureImportForm::loadNextThumbnails()
{
    const int end = std::min(m_nextThumbnail + ThumbnailsPerTurn, static_cast<int>(m_matches.size()));
    for (; m_nextThumbnail < end; ++m_nextThumbnail) {
        const QImage small = thumbnail(m_matches[static_cast<size_t>(m_nextThumbnail)].file);
        if (!small.isNull())
            Grid1->item(m_nextThumbnail, PictureColumn)->setIcon(QPixmap::fromImage(small));
    }
    if (m_nextThumbnail < static_cast<int>(m_matches.size()))
        QTimer::singleShot(0, this, &PictureImportForm::loadNextThumbnails);
}

void PictureImportForm::CopyKnop_Click()
{
    QStringList unmatched;
    for (const ScanFolder::Match &match : m_matches) {
        if (match.action == ScanFolder::Action::NoRecord)
            unmatched.append(QDir::toNativeSeparators(match.file));
    }
    QGuiApplication::clipboard()->setText(unmatched.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
}

void PictureImportForm::ImportKnop_Click()
{
    std::vector<ScanFolder::Match> chosen;
    for (int row = 0; row < Grid1->rowCount(); ++row) {
        if (Grid1->item(row, TickColumn)->checkState() == Qt::Checked)
            chosen.push_back(m_matches[static_cast<size_t>(row)]);
    }
    if (chosen.empty()) {
        MessageBox::show(this, tr("Geen bestanden aangevinkt!"));
        return;
    }
    ImportKnop->setEnabled(false);
    Progress1->setRange(0, static_cast<int>(chosen.size()));
    const ScanFolder::Outcome outcome =
        ScanFolder::file(chosen, m_records.records(), m_filer, [this](int done, int) {
            Progress1->setValue(done);
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
            return true;
        });
    QString report = tr("%1 afbeeldingen toegevoegd.").arg(outcome.filed);
    if (!outcome.failures.isEmpty())
        report += tr("\r\nNiet toegevoegd:\r\n%1").arg(outcome.failures.join(QStringLiteral("\r\n")));
    MessageBox::show(this, report, MessageBox::programTitle(), MessageBox::Buttons::Ok,
                     outcome.failures.isEmpty() ? MessageBox::Icon::Information : MessageBox::Icon::Warning);
    accept();
}
