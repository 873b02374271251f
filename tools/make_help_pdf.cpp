// Renders a help document from its HTML source to an A4 PDF with page numbers.
// The documents of every language share one stylesheet.
//
//   t2-make-help-pdf STYLE.css HELP.html OUTPUT.pdf

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
    if (arguments.size() != 4) {
        std::fprintf(stderr, "usage: t2-make-help-pdf STYLE.css HELP.html OUTPUT.pdf\n");
        return 1;
    }
    QFile style(arguments.at(1));
    QFile source(arguments.at(2));
    for (QFile *input : {&style, &source}) {
        if (!input->open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "t2-make-help-pdf: %s: %s\n", qPrintable(input->fileName()),
                         qPrintable(input->errorString()));
            return 1;
        }
    }

    const QString output = arguments.at(3);
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
    document.setDefaultStyleSheet(QString::fromUtf8(style.readAll()));
    document.setHtml(QString::fromUtf8(source.readAll()));
    document.print(&writer);
    if (QFile(output).size() == 0) {
        std::fprintf(stderr, "t2-make-help-pdf: %s: could not write the PDF\n", qPrintable(output));
        return 1;
    }
    return 0;
}
