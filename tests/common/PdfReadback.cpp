#include "common/PdfReadback.h"

#include <QProcess>
#include <QRegularExpression>
#include <QXmlStreamReader>

namespace {

QByteArray runTool(const QString &program, const QStringList &arguments, QString &error)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        error = program + QStringLiteral(" failed: ") +
                QString::fromLocal8Bit(process.readAllStandardError()) + process.errorString();
        return {};
    }
    return process.readAllStandardOutput();
}

} // namespace

PdfReadback::PdfReadback(const QString &pdfPath)
{
    const QString info = QString::fromUtf8(runTool(QStringLiteral("pdfinfo"), {pdfPath}, m_error));
    if (!m_error.isEmpty())
        return;
    const auto pages =
        QRegularExpression(QStringLiteral("^Pages:\\s+(\\d+)"), QRegularExpression::MultilineOption)
            .match(info);
    const auto size = QRegularExpression(QStringLiteral("^Page size:\\s+([\\d.]+) x ([\\d.]+) pts"),
                                         QRegularExpression::MultilineOption)
                          .match(info);
    if (!pages.hasMatch() || !size.hasMatch()) {
        m_error = QStringLiteral("pdfinfo gave no page count or size: ") + info;
        return;
    }
    m_pageCount = pages.captured(1).toInt();
    m_pageSize = QSizeF(size.captured(1).toDouble(), size.captured(2).toDouble());

    const QByteArray html =
        runTool(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdfPath, "-"}, m_error);
    if (!m_error.isEmpty())
        return;
    QXmlStreamReader xml(html);
    int page = -1;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("page")) {
            ++page;
        } else if (xml.name() == QLatin1String("word")) {
            const auto attributes = xml.attributes();
            const QPointF topLeft(attributes.value("xMin").toDouble(), attributes.value("yMin").toDouble());
            const QPointF bottomRight(attributes.value("xMax").toDouble(),
                                      attributes.value("yMax").toDouble());
            m_words.push_back({page, QRectF(topLeft, bottomRight), xml.readElementText()});
        }
    }
    if (xml.hasError()) {
        m_error = QStringLiteral("pdftotext output unreadable: ") + xml.errorString();
        return;
    }
    m_ok = true;
}

std::vector<PdfReadback::Word> PdfReadback::find(int page, const QString &text) const
{
    std::vector<Word> found;
    for (const Word &word : m_words)
        if (word.page == page && word.text == text)
            found.push_back(word);
    return found;
}
