// What the entry editor's OK, load and paste do to the memory tables.
#include "corvina/phonebook/entryeditorrules.h"

#include <gtest/gtest.h>

#include "tests/corvina/phonebook/fakephonebook.h"

namespace corvina {
namespace {

using namespace testing_phonebook;
using Rules = EntryEditorRules;
using Outcome = Rules::Outcome;

constexpr uint8_t kNokia61xx = 14;
constexpr uint8_t kSiemensS35 = 3;
constexpr uint8_t kSiemensS45 = 8;

struct Move {
    int from;
    uint8_t fromMemory;
    uint8_t toMemory;
    int to;
    bool operator==(const Move&) const = default;
};

struct RecordedSpeedDials : SpeedDialLinks {
    std::vector<Move> moves;
    void moveReference(int from, uint8_t fromMemory, uint8_t toMemory, int to) override {
        moves.push_back({from, fromMemory, toMemory, to});
    }
};

class EditorRules : public ::testing::Test {
  protected:
    EditorRules() {
        PhonebookSeams seams;
        seams.speedDials = speedDials;
        rules = std::make_unique<Rules>(PhonebookTables{{&sim, &phoneMemory, &addressBook}},
                                        phone.calls(), seams);
        for (int location = 1; location <= 6; ++location) {
            PhonebookRow r;
            r.setLocation(location);
            r.cells[colName] = QString("Name %1").arg(location);
            r.setDefaultNumber(colGeneral, QString("0301%1").arg(location));
            sim.appendRow(r);
        }
    }
    const PhonebookRow& at(PhonebookTable& table, int location) {
        return table.row(table.indexOfLocation(location));
    }
    Outcome okOn(const EditorSetup& setup, EditorFields fields, Rules::Origin origin,
                 Rules::Answers answers = {}) {
        return rules->ok(setup, std::move(fields), origin, answers);
    }
    static Rules::Answers collision(Answer answer) {
        Rules::Answers a;
        a.collision = answer;
        return a;
    }
    static Rules::Answers overwriteUnread(bool yes) {
        Rules::Answers a;
        a.overwriteUnread = yes;
        return a;
    }

    FakePhonebook phone;
    std::shared_ptr<RecordedSpeedDials> speedDials = std::make_shared<RecordedSpeedDials>();
    PhonebookTable sim{memSim};
    PhonebookTable phoneMemory{memPhone};
    PhonebookTable addressBook{memAddressBook};
    std::unique_ptr<Rules> rules;
};

TEST_F(EditorRules, MovingToAFreeLocationTakesTheSpeedDialAlong) {
    const EditorSetup setup = rules->setup(memSim, kNokia61xx);
    EditorFields fields = rules->load(setup, at(sim, 5));
    EXPECT_EQ(fields.name, "Name 5");
    EXPECT_EQ(fields.standard, (EditorNumber{"03015", ntGeneral}));
    fields.location = "7";
    const Outcome out = okOn(setup, fields, {Rules::Use::Edit, memSim, 5});
    ASSERT_EQ(out.kind, Outcome::Stored);
    EXPECT_EQ(at(sim, 7).cells[colName], "Name 5");
    EXPECT_EQ(at(sim, 7).bold, colGeneral);
    EXPECT_TRUE(at(sim, 5).isEmpty()) << "the old location stays, empty";
    EXPECT_EQ(speedDials->moves, (std::vector<Move>{{5, memSim, memSim, 7}}));
}

TEST_F(EditorRules, ATakenLocationAsksYesNoOrCancel) {
    const EditorSetup setup = rules->setup(memSim, kNokia61xx);
    EditorFields fields = rules->load(setup, at(sim, 2));
    fields.location = "3";
    Rules::Answers answers;
    Outcome out = rules->ok(setup, fields, {Rules::Use::Edit, memSim, 2}, answers);
    ASSERT_EQ(out.kind, Outcome::Ask);
    EXPECT_TRUE(out.question.text.contains("Name 3\n03013"));
    EXPECT_EQ(out.question.buttons, AnswerButtons::YesNoCancel);

    const auto before = sim.rows();
    Rules::record(out.asks, Answer::Cancel, answers);
    EXPECT_EQ(rules->ok(setup, fields, {Rules::Use::Edit, memSim, 2}, answers).kind,
              Outcome::Cancelled);
    EXPECT_EQ(sim.rows().size(), before.size());
    EXPECT_EQ(at(sim, 3).cells, before[2].cells);

    // Yes: the occupant goes to the first free location, then the entry takes its place.
    answers.collision = Answer::Yes;
    ASSERT_EQ(rules->ok(setup, fields, {Rules::Use::Edit, memSim, 2}, answers).kind,
              Outcome::Stored);
    EXPECT_EQ(at(sim, 3).cells[colName], "Name 2");
    EXPECT_EQ(at(sim, 7).cells[colName], "Name 3");
    EXPECT_TRUE(at(sim, 2).isEmpty());
    EXPECT_EQ(speedDials->moves,
              (std::vector<Move>{{3, memSim, memSim, 7}, {2, memSim, memSim, 3}}));

    // No: overwritten.
    fields = rules->load(setup, at(sim, 4));
    fields.location = "5";
    ASSERT_EQ(okOn(setup, fields, {Rules::Use::Edit, memSim, 4}, collision(Answer::No)).kind,
              Outcome::Stored);
    EXPECT_EQ(at(sim, 5).cells[colName], "Name 4");
    EXPECT_EQ(sim.occupiedCount(), 5);
}

TEST_F(EditorRules, LocationsOutsideTheTableKeepTheDialogOpen) {
    const EditorSetup setup = rules->setup(memSim, kNokia61xx);
    EditorFields fields = rules->blank(setup);
    EXPECT_EQ(fields.location, "7");
    fields.name = "Neu";
    for (const QString location : {"0", "8", "abc"}) {
        fields.location = location;
        const Outcome out = okOn(setup, fields, {Rules::Use::NewEntry, memSim, 0});
        EXPECT_EQ(out.kind, Outcome::StayOpen) << location.toStdString();
        EXPECT_TRUE(out.question.text.endsWith("(1-7)")) << out.question.text.toStdString();
    }
    EXPECT_EQ(sim.size(), 6);
    fields.location = "7";
    EXPECT_EQ(okOn(setup, fields, {Rules::Use::NewEntry, memSim, 0}).kind, Outcome::Stored);
    EXPECT_EQ(at(sim, 7).cells[colName], "Neu");
    EXPECT_TRUE(speedDials->moves.empty());
}

TEST_F(EditorRules, ASimNameWithAGroupIsCutToFifteenOnlyWhenTheUserAgrees) {
    const EditorSetup setup = rules->setup(memSim, kNokia61xx);
    EditorFields fields = rules->load(setup, at(sim, 1));
    fields.name = "Sechzehn Zeichen";
    fields.group = 1;  // VIP
    Rules::Answers answers;
    Outcome out = rules->ok(setup, fields, {Rules::Use::Edit, memSim, 1}, answers);
    ASSERT_EQ(out.kind, Outcome::Ask);
    EXPECT_TRUE(out.question.text.contains("es entfällt: „n“"));
    Rules::record(out.asks, Answer::Cancel, answers);
    EXPECT_EQ(rules->ok(setup, fields, {Rules::Use::Edit, memSim, 1}, answers).kind,
              Outcome::StayOpen);
    EXPECT_EQ(at(sim, 1).cells[colName], "Name 1");
    answers = {};
    answers.cutName = true;
    ASSERT_EQ(rules->ok(setup, fields, {Rules::Use::Edit, memSim, 1}, answers).kind,
              Outcome::Stored);
    EXPECT_EQ(at(sim, 1).cells[colName], "Sechzehn Zeiche");
    EXPECT_EQ(at(sim, 1).cells[colGroup], "VIP");

    // In the phone memory, or without a group, nothing is cut.
    fields.group = choicePosition(setup.groups, -1);
    EXPECT_EQ(okOn(setup, fields, {Rules::Use::Edit, memSim, 1}).kind, Outcome::Stored);
    EXPECT_EQ(at(sim, 1).cells[colName], "Sechzehn Zeichen");
    EXPECT_EQ(at(sim, 1).cells[colGroup], "");
}

TEST_F(EditorRules, GroupListsBlankItemAndUnknownGroups) {
    const EditorSetup nokia = rules->setup(memSim, kNokia61xx);
    ASSERT_EQ(nokia.groups.size(), 7u);
    EXPECT_TRUE(nokia.groups.back().isBlank());
    PhonebookRow r = at(sim, 1);
    r.cells[colGroup] = "Freunde";
    EXPECT_EQ(rules->load(nokia, r).group, 2);

    // A Siemens phone lists group 0 only; a name the list lacks loads as blank and
    // the blank item stores no group, not the name at its position.
    phone.groupNames = {"VIP", "Freunde", "", "", "", ""};
    const EditorSetup siemens = rules->setup(memSim, kSiemensS35);
    ASSERT_EQ(siemens.groups.size(), 2u);
    EditorFields fields = rules->load(siemens, r);
    EXPECT_EQ(fields.group, 1);
    EXPECT_TRUE(siemens.groups[1].isBlank());
    fields.name = "Anders";
    ASSERT_EQ(okOn(siemens, fields, {Rules::Use::Edit, memSim, 1}).kind, Outcome::Stored);
    EXPECT_EQ(at(sim, 1).cells[colGroup], "");
}

TEST_F(EditorRules, NumberFieldsKeepDigitsPlusStarAndHash) {
    EXPECT_EQ(filterNumberText("0+49+171"), "049171");
    EXPECT_EQ(filterNumberText("+49+171"), "+49171");
    EXPECT_EQ(filterNumberText("(030) 123-45 *31#"), "03012345*31#");
    EXPECT_EQ(filterNumberText("abc"), "");
}

TEST_F(EditorRules, ASevenNumberRowSavedUnchangedKeepsSevenAndLongTexts) {
    PhonebookRow r;
    r.setLocation(1);
    r.cells[colName] = QString(40, QChar('N'));
    r.cells[colGeneral] = "1\r2\r";
    r.cells[colMobile] = "3\r4\r";
    r.cells[colHome] = "5\r";
    r.cells[colWork] = "6\r";
    r.cells[colFax] = "7\r";
    r.bold = colMobile;
    r.cells[colNote] = "Zeile 1\r\nZeile 2";
    phoneMemory.appendRow(r);
    const EditorSetup setup = rules->setup(memPhone, kNokia61xx);
    const EditorFields fields = rules->load(setup, r);
    EXPECT_EQ(fields.standard, (EditorNumber{"3", ntMobile}));
    ASSERT_EQ(fields.further.size(), 6u) << "every number shows";
    EXPECT_EQ(fields.further[0], (EditorNumber{"1", ntGeneral}));
    EXPECT_EQ(fields.further[5], (EditorNumber{"7", ntFax}));
    ASSERT_EQ(okOn(setup, fields, {Rules::Use::Edit, memPhone, 1}).kind, Outcome::Stored);
    EXPECT_EQ(at(phoneMemory, 1).cells, r.cells);
    EXPECT_EQ(at(phoneMemory, 1).bold, colMobile);
}

TEST_F(EditorRules, AddressBookRowsRoundTripAndNamesGetTheirComma) {
    PhonebookRow r;
    r.setLocation(1);
    r.cells[colName] = "Müller, Hans";
    r.cells[colGeneral] = "030\r";
    r.cells[colMobile] = "0171\r0172\r";
    r.cells[colFax] = "040\r";
    r.bold = colGeneral;
    r.cells[colAddress] = "Hauptstr. 1\r\n12345   Berlin\r\nDeutschland\r\nHinterhaus";
    addressBook.appendRow(r);
    PhonebookRow plain;
    plain.setLocation(2);
    plain.cells[colName] = "Firma";
    addressBook.appendRow(plain);

    const EditorSetup setup = rules->setup(memAddressBook, kSiemensS45);
    ASSERT_TRUE(setup.addressBookLayout);
    EditorFields fields = rules->load(setup, r);
    EXPECT_EQ(fields.name, "Müller");
    EXPECT_EQ(fields.firstName, "Hans");
    EXPECT_EQ(fields.further[0], (EditorNumber{"0171", ntMobile}));
    EXPECT_EQ(fields.further[3], (EditorNumber{"040", ntFax}));
    ASSERT_EQ(fields.further.size(), 5u);
    EXPECT_EQ(fields.further[4], (EditorNumber{"0172", ntMobile}));
    EXPECT_EQ(fields.street, "Hauptstr. 1");
    EXPECT_EQ(fields.zipTown, "12345 Berlin");
    EXPECT_EQ(fields.country, "Deutschland");
    ASSERT_EQ(okOn(setup, fields, {Rules::Use::Edit, memAddressBook, 1}).kind, Outcome::Stored);
    const PhonebookRow& back = at(addressBook, 1);
    EXPECT_EQ(back.cells[colName], "Müller, Hans");
    EXPECT_EQ(back.cells[colMobile], "0171\r0172\r");
    EXPECT_EQ(back.cells[colAddress], "Hauptstr. 1\r\n12345 Berlin\r\nDeutschland\r\nHinterhaus")
        << "lines after the country stay";

    fields = rules->load(setup, at(addressBook, 2));
    EXPECT_EQ(fields.name, "Firma");
    ASSERT_EQ(okOn(setup, fields, {Rules::Use::Edit, memAddressBook, 2}).kind, Outcome::Stored);
    EXPECT_EQ(at(addressBook, 2).cells[colName], "Firma, ");
    EXPECT_EQ(at(addressBook, 2).cells[colAddress], "");
}

TEST_F(EditorRules, PasteCopiesAndContactsCopyIntoTheAddressBook) {
    PhonebookRow copied = at(sim, 2);
    ASSERT_EQ(rules->paste(copied, memPhone).location, 1);
    ASSERT_EQ(rules->paste(copied, memPhone).location, 2) << "the same row pasted again";
    EXPECT_EQ(at(phoneMemory, 2).cells[colName], "Name 2");
    EXPECT_EQ(at(phoneMemory, 2).bold, colGeneral);
    EXPECT_TRUE(speedDials->moves.empty());

    ContactCopy contact;
    contact.name = "Hans Peter Müller";
    contact.group = "VIP";
    contact.numbers = {{"030", ntWork}, {"0171", ntMobile}};
    contact.address = "Weg 2\n10115 Berlin\nDeutschland";
    Rules::Answers answers;
    Outcome out = rules->copy(contact, memAddressBook, kSiemensS45, answers);
    ASSERT_EQ(out.kind, Outcome::Stored);
    const PhonebookRow& row = at(addressBook, out.location);
    EXPECT_EQ(row.cells[colName], "Müller, Hans Peter");
    EXPECT_EQ(row.cells[colGroup], "") << "a Siemens phone has no group of that name";
    EXPECT_EQ(row.cells[colWork], "030\r");
    EXPECT_EQ(row.bold, colWork);
    EXPECT_EQ(row.cells[colAddress], "Weg 2\r\n10115 Berlin\r\nDeutschland");

    // Into the SIM with a group, the copy follows the 15-character rule too.
    out = rules->copy(contact, memSim, kNokia61xx, answers);
    ASSERT_EQ(out.kind, Outcome::Ask);
    Rules::record(out.asks, Answer::Ok, answers);
    out = rules->copy(contact, memSim, kNokia61xx, answers);
    ASSERT_EQ(out.kind, Outcome::Stored);
    EXPECT_EQ(at(sim, out.location).cells[colGroup], "VIP");
    EXPECT_EQ(at(sim, out.location).cells[colName], "Hans Peter Müll");
}

TEST_F(EditorRules, UnreadTargetsAskAndTheSevenOTenFamilyIsWarnedAboutTheNote) {
    PhonebookRow unread;
    unread.setLocation(7);
    unread.unread = true;
    sim.appendRow(unread);
    const EditorSetup setup = rules->setup(memSim, kNokia61xx);
    // Opened and closed with OK but left empty, it stays unread.
    ASSERT_EQ(okOn(setup, rules->load(setup, at(sim, 7)), {Rules::Use::Edit, memSim, 7}).kind,
              Outcome::Stored);
    EXPECT_TRUE(at(sim, 7).unread);
    EditorFields fields = rules->blank(setup);
    EXPECT_EQ(fields.location, "8") << "an unread location is never offered";
    fields.name = "Neu";
    fields.location = "7";
    Outcome out = okOn(setup, fields, {Rules::Use::NewEntry, memSim, 0});
    ASSERT_EQ(out.kind, Outcome::Ask);
    EXPECT_EQ(okOn(setup, fields, {Rules::Use::NewEntry, memSim, 0}, overwriteUnread(false)).kind,
              Outcome::StayOpen);
    ASSERT_EQ(okOn(setup, fields, {Rules::Use::NewEntry, memSim, 0}, overwriteUnread(true)).kind,
              Outcome::Stored);
    EXPECT_FALSE(at(sim, 7).unread);

    const EditorSetup s7110 = rules->setup(memPhone, 21);
    EXPECT_EQ(s7110.limits.name, 50);
    fields = rules->blank(s7110);
    fields.name = "Voll";
    fields.address = "Weg";
    fields.email = "a@b.c";
    fields.note = "Notiz";
    out = okOn(s7110, fields, {Rules::Use::NewEntry, memPhone, 0});
    ASSERT_EQ(out.kind, Outcome::Stored);
    ASSERT_EQ(out.notices.size(), 1u);
    EXPECT_TRUE(out.notices[0].text.contains("nur zwei Texte"));
}

}  // namespace
}  // namespace corvina
