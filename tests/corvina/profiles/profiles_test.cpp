// The profile window's logic against fake phones of each family: the list,
// the editor's controls and values, writing and reading back.
#include <gtest/gtest.h>

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>

#include "corvina/common/textexport.h"
#include "corvina/profiles/profilebook.h"
#include "corvina/profiles/profilechoices.h"
#include "corvina/profiles/profiletexts.h"
#include "tests/corvina/profiles/fakeprofilephone.h"
#include "tests/corvina/waitfor.h"

namespace corvina {
namespace {

using phonelib::ProfileSetting;
using testing::FakeProfilePhone;
using testing_support::waitFor;

ProfileEditorRules rulesOf(ProfileBook& book) {
    const auto& lib = book.library();
    return profileEditorRules(book.family(), book.modelId(),
                              [&](int32_t n) { return lib.ringtoneName(n, book.modelCode()); });
}

bool readList(ProfileBook& book) {
    QSignalSpy done(&book, &ProfileBook::readFinished);
    book.read();
    return waitFor([&] { return done.size() == 1 && !book.busy(); });
}

ProfileWrite writeRow(ProfileBook& book, int row, const TProfile& values) {
    QSignalSpy done(&book, &ProfileBook::writeFinished);
    book.write(row, values);
    EXPECT_TRUE(waitFor([&] { return done.size() == 1 && !book.busy(); }));
    return done.isEmpty() ? ProfileWrite{} : done.first().first().value<ProfileWrite>();
}

template <typename T>
T pick(const QList<T>& options, int round) {
    return options.at(round % options.size());
}

// Every control set to its round-th choice (round modulo the choices).
ProfileChoices roundChoices(const ProfileEditorRules& rules, const TProfile& values, int round) {
    ProfileChoices c = choicesOf(rules, values);
    QList<int32_t> modes, tones;
    for (const ChoiceItem& item : rules.ringingModes) modes << item.value;
    for (const ChoiceItem& item : ringtoneItems(rules, values)) tones << item.value;
    const QList<int32_t> volumes = {1, 2, 3, 4, 5};
    c.ringingMode = pick(modes, round);
    c.ringtone = pick(tones, round);
    c.volume = rules.volumeLow + round % (rules.volumeHigh - rules.volumeLow + 1);
    c.vibration = rules.vibration ? std::optional<bool>(round % 2 == 1) : std::nullopt;
    if (rules.earpieceVolume) c.earpieceVolume = round % 5;
    if (!rules.nokiaSettings) return c;
    c.keypadTones = round % 4;
    c.messageTone = round % 5;
    c.warningTones = round % 2 == 0;
    c.lights = round % 3 == 0;
    c.automaticAnswer = round % 2 == 1;
    c.groupsChosen = true;
    c.allCalls = rules.allCallsGroup && round == 3;
    for (int g = 0; g < kEditorCallerGroups; ++g) c.groups[g] = ((round + 1) >> g) & 1;
    return c;
}

void expectSameControls(const ProfileEditorRules& rules, const ProfileChoices& set,
                        const ProfileChoices& read, int round) {
    SCOPED_TRACE(round);
    EXPECT_EQ(read.ringingMode, set.ringingMode);
    EXPECT_EQ(read.ringtone, set.ringtone);
    if (volumeEnabled(rules, set)) {
        EXPECT_EQ(read.volume, set.volume);
    }
    EXPECT_EQ(read.vibration, set.vibration);
    EXPECT_EQ(read.earpieceVolume, set.earpieceVolume);
    EXPECT_EQ(read.keypadTones, set.keypadTones);
    EXPECT_EQ(read.messageTone, set.messageTone);
    EXPECT_EQ(read.warningTones, set.warningTones);
    EXPECT_EQ(read.lights, set.lights);
    EXPECT_EQ(read.automaticAnswer, set.automaticAnswer);
    EXPECT_EQ(read.allCalls, set.allCalls);
    if (!set.allCalls) {
        EXPECT_EQ(read.groups, set.groups);
    }
}

struct FamilyCase {
    const char* name;
    phonelib::ProfileFamily family;
    uint8_t modelId;
};

class EditorRoundTrip : public ::testing::TestWithParam<FamilyCase> {};

// Every choice of every control goes to the phone as its family's codes and
// comes back as the same controls. A table of the wrong family (61xx codes
// for a 6310) fails here.
TEST_P(EditorRoundTrip, EveryChoiceComesBack) {
    FakeProfilePhone phone(GetParam().family, GetParam().modelId);
    ProfileBook book(phone.library());
    ASSERT_TRUE(readList(book));
    ASSERT_FALSE(book.rows().empty());
    const ProfileEditorRules rules = rulesOf(book);
    const int row = static_cast<int>(book.rows().size()) - 1;
    for (int round = 0; round < 6; ++round) {
        const TProfile before = book.rows()[row].profile;
        const ProfileChoices set = roundChoices(rules, before, round);
        ASSERT_TRUE(missingChoices(rules, set, before).isEmpty()) << round;
        const ProfileWrite result = writeRow(book, row, valuesOf(rules, set, before));
        ASSERT_TRUE(result.done()) << round;
        ASSERT_TRUE(book.rows()[row].read());
        expectSameControls(rules, set, choicesOf(rules, book.rows()[row].profile), round);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Families, EditorRoundTrip,
    ::testing::Values(FamilyCase{"Nokia6110", phonelib::ProfileFamily::Nokia61xx, 14},
                      FamilyCase{"Nokia6310", phonelib::ProfileFamily::Nokia7110, 20},
                      FamilyCase{"Nokia8310", phonelib::ProfileFamily::Nokia7110, 18},
                      FamilyCase{"SiemensS35i", phonelib::ProfileFamily::Siemens, 3}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ProfileEditor, FamilyOfTheProfileProceduresChoosesListsAndCodes) {
    const auto names = [](int32_t n) { return std::to_string(n); };
    const auto modesOf = [](const ProfileEditorRules& rules) {
        QList<int32_t> modes;
        for (const ChoiceItem& item : rules.ringingModes) modes << item.value;
        return modes;
    };
    EXPECT_EQ(modesOf(profileEditorRules(phonelib::ProfileFamily::Nokia61xx, 14, names)),
              (QList<int32_t>{0, 3, 5, 2, 1, 4}));
    // The 6310 and the 8310 have no "Anrufergruppe" but "Alle Anrufe".
    const auto r6310 = profileEditorRules(phonelib::ProfileFamily::Nokia7110, 20, names);
    EXPECT_EQ(modesOf(r6310), (QList<int32_t>{0, 3, 5, 2, 1}));
    EXPECT_TRUE(r6310.allCallsGroup);
    EXPECT_EQ(modesOf(profileEditorRules(phonelib::ProfileFamily::Siemens, 0, names)),
              (QList<int32_t>{0, 1, 5}));  // no single beep on the S25
    EXPECT_EQ(modesOf(profileEditorRules(phonelib::ProfileFamily::Siemens, 3, names)),
              (QList<int32_t>{0, 3, 1, 5}));
    EXPECT_TRUE(
        profileEditorRules(phonelib::ProfileFamily::Nokia61xx, 11, names).groupModeFallsBack);
    EXPECT_EQ(
        chosenRingingMode(profileEditorRules(phonelib::ProfileFamily::Nokia61xx, 15, names), 4), 0);

    // A 6310 writes the 7110 family's codes: volume 5 is 04, not 0A.
    FakeProfilePhone phone(phonelib::ProfileFamily::Nokia7110, 20);
    ProfileBook book(phone.library());
    ASSERT_TRUE(readList(book));
    TProfile values = book.rows()[1].profile;
    values.volume = 5;
    ASSERT_TRUE(writeRow(book, 1, values).done());
    EXPECT_EQ(phone.written.back().volume, 4);
    EXPECT_EQ(phone.written.back().profileNumber, 1);
}

// An unknown code shows "–" and leaves the control without a choice; OK asks
// and nothing is sent.
TEST(ProfileEditor, UnknownValuesAreAskedForNotGuessed) {
    FakeProfilePhone phone;
    phone.codes[2].volume = 0x03;  // no volume code the program knows
    phone.codes[2].lights = 0x07;
    ProfileBook book(phone.library());
    ASSERT_TRUE(readList(book));
    const ProfileRow& row = book.rows()[2];
    EXPECT_EQ(row.profile.volume, -1);
    const QStringList texts = profileRowTexts(book.family(), row);
    EXPECT_EQ(texts[3], "–");
    EXPECT_EQ(texts[9], "–");

    const ProfileEditorRules rules = rulesOf(book);
    ProfileChoices choices = choicesOf(rules, row.profile);
    EXPECT_FALSE(choices.volume);
    EXPECT_FALSE(choices.lights);
    EXPECT_EQ(missingChoices(rules, choices, row.profile),
              (QList<ProfileSetting>{ProfileSetting::Volume, ProfileSetting::Lights}));
    const ProfileWrite refused = writeRow(book, 2, valuesOf(rules, choices, row.profile));
    EXPECT_EQ(refused.uncoded, ProfileSetting::Lights);  // the first in the phone's order
    EXPECT_TRUE(phone.written.empty());

    choices.volume = 2;
    choices.lights = true;
    EXPECT_TRUE(missingChoices(rules, choices, book.rows()[2].profile).isEmpty());
    ASSERT_TRUE(writeRow(book, 2, valuesOf(rules, choices, book.rows()[2].profile)).done());
    EXPECT_EQ(phone.codes[2].volume, 0x07);
}

TEST(ProfileEditor, RingtoneOutsideTheListIsPreselectedAndKept) {
    FakeProfilePhone phone;
    phone.codes[0].ringtoneNumber = 0x42;  // no name: not in the list
    ProfileBook book(phone.library());
    ASSERT_TRUE(readList(book));
    const ProfileEditorRules rules = rulesOf(book);
    const TProfile& values = book.rows()[0].profile;
    const QList<ChoiceItem> items = ringtoneItems(rules, values);
    EXPECT_EQ(items,
              (QList<ChoiceItem>{{20, "Ring A"}, {35, "Ring B"}, {0x42, "66"}, {120, "Ring C"}}));
    ProfileChoices choices = choicesOf(rules, values);
    EXPECT_EQ(choices.ringtone, 0x42);
    choices.volume = 5;
    ASSERT_TRUE(writeRow(book, 0, valuesOf(rules, choices, values)).done());
    EXPECT_EQ(phone.written.back().ringtoneNumber, 0x42);
}

// Groups are ticked from the bit set read, not by finding their names in the
// names text ("VIP" is part of "VIP 2").
TEST(ProfileEditor, CallerGroupsFromTheBitSet) {
    FakeProfilePhone phone;
    phone.codes[1].callerGroups = 0x02;  // only "VIP 2"
    phone.codes[1].ringingMode = 0x07;   // caller groups only
    ProfileBook book(phone.library());
    ASSERT_TRUE(readList(book));
    EXPECT_EQ(book.groupNames().mid(0, 2), (QStringList{"VIP", "VIP 2"}));
    const ProfileEditorRules rules = rulesOf(book);
    const TProfile& values = book.rows()[1].profile;
    EXPECT_EQ(values.callerGroupNames, "VIP 2");
    ProfileChoices choices = choicesOf(rules, values);
    EXPECT_TRUE(groupsEnabled(rules, choices));
    EXPECT_EQ(choices.groups, (std::array<bool, 5>{false, true, false, false, false}));

    // Untouched ticks keep the value read, also "all groups" (255).
    EXPECT_EQ(valuesOf(rules, choicesOf(rules, book.rows()[0].profile), book.rows()[0].profile)
                  .callerGroups,
              255);
    choices.groups = {true, false, true, false, false};
    choices.groupsChosen = true;
    ASSERT_TRUE(writeRow(book, 1, valuesOf(rules, choices, values)).done());
    EXPECT_EQ(phone.written.back().callerGroups, 5);

    FakeProfilePhone p6310(phonelib::ProfileFamily::Nokia7110, 20);
    ProfileBook other(p6310.library());
    ASSERT_TRUE(readList(other));
    const ProfileEditorRules rules7110 = rulesOf(other);
    ProfileChoices all = choicesOf(rules7110, other.rows()[0].profile);
    EXPECT_TRUE(all.allCalls);
    EXPECT_TRUE(groupsEnabled(rules7110, all));
    all.groupsChosen = true;
    all.groups = {true, false, false, false, false};
    EXPECT_EQ(valuesOf(rules7110, all, other.rows()[0].profile).callerGroups, 255);
    all.allCalls = false;
    EXPECT_EQ(valuesOf(rules7110, all, other.rows()[0].profile).callerGroups, 1);
}

TEST(ProfileList, EndsAtTheFirstMissingProfileAndMarksFailedRows) {
    FakeProfilePhone none;
    none.profiles = 0;
    ProfileBook empty(none.library());
    ASSERT_TRUE(readList(empty));
    EXPECT_TRUE(empty.rows().empty());

    FakeProfilePhone nse1(phonelib::ProfileFamily::Nokia61xx, 15);
    nse1.profiles = 3;
    nse1.failingReads = {1};
    ProfileBook book(nse1.library());
    ASSERT_TRUE(readList(book));
    ASSERT_EQ(book.rows().size(), 3u);
    EXPECT_FALSE(book.rows()[1].read());
    EXPECT_EQ(profileRowTexts(book.family(), book.rows()[1]), (QStringList{"2", "nicht gelesen"}));
    const QStringList first = profileRowTexts(book.family(), book.rows()[0]);
    ASSERT_EQ(first.size(), 12);
    EXPECT_EQ(first.mid(0, 6),
              (QStringList{"1", "Allgemein", "Ring A", "Stufe 3", "Rufton", "Standard"}));
    EXPECT_EQ(first.mid(6), (QStringList{"Stufe 1", "An", "Aus", "An", "Aus", "Alle Anrufe"}));
    EXPECT_EQ(nse1.reads, 4);  // 0, 1, 2, then 3: not available
}

TEST(ProfileList, AnUnansweredFeatureFailsTheWriteAndTheRowIsReadAgain) {
    FakeProfilePhone phone;
    phone.unansweredWrites = {4};
    ProfileBook book(phone.library());
    ASSERT_TRUE(readList(book));
    const int readsBefore = phone.reads;
    TProfile values = book.rows()[4].profile;
    values.volume = 1;
    const ProfileWrite result = writeRow(book, 4, values);
    EXPECT_FALSE(result.done());
    EXPECT_EQ(result.written, phonelib::stNoAnswer);
    EXPECT_EQ(result.reread, phonelib::stDone);
    EXPECT_EQ(phone.reads, readsBefore + 1);
    EXPECT_EQ(book.rows()[4].profile.volume, 1);  // what the phone holds now
}

// One rule for the earpiece volume: value + 1 after reading and after
// editing alike, "–" when the phone does not report it.
TEST(ProfileList, SiemensShowsOneProfileAndItsEarpieceVolumeAlike) {
    FakeProfilePhone phone(phonelib::ProfileFamily::Siemens, 3);
    ProfileBook book(phone.library());
    ASSERT_TRUE(readList(book));
    ASSERT_EQ(book.rows().size(), 1u);
    QStringList texts = profileRowTexts(book.family(), book.rows()[0]);
    EXPECT_EQ(texts, (QStringList{"1", "Allgemein", "1", "Stufe 3", "Rufton", "Stufe 3", "Aus"}));
    EXPECT_EQ(profileHeaders(book.family()).size(), 7);
    EXPECT_EQ(profileHeaders(book.family())[5], "Hörerlautstärke");
    ASSERT_TRUE(writeRow(book, 0, book.rows()[0].profile).done());
    EXPECT_EQ(profileRowTexts(book.family(), book.rows()[0]), texts);

    phone.siemens.earpiece = 65535;
    ASSERT_TRUE(readList(book));
    texts = profileRowTexts(book.family(), book.rows()[0]);
    EXPECT_EQ(texts[5], "–");
    const ProfileEditorRules rules = rulesOf(book);
    EXPECT_EQ(
        missingChoices(rules, choicesOf(rules, book.rows()[0].profile), book.rows()[0].profile),
        (QList<ProfileSetting>{ProfileSetting::EarpieceVolume}));
}

TEST(ProfileList, CopyTakesTheSettingsButNotTheName) {
    FakeProfilePhone phone;
    phone.codes[0].volume = 0x0A;
    phone.codes[0].ringtoneNumber = 35;
    phone.codes[3].name = "Sport";
    ProfileBook book(phone.library());
    ASSERT_TRUE(readList(book));
    QSignalSpy done(&book, &ProfileBook::writeFinished);
    book.copy(0, 3);
    ASSERT_TRUE(waitFor([&] { return done.size() == 1 && !book.busy(); }));
    EXPECT_EQ(phone.written.back().name, "Sport");
    EXPECT_EQ(phone.written.back().profileNumber, 3);
    EXPECT_EQ(phone.codes[3].volume, 0x0A);
    EXPECT_EQ(book.rows()[3].profile.ringtoneName, "Ring B");
}

TEST(ProfileList, SavedAsTextAndAFailedSaveKeepsTheOldFile) {
    FakeProfilePhone phone;
    ProfileBook book(phone.library());
    ASSERT_TRUE(readList(book));
    const QStringList lines = profileListLines("Nokia 61xx", book.family(), book.rows());
    EXPECT_TRUE(lines[0].startsWith("Profile von Nokia 61xx, "));
    EXPECT_TRUE(lines[2].startsWith("Nummer  Name"));
    EXPECT_EQ(lines.size(), 3 + 7);
    QTemporaryDir dir;
    const QString path = dir.filePath("profile.txt");
    QString error;
    ASSERT_TRUE(writeTextFile(path, lines, &error));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(file.readAll()), lines.join('\n') + '\n');
    file.close();
    EXPECT_FALSE(writeTextFile(dir.filePath("fehlt/profile.txt"), lines, &error));
    EXPECT_FALSE(error.isEmpty());
}

}  // namespace
}  // namespace corvina
