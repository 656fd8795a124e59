// Lays a report out on pages and paints it: the title band on page 1,
// the column headings at the top of every band, rows kept whole unless a
// single row is taller than a page (then it continues on the next page at a
// line boundary), a group heading never alone at the foot of a page, the
// closing count, and the footer with the print date and "Seite n von m".
#pragma once

#include <QDateTime>
#include <QPagedPaintDevice>

#include "corvina/reports/report.h"

namespace corvina {

// Paints the report on the device, whose page layout is already set.
// Returns the number of pages, 0 when the device cannot be painted on.
int renderReport(const Report& report, QPagedPaintDevice& device, const QDateTime& printed);

}  // namespace corvina
