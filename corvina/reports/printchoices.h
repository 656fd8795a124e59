// Opens the print selection dialog for a module's data. Each module hands
// over what its window shows as plain rows; the dialog offers the choices
// of that report and deletes itself when closed.
#pragma once

#include <QString>
#include <vector>

#include "corvina/reports/calendarreport.h"
#include "corvina/reports/messagereport.h"
#include "corvina/reports/phonebookreport.h"

class QWidget;

namespace corvina {

class Tdruckform;

// tableName: the shown memory table ("SIM", "Telefon", "Adressbuch").
Tdruckform* openPhonebookPrint(QWidget* parent, const QString& tableName,
                               std::vector<PhonebookReportRow> rows);
// shownFolder: the folder choice of the message window; empty: all folders.
Tdruckform* openMessagePrint(QWidget* parent, const QString& shownFolder,
                             std::vector<MessageReportRow> rows);
// year, month: the month the calendar shows.
Tdruckform* openCalendarPrint(QWidget* parent, std::vector<CalendarReportNote> notes,
                              std::vector<Holiday> holidays, int year, int month);

}  // namespace corvina
