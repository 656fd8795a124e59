// Paints the calendar month sheet: one page per month, a box per day with
// its notes and holidays, weeks from Monday to Sunday.
#pragma once

#include <QDateTime>
#include <QPagedPaintDevice>
#include <vector>

#include "corvina/reports/calendarreport.h"

namespace corvina {

// Returns the number of pages, 0 when the device cannot be painted on.
int renderMonthSheets(const std::vector<MonthSheet>& sheets, QPagedPaintDevice& device,
                      const QDateTime& printed);

}  // namespace corvina
