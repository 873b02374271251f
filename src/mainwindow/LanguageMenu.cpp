#include "mainwindow/LanguageMenu.h"

#include "storage/folder/InterfaceLanguage.h"
#include "widgets/MessageBox.h"

#include <QAction>
#include <QActionGroup>

LanguageMenu::LanguageMenu(const QString &keptChoiceFile, QWidget *parent)
    : QMenu(tr("Taal"), parent)
    , m_keptChoiceFile(keptChoiceFile)
    , m_group(new QActionGroup(this))
{
    setObjectName(QStringLiteral("HelpTaal"));
    menuAction()->setObjectName(QStringLiteral("HelpTaal"));
    const QStringList names = {QStringLiteral("Nederlands"), QStringLiteral("English"),
                               QStringLiteral("Deutsch")};
    const QStringList codes = InterfaceLanguage::codes();
    for (qsizetype i = 0; i < codes.size(); ++i) {
        QAction *item = addAction(names.at(i));
        item->setObjectName(QStringLiteral("HelpTaal_") + codes.at(i));
        item->setCheckable(true);
        item->setData(codes.at(i));
        m_group->addAction(item);
        connect(item, &QAction::triggered, this, [this, code = codes.at(i)] { choose(code); });
    }
    tick(InterfaceLanguage::dutch());
}

void LanguageMenu::tick(const QString &code)
{
    for (QAction *item : m_group->actions())
        item->setChecked(item->data().toString() == code);
}

void LanguageMenu::choose(const QString &code)
{
    const StorageResult kept = InterfaceLanguage::keepChoice(m_keptChoiceFile, code);
    if (!kept)
        MessageBox::show(this, tr("Taal kon niet worden bewaard!\r\n%1").arg(kept.reason), tr("Error"),
                         MessageBox::Buttons::Ok, MessageBox::Icon::Critical);
}
