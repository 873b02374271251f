#include "app/CliArguments.h"

#include "app/CliText.h"

#include <QSet>

#include <algorithm>

CliArguments::CliArguments(const QStringList &given, QList<CliOption> options, qsizetype valueLimit)
    : m_given(given)
{
    options.append(helpOption());
    // The parser is handed every option read in the form "--name" or
    // "--name=value", then "--" and the values: its own rules for "-x", "--"
    // and "=" never meet an argument as the collector typed it.
    QStringList read{QStringLiteral("tessaron2-cli")}; // parse() passes over the program name
    QStringList values;
    QSet<QString> seen;
    for (qsizetype i = 0; i < given.size() && m_problem == Problem::None; ++i) {
        const QString &argument = given.at(i);
        if (!argument.startsWith(QLatin1String("--"))) {
            if (valueLimit >= 0 && values.size() == valueLimit) {
                m_problem = Problem::UnknownArgument;
                m_unknownArgument = argument;
            } else {
                values.append(argument);
            }
            continue;
        }
        const QStringView name = QStringView(argument).mid(2);
        const auto option = std::find_if(options.cbegin(), options.cend(), [name](const CliOption &declared) {
            return declared.name() == name;
        });
        if (option == options.cend()) {
            m_problem = Problem::UnknownArgument;
            m_unknownArgument = argument;
        } else if (!option->takesValue()) {
            read.append(argument);
        } else if (i + 1 == given.size() || (option->once && seen.contains(option->name()))) {
            m_problem = Problem::RefusedValue;
            m_valueRefusal = option->valueRefusal;
        } else {
            seen.insert(option->name());
            read.append(argument + u'=' + given.at(++i));
        }
    }
    for (const CliOption &option : options)
        m_parser.addOption(option.definition);
    read.append(QStringLiteral("--"));
    // Cannot fail: every option read is declared, every value follows "--".
    m_parser.parse(read + values);
}

CliOption CliArguments::helpOption()
{
    return CliOption::flag(QStringLiteral("help"), CliText::tr("toont deze tekst"));
}

const QStringList &CliArguments::given() const
{
    return m_given;
}

bool CliArguments::helpAsked() const
{
    return m_parser.isSet(QStringLiteral("help"));
}

CliArguments::Problem CliArguments::problem() const
{
    return m_problem;
}

const QString &CliArguments::unknownArgument() const
{
    return m_unknownArgument;
}

const QString &CliArguments::valueRefusal() const
{
    return m_valueRefusal;
}

bool CliArguments::isSet(const QString &option) const
{
    return m_parser.isSet(option);
}

QString CliArguments::value(const QString &option) const
{
    return m_parser.value(option);
}

QStringList CliArguments::values() const
{
    return m_parser.positionalArguments();
}
