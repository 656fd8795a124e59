#include "phonelib/api/groupnames.h"

#include <gtest/gtest.h>

using namespace phonelib;

namespace {

void fill(GroupNames& names) {
    names.setDefaults({"Familie", "VIP", "Freunde", "Kollegen", "Andere", "Keine", "", "", "", "",
                       "", "Alle", "Keine Gruppe"});
}

TEST(GroupNames, LookupByIndex) {
    GroupNames names;
    fill(names);
    EXPECT_EQ(names.name(1), "VIP");
    EXPECT_EQ(names.name(12), "Keine Gruppe");
    EXPECT_EQ(names.name(13), "-");
    EXPECT_EQ(names.name(-1), "-");
}

TEST(GroupNames, IndexOfAName) {
    GroupNames names;
    fill(names);
    EXPECT_EQ(names.index(""), -1);
    EXPECT_EQ(names.index(" "), -1);
    EXPECT_EQ(names.index("Freunde"), 2);
    EXPECT_EQ(names.index("freunde"), 0);  // case matters; unknown names give 0
    names.setName(9, "VIP");
    EXPECT_EQ(names.index("VIP"), 9);  // the highest match
    names.setName(11, "Kollegen");
    EXPECT_EQ(names.index("Kollegen"), 3);  // 11 and 12 are not searched
}

TEST(GroupNames, ProfileCallerGroups) {
    GroupNames names;
    fill(names);
    EXPECT_EQ(names.callerGroupNames(3, 14), "Familie, VIP");
    EXPECT_EQ(names.callerGroupNames(16, 14), "Andere");
    EXPECT_EQ(names.callerGroupNames(0x1F, 14), "Familie, VIP, Freunde, Kollegen, Andere");
    EXPECT_EQ(names.callerGroupNames(8, 14), "Kollegen");
    EXPECT_EQ(names.callerGroupNames(0, 14), "-");
    EXPECT_EQ(names.callerGroupNames(0x21, 14), "-");
    EXPECT_EQ(names.callerGroupNames(0, 20), "Keine Gruppe");
    EXPECT_EQ(names.callerGroupNames(255, 19), "Alle");
    EXPECT_EQ(names.callerGroupNames(255, 14), "-");
    EXPECT_EQ(names.callerGroupNames(0x21, 21), "Familie");
}

TEST(GroupNames, DefaultsOfThePhones) {
    EXPECT_EQ(defaultGroupName(0), "Familie");
    EXPECT_EQ(defaultGroupName(4), "Andere");
    EXPECT_EQ(defaultGroupName(5), "Keine");
}

}  // namespace
