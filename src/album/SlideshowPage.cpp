#include "album/SlideshowPage.h"

#include "album/PictureTree.h"
#include "storage/folder/ProgramFolder.h"
#include "storage/folder/TextFile.h"
#include "storage/folder/WaitSeconds.h"
#include "storage/text/Windows1252.h"

#include <QCoreApplication>
#include <QFile>
#include <QStringList>

namespace SlideshowPage {

namespace {

const QLatin1String HeaderLines[] = {
    QLatin1String("<html>"),
    QLatin1String("<head>"),
    QLatin1String("<title>Slide Show</title>"),
    QLatin1String("<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">"),
    QLatin1String("<meta name=\"generator\" content=\"Tessaron2 Zegelarchief\">"),
    QLatin1String("<meta http-equiv=\"imagetoolbar\" content=\"no\">"),
    QLatin1String("<STYLE>"),
    QLatin1String("<!--"),
    QLatin1String(
        "SPAN.jaar {color:#00FF00;font-size:24px;font-weight:bold;font-family: \"arial\",\"helvetica\";}"),
    QLatin1String(
        "SPAN.tekst {color:#BBBBFF;font-size:14px;font-weight:bold;font-family: \"arial\",\"helvetica\";}"),
    QLatin1String("//-->"),
    QLatin1String("</STYLE>"),
    QLatin1String("</head>"),
    QLatin1String("<body bgcolor=\"#000000\" text=\"#BBBBFF\" topmargin=\"20\" leftmargin=\"20\">"),
    QLatin1String("<SPAN class=tekst>"),
};

// The page's words follow the interface's language; its markup never changes.
const char *const Guidance = QT_TRANSLATE_NOOP(
    "SlideshowPage",
    "Gebruik het scrollwiel van de muis en de zoekopdracht van de browser om te navigeren door dit album.");
const QLatin1String GuidanceEnd("<P></SPAN>");
const char *const NoCollection =
    QT_TRANSLATE_NOOP("SlideshowPage", "Eerst een verzameling met zegels laden!");
const QLatin1String NoCollectionStart("<P><br><P><br><P><center>");
const QLatin1String NoCollectionEnd("</center><br>");
const QLatin1String YearStart("<hr color=\"#BBBBFF\"><SPAN class=jaar>");
const QLatin1String YearEnd("</SPAN><P>");
const QLatin1String CaptionStart("<SPAN class=tekst>");
const QLatin1String CaptionEnd("</SPAN><br>");
const QLatin1String PictureStart("<img src=\"");
const QLatin1String PictureEnd("\"><P> ");

bool isControl(char32_t codePoint)
{
    return codePoint < 0x20 || codePoint == 0x7F;
}

bool fitsThePage(char32_t codePoint)
{
    return codePoint <= 0xFFFF && Windows1252::canEncode(QChar(static_cast<char16_t>(codePoint)));
}

// The markup characters as entities; what the page's code page cannot hold,
// and control characters, as numeric references.
void appendEscapedText(QString &out, char32_t codePoint)
{
    switch (codePoint) {
    case U'&':
        out += QLatin1String("&amp;");
        return;
    case U'<':
        out += QLatin1String("&lt;");
        return;
    case U'>':
        out += QLatin1String("&gt;");
        return;
    case U'"':
        out += QLatin1String("&quot;");
        return;
    default:
        break;
    }
    if (isControl(codePoint) || !fitsThePage(codePoint))
        out += QStringLiteral("&#%1;").arg(static_cast<uint>(codePoint));
    else
        out += QChar(static_cast<char16_t>(codePoint));
}

QString escapedText(const QString &text)
{
    QString out;
    for (const char32_t codePoint : text.toUcs4())
        appendEscapedText(out, codePoint);
    return out;
}

void appendPercentEncoded(QString &out, const QByteArray &utf8)
{
    static constexpr char HexDigits[] = "0123456789ABCDEF";
    for (const char byte : utf8) {
        const auto value = static_cast<uchar>(byte);
        out += QLatin1Char('%');
        out += QLatin1Char(HexDigits[value >> 4]);
        out += QLatin1Char(HexDigits[value & 0x0F]);
    }
}

// One name of a picture path. Characters that end or escape a path part in a
// link, a backslash inside a name, control characters and what the page's
// code page cannot hold are percent-encoded (as UTF-8, which is how the
// browser asks the file system); the markup characters become entities.
QString escapedPathName(const QString &name)
{
    QString out;
    for (const char32_t codePoint : name.toUcs4()) {
        const bool endsOrEscapesPath =
            codePoint == U'#' || codePoint == U'%' || codePoint == U'?' || codePoint == U'\\';
        if (endsOrEscapesPath || isControl(codePoint) || !fitsThePage(codePoint))
            appendPercentEncoded(out, QString::fromUcs4(&codePoint, 1).toUtf8());
        else
            appendEscapedText(out, codePoint);
    }
    return out;
}

// The file name without its extension of three letters and a dot.
QString caption(const QString &fileName)
{
    return fileName.left(std::max<qsizetype>(0, fileName.size() - 4));
}

} // namespace

QByteArray build(const PictureTree &pictures, bool hasRecords)
{
    QStringList lines;
    for (const QLatin1String line : HeaderLines)
        lines.append(line);
    lines.append(escapedText(QCoreApplication::translate("SlideshowPage", Guidance)));
    lines.append(GuidanceEnd);
    if (!hasRecords) {
        lines.append(NoCollectionStart +
                     escapedText(QCoreApplication::translate("SlideshowPage", NoCollection)) +
                     NoCollectionEnd);
    } else {
        // The link is relative to the page's folder and keeps the backslashes
        // of the page format; browsers read them as path separators.
        const QString folderPath = escapedPathName(pictures.collectionFolderName) + QLatin1Char('\\') +
                                   escapedPathName(pictures.pictureFolderName) + QLatin1Char('\\');
        for (const PictureTree::YearFolder &year : pictures.years) {
            lines.append(YearStart + escapedText(year.name) + YearEnd);
            const QString yearPath = folderPath + escapedPathName(year.name) + QLatin1Char('\\');
            for (const QString &fileName : year.fileNames) {
                lines.append(CaptionStart + escapedText(caption(fileName)) + CaptionEnd + PictureStart +
                             yearPath + escapedPathName(fileName) + PictureEnd);
            }
        }
    }
    lines.append(QStringLiteral("</body>"));
    lines.append(QStringLiteral("</html>"));
    return TextFile::joinLines(lines);
}

StorageResult write(const ProgramFolder &folder, const QString &collectionName, bool hasRecords)
{
    const PictureTree pictures = hasRecords ? PictureTree::read(folder, collectionName) : PictureTree{};
    return TextFile::writeBytes(folder.slideshowPage(), build(pictures, hasRecords));
}

StorageResult exportPage(const ProgramFolder &folder, const QString &collectionName, bool hasRecords)
{
    QFile::remove(folder.slideshowPage());
    WaitSeconds(0.2f);
    return write(folder, collectionName, hasRecords);
}

} // namespace SlideshowPage
