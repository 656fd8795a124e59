#include "corvina/common/tgruppenwahlform.h"

#include <gtest/gtest.h>

#include <QPushButton>
#include <QSignalSpy>

#include "phonelib/api/status.h"

namespace corvina {
namespace {

// The library's group names; the phone may or may not be there to ask.
struct FakeGroups {
    std::vector<std::string> names{"Familie", "", "Kollegen", "-", "Keine", "Sport"};
    uint8_t downloadStatus = phonelib::stDone;
    int downloads = 0;

    GroupNameCalls calls() {
        return {[this] {
                    ++downloads;
                    return downloadStatus;
                },
                [this](int32_t i) {
                    return i >= 0 && i < static_cast<int32_t>(names.size()) ? names[i]
                                                                            : std::string("-");
                }};
    }
};

QStringList shown(const Tgruppenwahlform& dialog) {
    QStringList items;
    for (int i = 0; i < dialog.list()->count(); ++i) items << dialog.list()->item(i)->text();
    return items;
}

void press(Tgruppenwahlform& dialog, const char* button) {
    dialog.findChild<QPushButton*>(button)->click();
}

TEST(CallerGroupDialog, EntriesListSkipsPlaceholdersEndsBlankAndReturnsIndexAndName) {
    FakeGroups groups;
    Tgruppenwahlform dialog(nullptr, groups.calls());
    QSignalSpy chosen(&dialog, &Tgruppenwahlform::chosen);

    dialog.choose(CallerGroupList::Entries);
    EXPECT_EQ(groups.downloads, 1);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(shown(dialog), (QStringList{"Familie", "Kollegen", "Sport", ""}));
    EXPECT_EQ(dialog.list()->currentRow(), 0);

    dialog.list()->setCurrentRow(2);
    press(dialog, "ok");
    EXPECT_FALSE(dialog.isVisible());
    ASSERT_EQ(chosen.size(), 1);
    EXPECT_EQ(chosen[0][0].toInt(), 5) << "the group's own index, not its place in the list";
    EXPECT_EQ(chosen[0][1].toString(), "Sport");

    // The blank item stands for no group.
    dialog.choose(CallerGroupList::Entries);
    dialog.list()->setCurrentRow(3);
    press(dialog, "ok");
    ASSERT_EQ(chosen.size(), 2);
    EXPECT_EQ(chosen[1][0].toInt(), -1);
    EXPECT_EQ(chosen[1][1].toString(), "");
}

TEST(CallerGroupDialog, OfflineListsTheNamesTheLibraryHoldsAndAnUnknownGroupSelectsBlank) {
    FakeGroups groups;
    groups.downloadStatus = phonelib::stNotConnected;
    groups.names = {"VIP", "", "", "", "", ""};
    Tgruppenwahlform dialog(nullptr, groups.calls());
    QSignalSpy cancelled(&dialog, &Tgruppenwahlform::cancelled);

    dialog.choose(CallerGroupList::Entries, 4);
    EXPECT_TRUE(dialog.isVisible()) << "no phone: the dialog still offers what is known";
    EXPECT_EQ(shown(dialog), (QStringList{"VIP", ""}));
    EXPECT_EQ(dialog.list()->currentRow(), 1) << "group 4 is not in the list";
    dialog.choose(CallerGroupList::Entries, 0);
    EXPECT_EQ(dialog.list()->currentRow(), 0);

    press(dialog, "abbrechen");
    EXPECT_EQ(cancelled.size(), 1);
}

TEST(CallerGroupDialog, LogoListHoldsGroupsZeroToFourWithoutBlank) {
    FakeGroups groups;
    Tgruppenwahlform dialog(nullptr, groups.calls());
    QSignalSpy chosen(&dialog, &Tgruppenwahlform::chosen);

    dialog.choose(CallerGroupList::Logos, 3);
    EXPECT_EQ(shown(dialog), (QStringList{"Familie", "Gruppe 2", "Kollegen", "Gruppe 4", "Keine"}));
    EXPECT_EQ(dialog.list()->currentRow(), 3);
    dialog.choose(CallerGroupList::Logos, 7);
    EXPECT_EQ(dialog.list()->currentRow(), 0)
        << "no blank item: an unknown group selects the first";
    dialog.list()->setCurrentRow(2);
    press(dialog, "ok");
    ASSERT_EQ(chosen.size(), 1);
    EXPECT_EQ(chosen[0][0].toInt(), 2);
    EXPECT_EQ(chosen[0][1].toString(), "Kollegen");
}

}  // namespace
}  // namespace corvina
