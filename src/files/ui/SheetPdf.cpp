#include "files/ui/SheetPdf.h"

#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QTextDocument>

bool RenderSheetPdf(const std::string& html, const std::filesystem::path& file) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(file.string()));
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageMargins(QMarginsF(12, 12, 12, 12), QPageLayout::Millimeter);
    printer.setCreator("Tavorn");
    QTextDocument document;
    document.setHtml(QString::fromStdString(html));
    document.print(&printer);
    // The printer reports no failure of its own; a file that is not there (or is empty) is one.
    const QFileInfo written(QString::fromStdString(file.string()));
    return written.exists() && written.size() > 0;
}
