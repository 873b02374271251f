#include "mainwindow/FindBar.h"

#include "storage/document/RecordList.h"
#include "widgets/ReaderNames.h"
#include "widgets/SelectedRow.h"
#include "widgets/Twips.h"
#include "widgets/VistaButton.h"

#include <QAbstractItemView>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QShortcut>

namespace {

VistaButton *newButton(QWidget *parent, const char *name, const QString &caption, int left, int width)
{
    auto *button = new VistaButton(QLatin1String(name), parent);
    button->setCaption(caption);
    button->setGeometry(Twips::rect(left, 30, width, 330));
    return button;
}

} // namespace

FindBar::FindBar(QAbstractItemView *list, const RecordList &records, const CatalogueEntries &entries,
                 QWidget *parent)
    : QFrame(parent)
    , m_list(list)
    , m_records(records)
    , m_entries(entries)
{
    setObjectName(QStringLiteral("FindBar"));
    setFrameStyle(QFrame::NoFrame);

    ZoekLabel = new QLabel(tr("Zoeken"), this);
    ZoekLabel->setObjectName(QStringLiteral("ZoekLabel"));
    ZoekLabel->move(0, Twips::toPixels(75));
    ZoekLabel->adjustSize();
    ZoekText = new QLineEdit(this);
    ZoekText->setObjectName(QStringLiteral("ZoekText"));
    ZoekText->setGeometry(Twips::rect(630, 30, 3000, 330));
    ZoekText->setClearButtonEnabled(true);
    VolgendeKnop = newButton(this, "VolgendeKnop", tr("Volgende"), 3720, 840);
    VorigeKnop = newButton(this, "VorigeKnop", tr("Vorige"), 4620, 840);
    ZoekStatus = new QLabel(this);
    ZoekStatus->setObjectName(QStringLiteral("ZoekStatus"));
    ZoekStatus->setGeometry(Twips::rect(5580, 75, 2400, 255));
    SluitKnop = newButton(this, "SluitKnop", QStringLiteral("X"), 0, 330);
    SluitKnop->setToolTip(tr(" Zoekbalk sluiten (Esc) "));
    ReaderNames::labelField(ZoekLabel, ZoekText);
    // The keyboard reaches the bar where it is read: just before the list it stands on.
    QWidget *beforeList = m_list->previousInFocusChain();
    while (beforeList != m_list && beforeList->focusPolicy() == Qt::NoFocus)
        beforeList = beforeList->previousInFocusChain();
    QWidget::setTabOrder(beforeList, ZoekText);
    QWidget::setTabOrder(ZoekText, VolgendeKnop);
    QWidget::setTabOrder(VolgendeKnop, VorigeKnop);
    QWidget::setTabOrder(VorigeKnop, SluitKnop);
    QWidget::setTabOrder(SluitKnop, m_list);

    connect(ZoekText, &QLineEdit::returnPressed, this, &FindBar::findNext);
    connect(ZoekText, &QLineEdit::textChanged, ZoekStatus, &QLabel::clear);
    connect(VolgendeKnop, &VistaButton::Click, this, &FindBar::findNext);
    connect(VorigeKnop, &VistaButton::Click, this, &FindBar::findPrevious);
    connect(SluitKnop, &VistaButton::Click, this, &FindBar::close);
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escape->setContext(Qt::WidgetWithChildrenShortcut);
    connect(escape, &QShortcut::activated, this, &FindBar::close);

    // The bar stands where the list's top is and is as wide as the list.
    move(m_list->x(), Twips::toPixels(240));
    m_list->installEventFilter(this);
    followList();
    hide();
}

bool FindBar::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_list && event->type() == QEvent::Resize)
        followList();
    return QFrame::eventFilter(watched, event);
}

void FindBar::followList()
{
    resize(m_list->width(), Twips::toPixels(HeightTwips));
    SluitKnop->move(width() - SluitKnop->width(), SluitKnop->y());
}

void FindBar::open()
{
    if (parentWidget()->isHidden())
        return;
    if (isHidden()) {
        show();
        emit roomTaken(ReservedTwips);
    }
    ZoekText->setFocus();
    ZoekText->selectAll();
}

void FindBar::close()
{
    if (isHidden())
        return;
    hide();
    emit roomTaken(0);
    m_list->setFocus();
}

void FindBar::findNext()
{
    find(RecordSearch::Direction::Next);
}

void FindBar::findPrevious()
{
    find(RecordSearch::Direction::Previous);
}

void FindBar::find(RecordSearch::Direction direction)
{
    const int start = SelectedRow(m_list);
    const int row = RecordSearch::find(m_records, ZoekText->text(), start, direction, &m_entries);
    if (row < 0) {
        ZoekStatus->setText(ZoekText->text().isEmpty() ? QString() : tr("Niet gevonden"));
        return;
    }
    const bool next = direction == RecordSearch::Direction::Next;
    if (row == start)
        ZoekStatus->setText(tr("Alleen dit record"));
    else if (start >= 0 && (next ? row < start : row > start))
        ZoekStatus->setText(next ? tr("Verder vanaf het begin") : tr("Verder vanaf het einde"));
    else
        ZoekStatus->clear();
    emit recordPicked(row);
}
