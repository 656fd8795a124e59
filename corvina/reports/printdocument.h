// Something to print: a report or the month sheets, with the page
// orientation it wants, and the ways out: a printer (paper or preview) or a
// PDF file written atomically.
#pragma once

#include <QDateTime>
#include <QPagedPaintDevice>
#include <QString>
#include <functional>
#include <vector>

#include "corvina/reports/calendarreport.h"
#include "corvina/reports/report.h"

class QPrinter;

namespace corvina {

struct PrintDocument {
    QString title;
    bool landscape = false;
    // Paints every page; the number of pages, 0 when painting failed.
    std::function<int(QPagedPaintDevice& device, const QDateTime& printed)> paint;
};

PrintDocument reportDocument(Report report);
PrintDocument monthSheetDocument(std::vector<MonthSheet> sheets);

// A4 with 15 mm margins in the document's orientation.
void preparePages(QPagedPaintDevice& device, const PrintDocument& document);

struct PrintOutcome {
    int pages = 0;
    QString error;  // empty on success
    bool ok() const { return error.isEmpty(); }
};

// Writes a temporary file beside the target and renames it over the target
// only when complete: a failure leaves nothing behind.
PrintOutcome writePdf(const PrintDocument& document, const QString& path,
                      const QDateTime& printed = QDateTime::currentDateTime());

// Paints on a printer the user has set up (or a preview's printer).
PrintOutcome printOn(const PrintDocument& document, QPrinter& printer,
                     const QDateTime& printed = QDateTime::currentDateTime());

}  // namespace corvina
