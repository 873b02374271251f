#include "app/CliOption.h"

#include "app/CliText.h"

CliOption CliOption::flag(const QString &name, const QString &description)
{
    return value(name, QString(), description);
}

CliOption CliOption::value(const QString &name, const QString &valueName, const QString &description,
                           const QString &valueRefusal)
{
    return {QCommandLineOption(name, description, valueName), valueRefusal, false, false};
}

CliOption CliOption::onceValue(const QString &name, const QString &valueName, const QString &description,
                               const QString &valueRefusal)
{
    CliOption option = value(name, valueName, description, valueRefusal);
    option.once = true;
    return option;
}

CliOption CliOption::newName(const QString &description)
{
    return value(QStringLiteral("as"), QStringLiteral("NIEUW"), description,
                 CliText::tr("--as verwacht een naam"));
}

CliOption CliOption::category()
{
    return onceValue(QStringLiteral("category"), QStringLiteral("TEKST"),
                     CliText::tr("telt alleen de records van die categorie"),
                     CliText::tr("--category verwacht één tekst"));
}

QString CliOption::name() const
{
    return definition.names().constFirst();
}

bool CliOption::takesValue() const
{
    return !definition.valueName().isEmpty();
}

QString CliOption::term() const
{
    const QString option = QStringLiteral("--") + name();
    return takesValue() ? option + u' ' + definition.valueName() : option;
}

QString CliOption::synopsis() const
{
    return required ? term() : u'[' + term() + u']';
}
