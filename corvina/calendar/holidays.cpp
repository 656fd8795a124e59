#include "corvina/calendar/holidays.h"

#include "corvina/language/language.h"

namespace corvina {

namespace {

constexpr int kUnityDayFrom = 1990;
constexpr int kReformationJubilee = 2017;

void add(std::map<QDate, QString>& days, const QDate& day, const QString& name) {
    QString& names = days[day];
    names = names.isEmpty() ? name : names + QStringLiteral(" / ") + name;
}

}  // namespace

QDate easterSunday(int year) {
    // The Gregorian computus (Meeus/Jones/Butcher).
    const int a = year % 19;
    const int b = year / 100;
    const int c = year % 100;
    const int d = b / 4;
    const int e = b % 4;
    const int f = (b + 8) / 25;
    const int g = (b - f + 1) / 3;
    const int h = (19 * a + b - d - g + 15) % 30;
    const int i = c / 4;
    const int k = c % 4;
    const int l = (32 + 2 * e + 2 * i - h - k) % 7;
    const int m = (a + 11 * h + 22 * l) / 451;
    const int month = (h + l - 7 * m + 114) / 31;
    const int day = (h + l - 7 * m + 114) % 31 + 1;
    return {year, month, day};
}

std::map<QDate, QString> holidaysOf(int year) {
    std::map<QDate, QString> days;
    if (year < kFirstGregorianYear) return days;
    const QDate easter = easterSunday(year);
    add(days, {year, 1, 1}, tx("feiertag_1", "Neujahr"));
    add(days, easter.addDays(-2), tx("feiertag_2", "Karfreitag"));
    add(days, easter.addDays(1), tx("feiertag_3", "Ostermontag"));
    add(days, {year, 5, 1}, tx("feiertag_4", "1. Mai"));
    add(days, easter.addDays(39), tx("feiertag_5", "Christi Himmelfahrt"));
    add(days, easter.addDays(50), tx("feiertag_6", "Pfingstmontag"));
    add(days, easter.addDays(60), tx("feiertag_7", "Fronleichnam"));
    if (year >= kUnityDayFrom)
        add(days, {year, 10, 3}, tx("feiertag_8", "Tag der Deutschen Einheit"));
    if (year == kReformationJubilee) add(days, {year, 10, 31}, tx("feiertag_9", "Reformationstag"));
    add(days, {year, 11, 1}, tx("feiertag_10", "Allerheiligen"));
    add(days, {year, 12, 25}, tx("feiertag_11", "1. Weihnachtstag"));
    add(days, {year, 12, 26}, tx("feiertag_12", "2. Weihnachtstag"));
    return days;
}

QString holidayName(const QDate& day) {
    const auto days = holidaysOf(day.year());
    const auto found = days.find(day);
    return found == days.end() ? QString() : found->second;
}

}  // namespace corvina
