// Download and upload of a memory table against a scripted library.
#include "corvina/phonebook/phonebooktransfer.h"

#include <gtest/gtest.h>

#include <QSignalSpy>

#include "tests/corvina/phonebook/fakephonebook.h"
#include "tests/corvina/waitfor.h"

namespace corvina {
namespace {

using namespace testing_phonebook;
using End = PhonebookTransfer::End;
using testing_support::waitFor;

constexpr uint8_t kNokia61xx = 14;
constexpr uint8_t kSiemensSl45 = 4;

class Transfer : public ::testing::Test {
  protected:
    void SetUp() override { make(); }
    void make(PhonebookSeams seams = {}) {
        transfer = std::make_unique<PhonebookTransfer>(phone.calls(), script.dialogs(), seams);
        transfer->setRetryInterval(1);
        QObject::connect(transfer.get(), &PhonebookTransfer::status,
                         [this](const QString& text) { statuses << text; });
        QObject::connect(transfer.get(), &PhonebookTransfer::capacityText,
                         [this](const QString& text) { capacity = text; });
    }
    End run(const std::function<void()>& start) {
        QSignalSpy finished(transfer.get(), &PhonebookTransfer::finished);
        start();
        EXPECT_TRUE(waitFor([&] { return finished.size() == 1; }));
        return finished.isEmpty() ? End::Failed : finished[0][0].value<End>();
    }
    End download(PhonebookTable& table, uint8_t model = kNokia61xx) {
        return run([&] { transfer->download(table, model); });
    }
    End upload(PhonebookTable& table, uint8_t model = kNokia61xx) {
        return run([&] { transfer->upload(table, model); });
    }
    void fillSim(int count) {
        for (int location = 1; location <= count; ++location) {
            phone.memory(memSim)[location] =
                simEntry("Name " + std::to_string(location), "+49301" + std::to_string(location));
        }
    }
    PhonebookRow row(int location, const QString& name, const QString& number = {}) {
        PhonebookRow r;
        r.setLocation(location);
        r.cells[colName] = name;
        if (!number.isEmpty()) r.setDefaultNumber(colGeneral, number);
        return r;
    }

    FakePhonebook phone;
    ScriptedDialogs script;
    std::unique_ptr<PhonebookTransfer> transfer;
    PhonebookTable sim{memSim};
    PhonebookTable addressBook{memAddressBook};
    QStringList statuses;
    QString capacity;
};

TEST_F(Transfer, AddressBookRoundTripKeepsEveryNumberAndSendsTheDefaultFirst) {
    phone.memory(memAddressBook)[1] =
        entry("Müller, Hans",
              {{"111", ntGeneral, 0},
               {"222", ntMobile, 0},
               {"333", ntMobile, 1},
               {"444", ntFax, 1},
               {"555", 0, 0},
               {"666", ntHome, 0},
               {"777", ntWork, 0}},
              {{"hans@example.org", ttEmail, 0},
               {"Hauptstr. 1\r\n12345 Berlin\r\nDeutschland", ttPostal, 0},
               {"Notiz", ttNote, 0},
               {"Anmerkung", 99, 0},
               {"Firma AG", ttCompany, 0},
               {"example.org", ttUrl, 0}});
    phone.memory(memAddressBook)[3] = entry("Ohne, Nummer", {}, {{"x@y.z", ttEmail, 0}});
    const auto before = phone.memory(memAddressBook);

    ASSERT_EQ(download(addressBook, kSiemensSl45 + 1), End::Done);
    EXPECT_EQ(statuses.last(), "Download beendet!");
    EXPECT_EQ(capacity, "500 insgesammt, davon 498 frei und 2 belegt.");
    ASSERT_EQ(addressBook.size(), 3) << "read until both occupied locations were found";
    const PhonebookRow& hans = addressBook.row(0);
    EXPECT_EQ(hans.cells[colGeneral], "111\r555\r");
    EXPECT_EQ(hans.cells[colMobile], "333\r222\r") << "the default goes to the top of its cell";
    EXPECT_EQ(hans.bold, colMobile) << "only the first default is bold";
    EXPECT_EQ(hans.cells[colFax], "444\r");
    EXPECT_EQ(hans.cells[colHome], "666\r");
    EXPECT_EQ(hans.cells[colWork], "777\r");
    EXPECT_EQ(hans.cells[colAddress], "Hauptstr. 1\r\n12345 Berlin\r\nDeutschland");
    EXPECT_EQ(hans.cells[colNote], "Notiz\r\nAnmerkung");
    EXPECT_TRUE(addressBook.row(1).isEmpty());
    EXPECT_TRUE(addressBook.state().uploadAllowed);

    script.answers = {Answer::Yes};
    ASSERT_EQ(upload(addressBook, kSiemensSl45 + 1), End::Done);
    EXPECT_TRUE(script.lastAsked().contains("Möchten Sie den Upload jetzt beginnen?"));
    ASSERT_EQ(phone.writes.size(), 3u);
    const TPhoneBookEntry& sent = phone.writes[0];
    ASSERT_EQ(sent.numberCount, 7);
    EXPECT_EQ(sent.numbers[0].number, "333");
    EXPECT_EQ(sent.numbers[0].isDefault, 1);
    EXPECT_EQ(sent.numbers[0].type, ntMobile);
    for (int i = 1; i < 7; ++i) EXPECT_EQ(sent.numbers[size_t(i)].isDefault, 0);
    EXPECT_EQ(sent.name, "Müller, Hans");
    EXPECT_EQ(sent.textCount, 5);
    EXPECT_EQ(sent.texts[2].text, "Notiz\r\nAnmerkung");
    EXPECT_EQ(phone.memory(memAddressBook).size(), before.size());
    EXPECT_EQ(statuses.last(), "Upload beendet! 3 von 3 Einträgen geschrieben.");

    // The same phone read again shows the same rows.
    const auto rows = addressBook.rows();
    ASSERT_EQ(download(addressBook, kSiemensSl45 + 1), End::Done);
    ASSERT_EQ(addressBook.size(), 3);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(addressBook.row(i).cells, rows[size_t(i)].cells);
}

TEST_F(Transfer, AnUnreadableLocationIsMarkedAndNeverWritten) {
    fillSim(20);
    phone.refusedReads = {17};
    script.answers = {Answer::Yes};
    ASSERT_EQ(download(sim), End::Done);
    EXPECT_TRUE(script.lastAsked().contains("Telefonbucheintrages Nr.17"));
    const int unread = sim.indexOfLocation(17);
    ASSERT_GE(unread, 0);
    EXPECT_TRUE(sim.row(unread).unread);
    EXPECT_EQ(sim.state().downloadCount, -1);
    EXPECT_EQ(sim.size(), 250) << "19 of 20 found: every location is read";
    EXPECT_EQ(sim.firstFreeLocation(), 21) << "an unread location is not free";

    script.answers = {Answer::Yes};
    ASSERT_EQ(upload(sim), End::Done);
    const auto written = phone.writtenLocations();
    EXPECT_EQ(written.size(), 249u) << "a download with a gap pads to the capacity";
    EXPECT_EQ(std::count(written.begin(), written.end(), 17), 0);
    EXPECT_EQ(phone.memory(memSim).at(17).name, "Name 17");
}

TEST_F(Transfer, ATableFromAnotherPhoneLeavesExactlyItsEntries) {
    fillSim(40);
    sim.appendRow(row(10, "Zehn", "10"));
    sim.appendRow(row(20, "Zwanzig", "20"));
    sim.appendRow(row(30, "Dreißig", "30"));
    sim.state() = {true, 3, "350000000000001", true, 250};
    script.answers = {Answer::Yes};
    ASSERT_EQ(upload(sim), End::Done);
    std::vector<int> kept;
    for (const auto& [location, e] : phone.memory(memSim)) kept.push_back(location);
    EXPECT_EQ(kept, (std::vector<int>{10, 20, 30}));
    EXPECT_EQ(phone.memory(memSim).at(30).name,
              "Drei\xDF"
              "ig");
    EXPECT_EQ(phone.writes.size(), 250u) << "each location once";
}

TEST_F(Transfer, RowsThatCannotBeWrittenStopTheUploadBeforeTheFirstWrite) {
    fillSim(3);
    sim.state() = {true, 3, QString::fromStdString(phone.imei), true, 250};
    sim.appendRow(row(5, "Anna", "1"));
    sim.appendRow(row(5, "Bert", "2"));
    script.answers = {Answer::Yes};  // nothing further is asked
    EXPECT_EQ(upload(sim), End::Failed);
    EXPECT_TRUE(script.lastTold().contains("Speicherstelle 5 steht mehrfach in der Tabelle"));
    EXPECT_TRUE(script.lastTold().contains("„Anna“, „Bert“"));
    EXPECT_TRUE(phone.writes.empty());

    // 201 entries for 200 locations: compaction is offered, then one too many is named.
    PhonebookTable memory(memPhone);
    for (int location = 1; location <= 201; ++location) {
        memory.appendRow(row(location + 10, QString("E%1").arg(location), "1"));
    }
    memory.state() = {true, 201, QString::fromStdString(phone.imei), true, 200};
    script.answers = {Answer::Yes};
    EXPECT_EQ(upload(memory), End::Failed);
    EXPECT_TRUE(script.lastAsked().contains("Soll der Speicher verdichtet werden?"));
    EXPECT_TRUE(
        script.lastTold().contains("Löschen Sie bitte vor dem Upload 1 Speicherstelle(n)!"));
    EXPECT_EQ(memory.row(0).value(colName), "E1") << "compacted into location 1";
    EXPECT_TRUE(phone.writes.empty());

    // Characters the phone lacks are listed first; No writes nothing.
    PhonebookTable other(memSim);
    other.appendRow(row(1, "Łukasz", "1"));
    other.state() = {true, 1, QString::fromStdString(phone.imei), true, 250};
    script.answers = {Answer::No};
    EXPECT_EQ(upload(other), End::Cancelled);
    EXPECT_TRUE(script.lastAsked().contains("Speicherstelle 1, Name: Ł"));
    EXPECT_TRUE(phone.writes.empty());

    // A location that is no number is asked about; the others go.
    other.row(0).cells[colName] = "Lukas";
    other.appendRow(row(2, "Zwei", "2"));
    other.row(1).cells[colLocation] = "zwei";
    script.answers = {Answer::Yes, Answer::Yes};
    EXPECT_EQ(upload(other), End::Done);
    EXPECT_TRUE(script.asked[script.asked.size() - 2].text.contains("ungültig: Zeile2"));
    EXPECT_EQ(phone.writtenLocations(), std::vector<int>{1});
}

TEST_F(Transfer, AFailedWriteNamesLocationAndReasonAndTheUserLearnsWhatWasWritten) {
    fillSim(9);
    ASSERT_EQ(download(sim), End::Done);
    phone.writeStatus[7] = phonelib::stTooLong;
    script.answers = {Answer::Yes, Answer::Yes};
    EXPECT_EQ(upload(sim), End::Failed);
    EXPECT_TRUE(script.lastAsked().contains("Speicherstelle 7 (zu lang für das Telefon)"));
    EXPECT_TRUE(script.lastTold().contains("7 (zu lang für das Telefon)"));
    EXPECT_EQ(statuses.last(), "Upload beendet! 8 von 9 Einträgen geschrieben.");
}

TEST_F(Transfer, ALostLinkEndsAtOnceWithOneMessageAndKeepsWhatWasRead) {
    fillSim(20);
    phone.interfere = [this](bool, int location) {
        if (location == 6) transfer->linkLost();  // 0x465 arrives during the read
        return location == 6 ? uint8_t{phonelib::stNoAnswer} : uint8_t{0};
    };
    EXPECT_EQ(download(sim), End::LinkLost);
    EXPECT_EQ(script.told.size(), 1u);
    EXPECT_TRUE(script.asked.empty()) << "no read-error question after the link went";
    EXPECT_TRUE(script.lastTold().contains("Speicherstelle 5"));
    EXPECT_EQ(sim.size(), 5);
    EXPECT_FALSE(sim.state().uploadAllowed);

    phone.interfere = [](bool, int location) {
        return location == 3 ? uint8_t{phonelib::stNotConnected} : uint8_t{0};
    };
    script.told.clear();
    EXPECT_EQ(download(sim), End::LinkLost);
    EXPECT_EQ(script.told.size(), 1u);
    EXPECT_EQ(sim.size(), 2);
}

TEST_F(Transfer, CancelBusyLibraryAndRefusedCapacity) {
    fillSim(10);
    bool busyOnce = true;
    phone.interfere = [&](bool, int location) {
        if (location == 2 && busyOnce) {
            busyOnce = false;
            return uint8_t{phonelib::stCallInProgress};
        }
        if (location == 4) transfer->cancel();
        return uint8_t{0};
    };
    EXPECT_EQ(download(sim), End::Cancelled);
    EXPECT_EQ(phone.reads, (std::vector<int>{1, 2, 2, 3, 4})) << "a busy library is asked again";
    EXPECT_EQ(sim.size(), 4);
    EXPECT_FALSE(sim.state().uploadAllowed) << "only a whole download allows an upload";

    phone.capacity.erase(memPhone);
    PhonebookTable memory(memPhone);
    memory.appendRow(row(1, "bleibt"));
    EXPECT_EQ(download(memory), End::Failed);
    EXPECT_TRUE(script.lastTold().contains("Die Kapazität konnte nicht ermittelt werden"));
    EXPECT_EQ(memory.size(), 1);
    EXPECT_EQ(download(memory, 10), End::Failed);
    EXPECT_EQ(script.lastTold(),
              "Das interne Telefonbuch wird von Ihrem Mobiltelefon nicht unterstützt!");
}

TEST_F(Transfer, QuestionsBeforeDownloadOverEditsAndUploadOfAnEmptyTable) {
    fillSim(2);
    ASSERT_EQ(download(sim), End::Done);
    sim.row(0).changed = true;
    script.answers = {Answer::No};
    QSignalSpy started(transfer.get(), &PhonebookTransfer::started);
    transfer->download(sim, kNokia61xx);
    EXPECT_TRUE(script.lastAsked().contains("noch nicht ins Telefon übertragen"));
    EXPECT_TRUE(started.isEmpty());

    sim.clearRows({0, 1});
    script.answers = {Answer::No};
    EXPECT_EQ(upload(sim), End::Cancelled);
    EXPECT_EQ(script.lastAsked(),
              "Das komplette Telefonbuch wird gelöscht. Wollen Sie fortfahren?");
    EXPECT_TRUE(phone.writes.empty());
}

TEST_F(Transfer, SiemensAddressBookWithoutCountStopsAfterFiveEmptyLocations) {
    phone.reportsUsed = false;
    phone.memory(memAddressBook)[2] = entry("A, B", {{"1", ntGeneral, 1}});
    phone.memory(memAddressBook)[20] = entry("Z, Z", {{"2", ntGeneral, 1}});
    ASSERT_EQ(download(addressBook, kSiemensSl45), End::Done);
    EXPECT_EQ(phone.reads.size(), 7u);
    EXPECT_EQ(addressBook.size(), 2) << "the empty locations read at the end go";
    EXPECT_EQ(capacity, "500 insgesammt, davon 499 frei und 1 belegt.");
}

TEST_F(Transfer, GroupsUnknownToThePhoneAndTextsTheSevenOTenFamilyCannotHold) {
    PhonebookRow r = row(1, "Anna", "1");
    r.cells[colGroup] = "Unbekannt";
    r.cells[colEmail] = "a@b.c";
    r.cells[colAddress] = "Weg 1";
    r.cells[colNote] = "Notiz";
    sim.appendRow(r);
    PhonebookRow vip = row(2, "Vera", "2");
    vip.cells[colGroup] = "VIP";
    sim.appendRow(vip);
    sim.state() = {true, 2, QString::fromStdString(phone.imei), true, 250};
    script.answers = {Answer::Yes};
    ASSERT_EQ(upload(sim, 21), End::Done);
    ASSERT_EQ(phone.writes.size(), 2u);
    EXPECT_EQ(phone.writes[0].group.groupIndex, 5) << "not group 0, as the library would say";
    EXPECT_EQ(phone.writes[1].group.groupIndex, 1);
    ASSERT_EQ(phone.writes[0].textCount, 2);
    EXPECT_EQ(phone.writes[0].texts[1].type, ttPostal);
}

}  // namespace
}  // namespace corvina
