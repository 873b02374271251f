#include "dialogs/SaveForm.h"

#include "storage/document/OpenCollection.h"
#include "storage/folder/CollectionName.h"
#include "storage/folder/WaitSeconds.h"
#include "storage/keeping/CollectionFiles.h"
#include "storage/keeping/CollectionSave.h"
#include "storage/text/Trim.h"
#include "widgets/BusyGuard.h"
#include "widgets/DialogLayout.h"
#include "widgets/EnterConfirms.h"
#include "widgets/MainLook.h"
#include "widgets/MessageBox.h"
#include "widgets/ReaderNames.h"
#include "widgets/Twips.h"
#include "widgets/VistaButton.h"
#include "widgets/Windows1252Validator.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>

namespace {

constexpr int OuterWidth = 4800;
constexpr int OuterHeight = 1500;
constexpr QColor Background{170, 240, 240};
constexpr QColor BarBackground{255, 255, 255};
constexpr QColor BarColour{0, 240, 0};
// The bar in pixels, and the filled height drawn by the animation.
constexpr int BarWidth = 300;
constexpr int BarHeight = 20;
constexpr int FilledBottom = 18;

// The reasons of file errors are Dutch sentences with their own full stop;
// the others get one.
QString sentence(const QString &reason)
{
    return reason.endsWith(u'.') ? reason : reason + u'.';
}

} // namespace

SaveForm::SaveForm(OpenCollection &collection, const QColor &fieldColour, QWidget *parent)
    : QDialog(parent)
    , m_collection(collection)
    , m_barImage(BarWidth, BarHeight, QImage::Format_RGB32)
{
    setObjectName(QStringLiteral("SaveForm"));
    setWindowTitle(tr("Verzameling Opslaan"));
    setFont(MainLook::normalFont());
    MainLook::setBackground(this, QPalette::Window, Background);

    Text1 = new QLineEdit(collection.name(), this);
    Text1->setObjectName(QStringLiteral("Text1"));
    ReaderNames::name(Text1, tr("Naam van de verzameling"));
    Text1->setValidator(new Windows1252Validator(Text1));
    Text1->setGeometry(Twips::rect(120, 150, 4470, 300));
    MainLook::setBackground(Text1, QPalette::Base, fieldColour);

    Bar = new QLabel(this);
    Bar->setObjectName(QStringLiteral("Bar"));
    Bar->setGeometry(Twips::toPixels(120), Twips::toPixels(150), BarWidth, BarHeight);
    Bar->hide();
    m_barImage.fill(BarBackground);
    Bar->setPixmap(QPixmap::fromImage(m_barImage));

    Label1 = DialogLayout::addLabel(this, "Label1", QStringLiteral("0%"), 150, 510);

    CancelKnop = DialogLayout::addButton(this, "CancelKnop", tr("Cancel"), 2880, 600, 840, 330);
    SaveKnop = DialogLayout::addButton(this, "SaveKnop", tr("Save"), 3750, 600, 840, 330);

    connect(CancelKnop, &VistaButton::Click, this, &SaveForm::reject);
    connect(SaveKnop, &VistaButton::Click, this, &SaveForm::SaveKnop_Click);
    new EnterConfirms(this, SaveKnop);
}

void SaveForm::reject()
{
    if (!BusyGuard::isBusy(this))
        QDialog::reject();
}

void SaveForm::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    DialogLayout::placeCentred(this, OuterWidth, OuterHeight);
}

void SaveForm::refuseName(const QString &message)
{
    MessageBox::show(this, message, tr("Error"), MessageBox::Buttons::Ok, MessageBox::Icon::Critical);
    Text1->setFocus();
}

bool SaveForm::confirmOverwrite(const QString &name)
{
    // Saving over the file the collection came from needs no question; any
    // other existing file (a copy's original, too) does.
    if (!m_collection.overwritesAnother(name))
        return true;
    const QString question = tr("Verzameling '%1' bestaat reeds!\r\nWilt u deze overschrijven?").arg(name);
    return MessageBox::show(this, question, MessageBox::programTitle(), MessageBox::Buttons::YesNo) ==
           MessageBox::Answer::Yes;
}

bool SaveForm::confirmChangedElsewhere(const QString &name)
{
    // The file may be in a synchronised folder, changed from another computer
    // since it was opened or saved here.
    return !m_collection.changedElsewhere(name) || askChangedElsewhere(name);
}

bool SaveForm::askChangedElsewhere(const QString &name)
{
    const QString question = tr("Verzameling '%1' is intussen door een ander programma gewijzigd.\r\n"
                                "Wilt u deze toch overschrijven?")
                                 .arg(name);
    return MessageBox::show(this, question, MessageBox::programTitle(), MessageBox::Buttons::YesNo) ==
           MessageBox::Answer::Yes;
}

void SaveForm::SaveKnop_Click()
{
    const QString typed = Text1->text();
    if (isBlank(typed)) {
        refuseName(tr("Naam verzameling ontbreekt!"));
        return;
    }
    if (const StorageResult named = CollectionFiles::checkNewName(m_collection.programFolder(), typed);
        !named) {
        refuseName(named.reason);
        return;
    }
    // Another spelling of an existing collection's name is that collection,
    // and the questions name it as it is spelled; the open collection's own
    // name in another spelling renames it.
    const QString name = CollectionName::sameCollection(typed, m_collection.name())
                             ? typed
                             : CollectionFiles(m_collection.programFolder(), typed).name();
    if (!confirmOverwrite(name) || !confirmChangedElsewhere(name)) {
        Text1->setFocus();
        return;
    }
    // The file as the collector agreed to replace it; another program may
    // still change it during the animation.
    const FileFingerprint asConfirmed = m_collection.fileNow(name);

    {
        // Events keep flowing during the waits below; this window's buttons and
        // close box wait until the save is over.
        const BusyGuard busy(this);
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        Text1->hide();
        Bar->show();
        runProgressAnimation();
        const bool saved = saveAfterAnimation(name, asConfirmed);
        QGuiApplication::restoreOverrideCursor();
        if (!saved) {
            // Nothing was saved under the new name, so the open collection keeps
            // its old one and its unsaved state; the user may try another name.
            showNameAgain();
            return;
        }
        showPercentage(100);
        WaitSeconds(1);
    }
    accept();
}

bool SaveForm::saveAfterAnimation(const QString &name, const FileFingerprint &asConfirmed)
{
    using Stop = CollectionSave::Stop;
    CollectionSave::Conditions conditions{asConfirmed};
    for (;;) {
        const CollectionSave::Result saved = m_collection.saveAs(name, conditions);
        switch (saved.stop) {
        case Stop::None:
            return true;
        case Stop::ChangedElsewhere:
            // Changed during the animation: asked again, right before writing.
            if (!outsideBusyLook([&] { return askChangedElsewhere(name); }))
                return false;
            conditions.fileAsBefore.reset();
            break;
        case Stop::VersionNotKept:
            if (!outsideBusyLook([&] {
                    return MessageBox::show(
                               this,
                               tr("%1\r\nToch opslaan zonder vorige versie?").arg(sentence(saved.reason)),
                               MessageBox::programTitle(),
                               MessageBox::Buttons::YesNo) == MessageBox::Answer::Yes;
                }))
                return false;
            conditions.keepVersion = false;
            break;
        case Stop::Failed:
            outsideBusyLook([&] {
                MessageBox::show(this, tr("Verzameling kon niet worden opgeslagen!\r\n%1").arg(saved.reason),
                                 tr("Error"), MessageBox::Buttons::Ok, MessageBox::Icon::Critical);
                return false;
            });
            return false;
        }
    }
}

bool SaveForm::outsideBusyLook(const std::function<bool()> &ask)
{
    QGuiApplication::restoreOverrideCursor();
    showNameAgain();
    const bool answer = ask();
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    Text1->hide();
    Bar->show();
    return answer;
}

void SaveForm::showNameAgain()
{
    showProgress(-1);
    showPercentage(0);
    Bar->hide();
    Text1->show();
    Text1->setFocus();
}

void SaveForm::runProgressAnimation()
{
    // About three seconds, before anything is written; not tied to the work.
    for (int filledWidth = 0; filledWidth <= BarWidth; filledWidth += 2) {
        showProgress(filledWidth);
        showPercentage(qRound(filledWidth / 3.0));
        WaitSeconds(0.02f);
    }
}

void SaveForm::showProgress(int filledWidth)
{
    // From pixel (0, 0) to pixel (filledWidth, FilledBottom), both included;
    // below zero the bar is empty again.
    m_barImage.fill(BarBackground);
    if (filledWidth >= 0) {
        QPainter painter(&m_barImage);
        painter.fillRect(QRect(QPoint(0, 0), QPoint(filledWidth, FilledBottom)), BarColour);
    }
    Bar->setPixmap(QPixmap::fromImage(m_barImage));
}

void SaveForm::showPercentage(int percent)
{
    Label1->setText(QString::number(percent) + QLatin1Char('%'));
    Label1->adjustSize();
}
