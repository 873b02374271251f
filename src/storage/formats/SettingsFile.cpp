#include "storage/formats/SettingsFile.h"

#include "storage/folder/TextFile.h"
#include "storage/formats/CollectionFile.h"
#include "storage/text/Windows1252.h"

#include <optional>

namespace {

bool isLineEnd(QChar c)
{
    return c == u'\r' || c == u'\n';
}

bool isBlankCharacter(QChar c)
{
    return c == u' ' || c == u'\t';
}

// The values of the file in order. A value ends at a comma or a line end (CR LF,
// a lone CR or a lone LF); a value in double quotes is taken without its quotes
// and may hold commas. A blank line gives an empty value.
class ValueStream {
public:
    explicit ValueStream(QString text)
        : m_text(std::move(text))
    {}

    std::optional<QString> next()
    {
        while (m_pos < m_text.size() && isBlankCharacter(m_text[m_pos]))
            ++m_pos;
        if (m_pos >= m_text.size())
            return std::nullopt;

        QString value;
        if (m_text[m_pos] == u'"') {
            const qsizetype start = m_pos + 1;
            qsizetype end = start;
            while (end < m_text.size() && m_text[end] != u'"' && !isLineEnd(m_text[end]))
                ++end;
            value = m_text.mid(start, end - start);
            m_pos = end;
            // Whatever follows the closing quote up to the next separator is ignored.
            while (m_pos < m_text.size() && m_text[m_pos] != u',' && !isLineEnd(m_text[m_pos]))
                ++m_pos;
        } else {
            const qsizetype start = m_pos;
            while (m_pos < m_text.size() && m_text[m_pos] != u',' && !isLineEnd(m_text[m_pos]))
                ++m_pos;
            value = m_text.mid(start, m_pos - start);
            while (!value.isEmpty() && isBlankCharacter(value.back()))
                value.chop(1);
        }
        skipSeparator();
        return value;
    }

private:
    void skipSeparator()
    {
        if (m_pos >= m_text.size())
            return;
        const QChar c = m_text[m_pos++];
        if (c == u'\r' && m_pos < m_text.size() && m_text[m_pos] == u'\n')
            ++m_pos;
    }

    QString m_text;
    qsizetype m_pos = 0;
};

std::optional<int> readNumber(ValueStream &stream)
{
    const std::optional<QString> value = stream.next();
    if (!value)
        return std::nullopt;
    bool ok = false;
    const int number = value->toInt(&ok);
    if (!ok)
        return std::nullopt;
    return number;
}

// Reads three components into the colour one by one, so that a failure keeps
// the components read before it.
bool readColour(ValueStream &stream, QColor &colour, QColor fallback, int &count)
{
    int rgb[3] = {colour.red(), colour.green(), colour.blue()};
    const int defaults[3] = {fallback.red(), fallback.green(), fallback.blue()};
    bool complete = true;
    for (int i = 0; i < 3; ++i) {
        const std::optional<int> component = readNumber(stream);
        if (!component) {
            complete = false;
            break;
        }
        rgb[i] = *component >= 0 && *component <= 255 ? *component : defaults[i];
        ++count;
    }
    colour = QColor(rgb[0], rgb[1], rgb[2]);
    return complete;
}

QString quoted(const QString &text)
{
    return QLatin1Char('"') + text + QLatin1Char('"');
}

QString colourLine(QColor colour)
{
    return QStringLiteral("%1,%2,%3").arg(colour.red()).arg(colour.green()).arg(colour.blue());
}

} // namespace

int SettingsFile::read(const QString &path)
{
    QByteArray bytes;
    if (!TextFile::readBytes(path, bytes))
        return 0;
    return parse(bytes);
}

int SettingsFile::parse(QByteArrayView bytes)
{
    ValueStream stream(Windows1252::decode(bytes));
    int count = 0;
    const auto skipText = [&] {
        if (!stream.next())
            return false;
        ++count;
        return true;
    };
    if (!skipText() || !skipText())
        return count;
    if (!readColour(stream, panelColour, DefaultPanelColour, count))
        return count;
    if (!readColour(stream, fieldColour, DefaultFieldColour, count))
        return count;
    if (!skipText())
        return count;
    for (int i = 0; i < ColumnCount; ++i) {
        const std::optional<int> width = readNumber(stream);
        if (!width)
            return count;
        columnWidths[static_cast<size_t>(i)] =
            *width >= 0 ? *width : DefaultColumnWidths[static_cast<size_t>(i)];
        ++count;
    }
    return count;
}

QStringList SettingsFile::lines() const
{
    QStringList result{
        quoted(CollectionFile::MakerLine), quoted(CollectionFile::SeparatorLine), colourLine(panelColour),
        colourLine(fieldColour),           quoted(CollectionFile::SeparatorLine),
    };
    for (const int width : columnWidths)
        result.append(QString::number(width));
    return result;
}

StorageResult SettingsFile::write(const QString &path) const
{
    return TextFile::writeLines(path, lines());
}
