// The note table: date order, the two lists, marked days with repeats and
// birthdays, and the take-over rules.
#include "corvina/calendar/notetable.h"

#include <gtest/gtest.h>

#include "tests/corvina/calendar/fixedtable.h"

namespace corvina {
namespace {

using testing_calendar::fixedTable;
using testing_calendar::makeNote;

TEST(NoteTable, SortsByDateWithBirthdaysInTheShownYearAndKeepsEqualsInOrder) {
    NoteTable table(fixedTable());
    CalendarNote twin = table.at(0);
    twin.text = "Zweites Projekt";
    table.append(twin);
    table.sortByDate(2024);
    QStringList rows;
    for (const int i : table.filtered(-1)) rows << noteListText(table.at(i));
    EXPECT_EQ(rows,
              (QStringList{"10.03.2024 Steuererklärung", "04.05.xxxx Anna", "12.06.2024 Projekt",
                           "12.06.2024 Zweites Projekt", "01.07.2024 Anruf Anna",
                           "02.09.2024 Zahnarzt Dr. Müller, Praxis am Ring 12"}));
    table.sortByDate(2025);
    EXPECT_EQ(noteListText(table.at(5)), "04.05.xxxx Anna") << "after the 2024 notes";
    EXPECT_EQ(table.filtered(ntCall), std::vector<int>{3});
}

TEST(NoteTable, DaysOfRepeatsAndBirthdays) {
    NoteTable table(fixedTable());
    // The weekly task from 10 March 2024.
    EXPECT_EQ(table.markedDays(2024, 3), (QSet<int>{10, 17, 24, 31}));
    EXPECT_TRUE(table.markedDays(2024, 2).isEmpty());
    // The birthday in every year, before its birth too.
    EXPECT_TRUE(table.markedDays(1950, 5).contains(4));
    // Every 36 hours from 2 September 07:45: 3rd 19:45, 5th 07:45, 6th 19:45.
    const QSet<int> september = table.markedDays(2024, 9);
    EXPECT_TRUE(september.contains(2) && september.contains(3) && september.contains(5) &&
                september.contains(6));
    EXPECT_FALSE(september.contains(4));
    EXPECT_EQ(table.onDay({2024, 3, 17}), std::vector<int>{3});

    CalendarNote monthly = makeNote(ntMeeting, "Monatsende", {2024, 1, 31, 9, 0, 0, 0}, {}, false);
    monthly.repeat = kRepeatMonthly;
    EXPECT_TRUE(fallsOn(monthly, {2024, 2, 29}));
    EXPECT_TRUE(fallsOn(monthly, {2024, 4, 30}));
    EXPECT_FALSE(fallsOn(monthly, {2023, 12, 31})) << "never before the start";
}

TEST(NoteTable, LeapDayBirthdayFallsOnTheLastOfFebruary) {
    CalendarNote leap = makeNote(ntBirthday, "Schaltkind", {1996, 2, 29, 0, 0, 0, 0}, {}, false);
    EXPECT_EQ(shownDate(leap, 2023), QDate(2023, 2, 28));
    EXPECT_EQ(shownDate(leap, 2024), QDate(2024, 2, 29));
    NoteTable table({leap});
    EXPECT_EQ(table.markedDays(2023, 2), QSet<int>{28});
    EXPECT_EQ(table.onDay({2023, 2, 28}), std::vector<int>{0});
}

TEST(NoteTable, RemovingKeepsOrderAndTakeOverSkipsDuplicatesAndStopsWhenFull) {
    NoteTable table(fixedTable());
    table.remove(1);
    EXPECT_EQ(table.count(), 4);
    EXPECT_EQ(noteText(table.at(1).text), "Anna");

    CalendarNote copy = fixedTable()[0];
    copy.text = "  Projekt ";  // blanks around do not count
    CalendarNote otherYear = fixedTable()[2];
    otherYear.start.year = 1999;  // a birthday is the same on the same day
    CalendarNote fresh = makeNote(ntReminder, "Neu", {2024, 1, 1, 8, 0, 0, 0}, {}, false);
    TakeOverCount count = takeOver(table, {copy, otherYear, fresh});
    EXPECT_EQ(count.taken, 1);
    EXPECT_EQ(count.duplicates, 2);
    count = takeOver(table, {fresh});
    EXPECT_EQ(count.duplicates, 1) << "taking over twice adds nothing";

    NoteTable full;
    for (int i = 0; i < kNoteTableSize; ++i)
        full.append(makeNote(ntReminder, "x", {2000 + i, 1, 1, 0, 0, 0, 0}, {}, false));
    count = takeOver(full, {fresh, fixedTable()[0]});
    EXPECT_EQ(count.taken, 0);
    EXPECT_EQ(count.left.size(), 2u);
    EXPECT_FALSE(full.append(fresh));
}

}  // namespace
}  // namespace corvina
