// Sorting, free locations, compaction, the filter and undo of a memory table.
#include "corvina/phonebook/phonebooktable.h"

#include <gtest/gtest.h>

#include "corvina/phonebook/softwarenotice.h"
#include "records/typendefinitionen.h"

namespace corvina {
namespace {

PhonebookRow row(const QString& location, const QString& name, const QString& mobile = {}) {
    PhonebookRow r;
    r.cells[colLocation] = location;
    r.cells[colName] = name;
    r.cells[colMobile] = mobile;
    return r;
}

QStringList names(const PhonebookTable& table) {
    QStringList list;
    for (const auto& r : table.rows()) list << r.cells[colName];
    return list;
}

TEST(PhonebookTableSort, StableEmptiesLastAndHeaderClicksAlternate) {
    PhonebookTable table(memSim);
    for (const auto& [location, name] : std::vector<std::pair<QString, QString>>{
             {"1", "b"}, {"2", ""}, {"3", "A"}, {"10", "a"}, {"9", "c"}}) {
        table.appendRow(row(location, name));
    }
    table.sortByHeader(colName);
    EXPECT_EQ(names(table), (QStringList{"c", "b", "A", "a", ""})) << "first click: descending";
    table.sortByHeader(colName);
    EXPECT_EQ(names(table), (QStringList{"A", "a", "b", "c", ""})) << "equal keys keep their order";
    table.sortByHeader(colLocation);
    EXPECT_EQ(names(table), (QStringList{"a", "c", "A", "", "b"})) << "numbers, not text";

    EXPECT_EQ(table.sortByLetter(QChar('B')), 2);
    table.sortByHeader(colName);
    EXPECT_EQ(names(table).first(), "c") << "after a letter the next click sorts descending";
    EXPECT_EQ(table.sortByLetter(QChar('x')), -1);
}

TEST(PhonebookTableLocations, EmptyMeansNoNameNumberOrTextAndCompactionFollowsLocations) {
    PhonebookTable table(memSim);
    table.appendRow(row("9", "Neun"));
    table.appendRow(row("1", "Eins"));
    table.appendRow(row("2", "", "0171"));  // a mobile number alone is an entry
    PhonebookRow groupOnly = row("4", "");
    groupOnly.cells[colGroup] = "VIP";  // a group alone is none
    table.appendRow(groupOnly);
    PhonebookRow unread = row("3", "");
    unread.unread = true;
    table.appendRow(unread);
    table.appendRow(row("x", "Ohne Platz"));
    table.appendRow(row("6", ""));

    EXPECT_FALSE(table.row(2).isEmpty());
    EXPECT_TRUE(table.row(3).isEmpty());
    EXPECT_EQ(table.firstFreeLocation(), 4) << "1 and 2 taken, 3 unread";
    EXPECT_EQ(table.occupiedCount(), 4);

    const auto moves = table.compact();
    EXPECT_EQ(moves, (std::vector<LocationMove>{{9, 4}})) << "the rest is in place or unread";
    const auto at = [&](int location) { return table.row(table.indexOfLocation(location)); };
    EXPECT_EQ(at(4).cells[colName], "Neun");
    EXPECT_TRUE(at(9).isEmpty()) << "the old location stays, empty, to be cleared";
    EXPECT_EQ(at(5).cells[colName], "Ohne Platz") << "a row without location gets the next one";
    EXPECT_TRUE(at(3).unread);
    EXPECT_EQ(table.indexOfLocation(0), -1);
    for (const auto& r : table.rows()) EXPECT_TRUE(r.location().has_value());
    EXPECT_TRUE(at(4).changed);

    table.clearRows({table.indexOfLocation(3)});
    EXPECT_TRUE(at(3).unread) << "deleting leaves what the phone holds there alone";

    table.removeTrailingEmptyRows();
    EXPECT_EQ(table.highestLocation(), 5);
}

TEST(PhonebookTableEdits, FilterByNameOrDigitsAndUndoRedo) {
    PhonebookRow anna = row("1", "Anna Schmidt", "+49 171 2345\r");
    EXPECT_TRUE(rowMatchesFilter(anna, "schmi"));
    EXPECT_TRUE(rowMatchesFilter(anna, "0171 23") == false) << "digits must appear as given";
    EXPECT_TRUE(rowMatchesFilter(anna, "171-23"));
    EXPECT_TRUE(rowMatchesFilter(anna, ""));
    EXPECT_FALSE(rowMatchesFilter(anna, "Bert"));

    PhonebookTable table(memPhone);
    table.appendRow(anna);
    table.beginEdit();
    table.clearRows({0});
    EXPECT_TRUE(table.hasUnsentEdits());
    ASSERT_TRUE(table.undo());
    EXPECT_EQ(table.row(0).cells[colName], "Anna Schmidt");
    ASSERT_TRUE(table.redo());
    EXPECT_TRUE(table.row(0).isEmpty());
    table.forgetHistory(true);
    EXPECT_FALSE(table.canUndo());
    EXPECT_FALSE(table.hasUnsentEdits());
}

TEST(PhonebookRowFields, ADashIsNotAvailableAndCountsBlank) {
    PhonebookRow r = row("1", "Anna");
    r.setField(colEmail, "-");
    EXPECT_EQ(r.cells[colEmail], "n.a.");
    EXPECT_TRUE(r.isNotAvailable(colEmail));
    EXPECT_EQ(r.value(colEmail), "");
    r.setField(colName, "-");
    EXPECT_TRUE(r.isEmpty());
    r.setField(colEmail, "a@b.c");
    EXPECT_FALSE(r.isNotAvailable(colEmail));
}

TEST(PhonebookSoftwareNotice, OnlyANokia3310BelowVersion424IsWarned) {
    const auto old = phonebookSoftwareNotice(11, "V 4.20");
    ASSERT_TRUE(old.has_value());
    EXPECT_TRUE(old->contains("Momentane Softwareversion: V 4.20"));
    EXPECT_FALSE(phonebookSoftwareNotice(11, "v05.24"));
    EXPECT_FALSE(phonebookSoftwareNotice(11, "unbekannt"));
    EXPECT_FALSE(phonebookSoftwareNotice(14, "V 4.20"));
}

}  // namespace
}  // namespace corvina
