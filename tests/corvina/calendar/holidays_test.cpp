// Holidays of North Rhine-Westphalia.
#include "corvina/calendar/holidays.h"

#include <gtest/gtest.h>

namespace corvina {
namespace {

TEST(Holidays, EasterOfTheGregorianCalendar) {
    EXPECT_EQ(easterSunday(2024), QDate(2024, 3, 31));
    EXPECT_EQ(easterSunday(2038), QDate(2038, 4, 25));
    EXPECT_EQ(easterSunday(2285), QDate(2285, 3, 22));
    EXPECT_EQ(easterSunday(1583), QDate(1583, 4, 10));
}

TEST(Holidays, AllOf2024) {
    const std::map<QDate, QString> expected = {
        {{2024, 1, 1}, "Neujahr"},
        {{2024, 3, 29}, "Karfreitag"},
        {{2024, 4, 1}, "Ostermontag"},
        {{2024, 5, 1}, "1. Mai"},
        {{2024, 5, 9}, "Christi Himmelfahrt"},
        {{2024, 5, 20}, "Pfingstmontag"},
        {{2024, 5, 30}, "Fronleichnam"},
        {{2024, 10, 3}, "Tag der Deutschen Einheit"},
        {{2024, 11, 1}, "Allerheiligen"},
        {{2024, 12, 25}, "1. Weihnachtstag"},
        {{2024, 12, 26}, "2. Weihnachtstag"},
    };
    EXPECT_EQ(holidaysOf(2024), expected);
    EXPECT_EQ(holidayName({2024, 5, 30}), "Fronleichnam");
    EXPECT_TRUE(holidayName({2024, 5, 31}).isEmpty());
}

TEST(Holidays, CoincidingDaysAndOneOffs) {
    EXPECT_EQ(holidayName({2008, 5, 1}), "1. Mai / Christi Himmelfahrt");
    EXPECT_TRUE(holidayName({1989, 10, 3}).isEmpty());
    EXPECT_EQ(holidayName({1990, 10, 3}), "Tag der Deutschen Einheit");
    EXPECT_EQ(holidayName({2017, 10, 31}), "Reformationstag");
    EXPECT_TRUE(holidayName({2016, 10, 31}).isEmpty());
    EXPECT_TRUE(holidayName({2018, 10, 31}).isEmpty());
    EXPECT_TRUE(holidaysOf(1582).empty());
}

}  // namespace
}  // namespace corvina
