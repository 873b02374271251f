#pragma once

#include <QMenu>
#include <QString>

class QActionGroup;

// Help > "Taal": Nederlands, English, Deutsch, the language of this run ticked.
// A choice is kept beside the settings and speaks from the next start on; the
// language names are not translated, so each reads in its own language.
class LanguageMenu : public QMenu {
    Q_OBJECT

public:
    LanguageMenu(const QString &keptChoiceFile, QWidget *parent);

    // Ticks the language with that code ("nl", "en", "de").
    void tick(const QString &code);

private:
    void choose(const QString &code);

    QString m_keptChoiceFile;
    QActionGroup *m_group;
};
