// The calendar report: the notes of the shown month, the shown year or all
// notes, by date and grouped by month, optionally with the public
// holidays; and the month sheet, one page per month with a box per day.
#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <map>
#include <vector>

#include "corvina/reports/report.h"

namespace corvina {

// Note types as the calendar window numbers them.
enum CalendarNoteType { kReminder = 0, kCall = 1, kMeeting = 2, kBirthday = 3, kTask = 4 };

// One note as the calendar window holds it.
struct CalendarReportNote {
    int type = kReminder;
    QDate date;  // birthdays: the date of birth
    QTime time;  // invalid: none
    QString text;
    QString number;  // calls
    bool alarmOn = false;
    QDateTime alarm;
    int repeatHours = 0;
    int birthYear = 0;  // birthdays; 0: the year of the date
};

struct Holiday {
    QDate date;
    QString name;
};

enum class CalendarRange { Month, Year, All };

struct CalendarReportOptions {
    CalendarRange range = CalendarRange::Month;
    int year = 0;   // the shown year
    int month = 1;  // the shown month
    bool holidays = true;
};

// One page of the month sheet: what goes into the box of each day.
struct MonthSheet {
    int year = 0;
    int month = 1;
    std::map<int, QStringList> notes;  // by day
    std::map<int, QString> holidays;   // by day
};

// "Januar" … "Dezember"
QString monthName(int month);
// "Juni 2024"
QString monthTitle(int year, int month);

Report calendarReport(const std::vector<CalendarReportNote>& notes,
                      const std::vector<Holiday>& holidays, const CalendarReportOptions& options);

// The months of the range; with CalendarRange::All the months that have notes.
std::vector<MonthSheet> calendarMonthSheets(const std::vector<CalendarReportNote>& notes,
                                            const std::vector<Holiday>& holidays,
                                            const CalendarReportOptions& options);

}  // namespace corvina
