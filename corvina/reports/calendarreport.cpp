#include "corvina/reports/calendarreport.h"

#include <algorithm>
#include <set>

#include "corvina/language/language.h"

namespace corvina {

namespace {

// A note or a holiday on the day it falls on in the printed range.
struct Occurrence {
    QDate day;
    QTime time;
    const CalendarReportNote* note = nullptr;  // null: a holiday
    const Holiday* holiday = nullptr;
};

QString typeName(int type) {
    switch (type) {
        case kCall:
            return tx("druck_60", "Anruf");
        case kMeeting:
            return tx("druck_61", "Meeting");
        case kBirthday:
            return tx("druck_62", "Geburtstag");
        case kTask:
            return tx("druck_63", "Aufgabe");
        default:
            return tx("druck_64", "Erinnerung");
    }
}

QString repeatText(int hours) {
    switch (hours) {
        case 0:
            return {};
        case 24:
            return tx("druck_65", "jeden Tag");
        case 168:
            return tx("druck_66", "jede Woche");
        case 744:
            return tx("druck_67", "jeden Monat");
        case 8760:
            return tx("druck_68", "jedes Jahr");
        default:
            return tx("druck_69", "alle %1 Stunden").arg(hours);
    }
}

int birthYearOf(const CalendarReportNote& note) {
    return note.birthYear > 0 ? note.birthYear : note.date.year();
}

// The text of a note as printed: birthdays with their year, calls with
// their number.
QString noteText(const CalendarReportNote& note) {
    if (note.type == kBirthday) {
        return note.text + QStringLiteral(" (") + QString::number(birthYearOf(note)) +
               QLatin1Char(')');
    }
    if (note.type == kCall && !note.number.isEmpty()) {
        return note.text.isEmpty() ? note.number : note.text + QStringLiteral(", ") + note.number;
    }
    return note.text;
}

// A birthday recurs every year; 29 February falls on the 28th otherwise.
QDate birthdayIn(const QDate& birth, int year) {
    int day = birth.day();
    if (birth.month() == 2 && day == 29 && !QDate::isLeapYear(year)) day = 28;
    return QDate(year, birth.month(), day);
}

bool inRange(const QDate& day, const CalendarReportOptions& options) {
    switch (options.range) {
        case CalendarRange::Month:
            return day.year() == options.year && day.month() == options.month;
        case CalendarRange::Year:
            return day.year() == options.year;
        case CalendarRange::All:
            return true;
    }
    return false;
}

std::vector<Occurrence> occurrences(const std::vector<CalendarReportNote>& notes,
                                    const std::vector<Holiday>& holidays,
                                    const CalendarReportOptions& options) {
    std::vector<Occurrence> found;
    std::set<std::pair<int, int>> monthsWithNotes;
    for (const CalendarReportNote& note : notes) {
        if (!note.date.isValid()) continue;
        const QDate day = note.type == kBirthday && options.range != CalendarRange::All
                              ? birthdayIn(note.date, options.year)
                              : note.date;
        if (!inRange(day, options)) continue;
        found.push_back({day, note.type == kBirthday ? QTime() : note.time, &note, nullptr});
        monthsWithNotes.insert({day.year(), day.month()});
    }
    if (options.holidays) {
        for (const Holiday& holiday : holidays) {
            const bool wanted =
                options.range == CalendarRange::All
                    ? monthsWithNotes.count({holiday.date.year(), holiday.date.month()}) > 0
                    : inRange(holiday.date, options);
            if (wanted) found.push_back({holiday.date, QTime(), nullptr, &holiday});
        }
    }
    // By day; holidays and notes without a time first, then by time.
    std::stable_sort(found.begin(), found.end(), [](const Occurrence& a, const Occurrence& b) {
        if (a.day != b.day) return a.day < b.day;
        if (a.time.isValid() != b.time.isValid()) return !a.time.isValid();
        return a.time < b.time;
    });
    return found;
}

QString rangeText(const CalendarReportOptions& options) {
    switch (options.range) {
        case CalendarRange::Month:
            return monthTitle(options.year, options.month);
        case CalendarRange::Year:
            return QString::number(options.year);
        case CalendarRange::All:
            return tx("druck_70", "alle Termine");
    }
    return {};
}

}  // namespace

QString monthName(int month) {
    switch (month) {
        case 1:
            return tx("kalender_6", "Januar");
        case 2:
            return tx("kalender_7", "Februar");
        case 3:
            return tx("kalender_8", "März");
        case 4:
            return tx("kalender_9", "April");
        case 5:
            return tx("kalender_10", "Mai");
        case 6:
            return tx("kalender_11", "Juni");
        case 7:
            return tx("kalender_12", "Juli");
        case 8:
            return tx("kalender_13", "August");
        case 9:
            return tx("kalender_14", "September");
        case 10:
            return tx("kalender_15", "Oktober");
        case 11:
            return tx("kalender_16", "November");
        default:
            return tx("kalender_17", "Dezember");
    }
}

QString monthTitle(int year, int month) {
    return monthName(month) + QLatin1Char(' ') + QString::number(year);
}

Report calendarReport(const std::vector<CalendarReportNote>& notes,
                      const std::vector<Holiday>& holidays, const CalendarReportOptions& options) {
    Report report;
    report.title = tx("druck_71", "Kalender") + QStringLiteral(" – ") + rangeText(options);
    report.subtitle = options.holidays ? tx("druck_72", "nach Datum, mit Feiertagen")
                                       : tx("druck_73", "nach Datum");
    report.columns = {{tx("druck_49", "Datum"), 1.0}, {tx("druck_74", "Zeit"), 0.6},
                      {tx("druck_75", "Art"), 1.0},   {tx("druck_52", "Text"), 2.8},
                      {tx("druck_76", "Alarm"), 1.4}, {tx("druck_77", "Wiederholung"), 1.1}};
    int count = 0;
    QDate month;
    for (const Occurrence& o : occurrences(notes, holidays, options)) {
        const QDate first(o.day.year(), o.day.month(), 1);
        if (first != month) {
            month = first;
            report.rows.push_back({monthTitle(first.year(), first.month()), {}});
        }
        const QString date = o.day.toString(QStringLiteral("dd.MM.yyyy"));
        if (o.holiday) {
            report.rows.push_back({{},
                                   {date,
                                    {},
                                    tx("druck_78", "Feiertag"),
                                    ReportCell({o.holiday->name}, {0}),
                                    {},
                                    {}}});
            continue;
        }
        const CalendarReportNote& note = *o.note;
        const QString alarm = note.alarmOn && note.alarm.isValid()
                                  ? note.alarm.toString(QStringLiteral("dd.MM.yy hh:mm"))
                                  : QString();
        report.rows.push_back(
            {{},
             {date, o.time.isValid() ? o.time.toString(QStringLiteral("hh:mm")) : QString(),
              typeName(note.type), noteText(note), alarm, repeatText(note.repeatHours)}});
        ++count;
    }
    report.closingCount = entryCountText(count);
    return report;
}

std::vector<MonthSheet> calendarMonthSheets(const std::vector<CalendarReportNote>& notes,
                                            const std::vector<Holiday>& holidays,
                                            const CalendarReportOptions& options) {
    std::map<std::pair<int, int>, MonthSheet> sheets;
    auto sheetOf = [&sheets](const QDate& day) -> MonthSheet& {
        MonthSheet& sheet = sheets[{day.year(), day.month()}];
        sheet.year = day.year();
        sheet.month = day.month();
        return sheet;
    };
    if (options.range == CalendarRange::Month) {
        sheetOf(QDate(options.year, options.month, 1));
    } else if (options.range == CalendarRange::Year) {
        for (int m = 1; m <= 12; ++m) sheetOf(QDate(options.year, m, 1));
    }
    for (const Occurrence& o : occurrences(notes, holidays, options)) {
        MonthSheet& sheet = sheetOf(o.day);
        if (o.holiday) {
            QString& name = sheet.holidays[o.day.day()];
            name = name.isEmpty() ? o.holiday->name : name + QStringLiteral(", ") + o.holiday->name;
            continue;
        }
        const QString time = o.time.isValid()
                                 ? o.time.toString(QStringLiteral("hh:mm")) + QLatin1Char(' ')
                                 : QString();
        sheet.notes[o.day.day()] << time + noteText(*o.note);
    }
    std::vector<MonthSheet> result;
    for (auto& [key, sheet] : sheets) result.push_back(std::move(sheet));
    return result;
}

}  // namespace corvina
