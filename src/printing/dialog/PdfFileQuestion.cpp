#include "printing/dialog/PdfFileQuestion.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>

namespace PdfFileQuestion {

QString ask(QWidget *parent)
{
    QString file =
        QFileDialog::getSaveFileName(parent, QCoreApplication::translate("PdfFileQuestion", "PDF-bestand"),
                                     QString(), QStringLiteral("PDF (*.pdf)"));
    if (!file.isEmpty() && QFileInfo(file).suffix().isEmpty())
        file += QStringLiteral(".pdf");
    return file;
}

} // namespace PdfFileQuestion
