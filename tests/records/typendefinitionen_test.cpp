#include "records/typendefinitionen.h"

#include <gtest/gtest.h>

TEST(Records, FreshPhonebookEntryIsEmpty) {
    const TPhoneBookEntry entry;
    EXPECT_EQ(entry.empty, 0);
    EXPECT_TRUE(entry.name.empty());
    EXPECT_EQ(entry.numberCount, 0);
    EXPECT_EQ(entry.textCount, 0);
    EXPECT_TRUE(entry.numbers.empty());
    EXPECT_TRUE(entry.texts.empty());
    EXPECT_EQ(entry.group.size, 0);
    for (auto b : entry.group.rowData) ASSERT_EQ(b, 0);
}

TEST(Records, CarriedFieldsSurviveCopies) {
    TPhoneBookEntry entry;
    entry.secondName = "zweiter";
    entry.address.lines = {"a", "b", "c", "d"};
    TProfile profile;
    profile.extraText = "x";
    profile.extraValue = 42;
    TCalendarEntry note;
    note.extraBlock.year = 1999;
    note.extraBlock.reserved = 7;

    const TPhoneBookEntry entryCopy = entry;
    const TProfile profileCopy = profile;
    const TCalendarEntry noteCopy = note;
    EXPECT_EQ(entryCopy.secondName, "zweiter");
    EXPECT_EQ(entryCopy.address.lines[3], "d");
    EXPECT_EQ(profileCopy.extraText, "x");
    EXPECT_EQ(profileCopy.extraValue, 42);
    EXPECT_EQ(noteCopy.extraBlock.year, 1999);
    EXPECT_EQ(noteCopy.extraBlock.reserved, 7);
}

TEST(Records, FixedCapacities) {
    EXPECT_EQ(GSMBitmap{}.rowData.size(), 1501u);
    EXPECT_EQ(GSMSMS{}.storedBody.size(), 200u);
    EXPECT_EQ(tsmsfolder{}.locations.size(), 512u);
    EXPECT_EQ(tsmsinfo{}.folders.size(), 30u);
    EXPECT_EQ(TCalendarInfo{}.locations.size(), 1000u);
    EXPECT_EQ(TWap{}.links.size(), 15u);
    EXPECT_EQ(TENTRY{}.parts.size(), 201u);
}
