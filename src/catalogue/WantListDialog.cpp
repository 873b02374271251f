#include "catalogue/WantListDialog.h"

#include "catalogue/RecordCategory.h"
#include "printing/PrintText.h"
#include "storage/document/OpenCollection.h"
#include "storage/formats/WantListFile.h"
#include "storage/keeping/CollectionFiles.h"
#include "widgets/DialogLayout.h"
#include "widgets/MessageBox.h"
#include "widgets/Twips.h"

#include <QLabel>
#include <QPlainTextEdit>

namespace {

constexpr int RangesWidth = 3000;
constexpr int TableLeft = 180 + RangesWidth + 180;
constexpr int TableWidth = 6960;
// The window's column titles, and the same titles as the list leaves the
// program (paper, spreadsheet), each translated on its own.
QStringList shownHeadings()
{
    return {WantListDialog::tr("Reeks"), WantListDialog::tr("Ontbrekend"), WantListDialog::tr("Aantal")};
}

QStringList reportHeadings()
{
    return {PrintText::tr("Reeks"), PrintText::tr("Ontbrekend"), PrintText::tr("Aantal")};
}

} // namespace

WantListDialog::WantListDialog(const OpenCollection &collection, QWidget *parent)
    : ListToolDialog({TableLeft + TableWidth + 330, 7800, TableLeft, TableWidth},
                     RecordCategory::namesIn(collection.records().records()), shownHeadings(),
                     {{1200, 2700, false}, {4000, 5500, false}, {9600, 1200, true}}, parent)
    , m_collection(collection)
{
    setObjectName(QStringLiteral("WantListDialog"));
    setWindowTitle(tr("Mancolijst %1").arg(collection.name()));

    m_rangesLabel = DialogLayout::addLabel(this, "RangesLabel", tr("Reeksen, een per regel:"), 180, 195);
    m_rangesText = new QPlainTextEdit(this);
    m_rangesText->setObjectName(QStringLiteral("RangesText"));
    m_rangesText->setGeometry(Twips::rect(180, 600, RangesWidth, 5400));
    m_rangesText->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_rangesText->setTabChangesFocus(true);
    m_rangesLabel->setBuddy(m_rangesText);
    // The ranges come first, as they are read.
    setTabOrder(m_rangesText, firstSharedControl());
    m_rangesText->setFocus();
    auto *hint = DialogLayout::addLabel(
        this, "HintLabel", tr("Bijvoorbeeld \"MBund 1-20\", \"LP1-LP15\" of één nummer: \"NVPH 123a\"."), 180,
        6090, RangesWidth, 780);
    hint->setWordWrap(true);

    if (!collection.name().isEmpty()) {
        const StorageResult read = WantListFile::read(
            CollectionFiles(collection.programFolder(), collection.name()).wantList(), m_savedRanges);
        if (!read)
            MessageBox::show(this, tr("Mancolijst kon niet worden gelezen!\r\n%1").arg(read.reason),
                             tr("Error"), MessageBox::Buttons::Ok, MessageBox::Icon::Critical);
    }
    m_rangesText->setPlainText(m_savedRanges.join(u'\n'));
    connect(m_rangesText, &QPlainTextEdit::textChanged, this, &WantListDialog::refresh);
    refresh();
}

QStringList WantListDialog::ranges() const
{
    QStringList ranges;
    for (const QString &line : m_rangesText->toPlainText().split(u'\n')) {
        if (!line.trimmed().isEmpty())
            ranges.append(line.trimmed());
    }
    return ranges;
}

void WantListDialog::refresh()
{
    m_wantList = WantList::of(m_collection.records().records(), ranges(), category(),
                              &m_collection.catalogueEntries());
    std::vector<QStringList> lines;
    std::vector<bool> marked;
    for (const WantList::Line &line : m_wantList.lines()) {
        lines.push_back(line.readable ? QStringList{line.range, line.runs, QString::number(line.count)}
                                      : QStringList{line.range, tr("kan niet worden gelezen"), QString()});
        marked.push_back(!line.readable);
    }
    showLines(lines, marked, tr("Totaal ontbrekend : %1").arg(m_wantList.total()));
}

ListReport WantListDialog::report() const
{
    return {PrintText::tr("Mancolijst %1").arg(m_collection.name()),
            reportHeadings(),
            m_wantList.rows(),
            {PrintText::tr("Totaal"), QString(), QString::number(m_wantList.total())}};
}

QString WantListDialog::fileName() const
{
    return QStringLiteral("Mancolijst ") + m_collection.name();
}

void WantListDialog::done(int result)
{
    const QStringList typed = ranges();
    // A collection without a name has nowhere to keep them yet.
    if (typed != m_savedRanges && !m_collection.name().isEmpty()) {
        const StorageResult written = WantListFile::write(
            CollectionFiles(m_collection.programFolder(), m_collection.name()).wantList(), typed);
        // The ranges stay on screen, to be copied, until a second close gives them up.
        m_savedRanges = typed;
        if (!written) {
            MessageBox::show(this, tr("Mancolijst kon niet worden opgeslagen!\r\n%1").arg(written.reason),
                             tr("Error"), MessageBox::Buttons::Ok, MessageBox::Icon::Critical);
            return;
        }
    }
    ListToolDialog::done(result);
}
