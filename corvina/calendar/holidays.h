// Public holidays of North Rhine-Westphalia, shown in the month calendar,
// for any year of the Gregorian calendar (from 1583).
#pragma once

#include <QDate>
#include <QString>
#include <map>

namespace corvina {

constexpr int kFirstGregorianYear = 1583;

// Easter Sunday of the Gregorian calendar.
QDate easterSunday(int year);

// The holidays of the year by day; days with two holidays name both
// ("Christi Himmelfahrt / 1. Mai"). Empty before 1583.
std::map<QDate, QString> holidaysOf(int year);

// The holiday name of the day, empty on other days.
QString holidayName(const QDate& day);

}  // namespace corvina
