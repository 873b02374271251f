// Renders the help document from its HTML source to an A4 PDF with page numbers.
//
//   t2-make-help-pdf HELP.html OUTPUT.pdf

#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>

#include <cstdio>

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() != 3) {
        std::fprintf(stderr, "usage: t2-make-help-pdf HELP.html OUTPUT.pdf\n");
        return 1;
    }
    QFile source(arguments.at(1));
    if (!source.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "t2-make-help-pdf: %s: %s\n", qPrintable(arguments.at(1)),
                     qPrintable(source.errorString()));
        return 1;
    }

    const QString output = arguments.at(2);
    QFile::remove(output);
    QPdfWriter writer(output);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageOrientation(QPageLayout::Portrait);
    // The document lays itself out with its own 2 cm margins and page numbers.
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setResolution(300);
    writer.setTitle(QStringLiteral("Tessaron2 - Help"));
    writer.setCreator(QStringLiteral("Tessaron2"));

    QTextDocument document;
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(10);
    document.setDefaultFont(font);
    document.setHtml(QString::fromUtf8(source.readAll()));
    document.print(&writer);
    if (QFile(output).size() == 0) {
        std::fprintf(stderr, "t2-make-help-pdf: %s: could not write the PDF\n", qPrintable(output));
        return 1;
    }
    return 0;
}
