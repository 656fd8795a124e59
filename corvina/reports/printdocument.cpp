#include "corvina/reports/printdocument.h"

#include <QFileInfo>
#include <QPageLayout>
#include <QPdfWriter>
#include <QPrinter>
#include <QSaveFile>

#include "corvina/language/language.h"
#include "corvina/reports/monthsheetrenderer.h"
#include "corvina/reports/reportrenderer.h"

namespace corvina {

PrintDocument reportDocument(Report report) {
    PrintDocument document;
    document.title = report.title;
    document.landscape = report.landscape();
    document.paint = [report = std::move(report)](QPagedPaintDevice& device,
                                                  const QDateTime& printed) {
        return renderReport(report, device, printed);
    };
    return document;
}

PrintDocument monthSheetDocument(std::vector<MonthSheet> sheets) {
    PrintDocument document;
    document.title = tx("druck_71", "Kalender");
    if (!sheets.empty()) {
        document.title +=
            QStringLiteral(" – ") + monthTitle(sheets.front().year, sheets.front().month);
    }
    document.landscape = true;
    document.paint = [sheets = std::move(sheets)](QPagedPaintDevice& device,
                                                  const QDateTime& printed) {
        return renderMonthSheets(sheets, device, printed);
    };
    return document;
}

void preparePages(QPagedPaintDevice& device, const PrintDocument& document) {
    device.setPageLayout(
        QPageLayout(QPageSize(QPageSize::A4),
                    document.landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                    QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter));
}

PrintOutcome writePdf(const PrintDocument& document, const QString& path,
                      const QDateTime& printed) {
    PrintOutcome outcome;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        outcome.error = tx("druck_100", "Die Datei %1 kann nicht angelegt werden: %2")
                            .arg(path, file.errorString());
        return outcome;
    }
    {
        QPdfWriter writer(&file);
        writer.setTitle(document.title);
        writer.setCreator(QStringLiteral("Corvina"));
        writer.setResolution(300);
        preparePages(writer, document);
        outcome.pages = document.paint(writer, printed);
    }
    if (outcome.pages == 0) {
        file.cancelWriting();
        outcome.error =
            tx("druck_101", "Die Seiten für %1 konnten nicht erzeugt werden.").arg(path);
        return outcome;
    }
    if (!file.commit()) {
        outcome.pages = 0;
        outcome.error = tx("druck_102", "Die Datei %1 konnte nicht geschrieben werden: %2")
                            .arg(path, file.errorString());
    }
    return outcome;
}

PrintOutcome printOn(const PrintDocument& document, QPrinter& printer, const QDateTime& printed) {
    PrintOutcome outcome;
    printer.setDocName(document.title);
    outcome.pages = document.paint(printer, printed);
    if (outcome.pages == 0 || printer.printerState() == QPrinter::Error) {
        outcome.pages = 0;
        const QString where =
            printer.outputFileName().isEmpty() ? printer.printerName() : printer.outputFileName();
        outcome.error =
            tx("druck_103", "Der Drucker %1 hat den Auftrag nicht angenommen.").arg(where);
    }
    return outcome;
}

}  // namespace corvina
