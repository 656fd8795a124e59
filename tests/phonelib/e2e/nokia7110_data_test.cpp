// The 7110 family against the simulated phone: battery and signal sent by
// the phone itself, the network answer with its operator logo, start-up
// logos and picture images, ringtones per model, calendar notes of every
// type, profiles, and the mixed table of the 8310.
#include "phonesim/fixture/ringtonenotes.h"
#include "tests/phonelib/e2e/requestlog.h"
#include "tests/phonelib/e2e/simulatedphone.h"
#include "tests/support/scratchfiles.h"
#include "tests/support/testbitmaps.h"

using namespace phonelib;
using testing_support::requestBodies;
using testing_support::SimulatedPhoneTest;

namespace {

const auto kWait = std::chrono::seconds(5);

class Family7110 : public SimulatedPhoneTest {
  protected:
    void connectTo(const QString& model) {
        startPhone(model);
        ASSERT_EQ(connect(), stDone);
    }

    bool waitUntil(const std::function<bool()>& done) {
        QDeadlineTimer deadline(kWait);
        while (!done()) {
            if (deadline.hasExpired()) return false;
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        }
        return true;
    }
};

TEST_F(Family7110, BatteryAndSignalComeFromThePhoneItself) {
    statusInterval = phonesim::Millis(30);
    connectTo("NSE-5");
    ASSERT_TRUE(waitUntil([] {
        TPhoneStatus status;
        GetPhoneStatus(status);
        return status.battery == 3 && status.signal == 4;
    }));
    sim->editFixture([](phonesim::Fixture& f) {
        f.battery = 1;
        f.signal = 2;
    });
    EXPECT_TRUE(waitUntil([] {
        TPhoneStatus status;
        GetPhoneStatus(status);
        return status.battery == 1 && status.signal == 2;
    }));
    // No status request goes to a phone of this family.
    EXPECT_TRUE(requestBodies(*sim, 0x04).empty());

    // Signal messages keep coming while the network answer is late; they
    // must not pass for it.
    sim->faults().setAnswerDelay(phonesim::Millis(150));
    TNetWorkInfo network;
    ASSERT_EQ(GetNetworkInfo(network), stDone);
    EXPECT_EQ(network.networkOperator.countryCode, 262);
    EXPECT_EQ(network.networkOperator.networkNumber, 1);
    EXPECT_EQ(network.areaCode, "1A2C");
    EXPECT_EQ(network.cellId, "5E02");
    EXPECT_EQ(requestBodies(*sim, 0x0A, 0x70).size(), 1u);
    EXPECT_EQ(requestBodies(*sim, 0x0A, 0x81).size(), 1u);
}

TEST_F(Family7110, TheOperatorLogoTravelsInTheNetworkAnswer) {
    connectTo("NSE-5");
    GSMBitmap logo;
    logo.kind = bkOperatorLogo;
    ASSERT_EQ(GetBitmap(logo), stDone);
    EXPECT_EQ(logo.width, 72);
    EXPECT_EQ(logo.height, 14);
    EXPECT_EQ(logo.rowData[0], 0xFF);  // the frame's top row

    GSMBitmap upload = testing_support::patternedBitmap(bkOperatorLogo, 72, 14);
    upload.networkCode = "26201";
    ASSERT_EQ(Sendbitmap(upload), stDone);
    const auto uploads = requestBodies(*sim, 0x0A, 0xA3);
    ASSERT_EQ(uploads.size(), 2u);
    EXPECT_EQ(uploads[0][5], 0x00);
    EXPECT_EQ(uploads[1][5], 0x01);
    EXPECT_TRUE(std::equal(uploads[0].begin() + 6, uploads[0].end(), uploads[1].begin() + 6));
    GSMBitmap back;
    back.kind = bkOperatorLogo;
    ASSERT_EQ(GetBitmap(back), stDone);
    EXPECT_TRUE(
        std::equal(back.rowData.begin(), back.rowData.begin() + back.size, upload.rowData.begin()));

    ASSERT_EQ(DeleteLogo("26201", bkOperatorLogo), stDone);
    ASSERT_TRUE(sim->waitForRequest(0x0A, kWait, 6));
    EXPECT_FALSE(sim->fixture().data.operatorLogo.has_value());
    EXPECT_EQ(requestBodies(*sim, 0x0A, 0xA3).back().size(), 19u);
    ASSERT_EQ(GetBitmap(back), stDone);
    EXPECT_EQ(back.size, 0);
}

TEST_F(Family7110, StartupLogoAndPictureImage) {
    // The start-up logo comes back in seven frames, each waiting for its
    // acknowledgement: on a loaded machine that takes longer than three
    // short ticks.
    setTickPeriod(300);
    connectTo("NPE-3");
    GSMBitmap startup = testing_support::patternedBitmap(bkStartupLogo, 96, 65);
    ASSERT_EQ(Sendbitmap(startup), stDone);
    ASSERT_TRUE(sim->waitForRequest(0x7A, kWait));
    GSMBitmap back;
    back.kind = bkStartupLogo;
    ASSERT_EQ(GetBitmap(back), stDone);
    EXPECT_EQ(back.width, 96);
    EXPECT_EQ(back.height, 65);
    ASSERT_EQ(back.size, startup.size);
    EXPECT_TRUE(std::equal(back.stripeData.begin(), back.stripeData.begin() + back.size,
                           startup.stripeData.begin()));

    GSMBitmap picture = testing_support::patternedBitmap(bkPictureMessage, 72, 28);
    picture.location = 3;
    picture.groupName =
        "Gr\xFC\xDF"
        "e";
    ASSERT_EQ(Sendbitmap(picture), stDone);
    ASSERT_TRUE(sim->journal().waitUntil(
        [](const auto& r) {
            return std::any_of(r.requests.begin(), r.requests.end(), [](const auto& m) {
                return m.type == 0x14 && m.body.size() > 3 && m.body[3] == 0x50;
            });
        },
        kWait));
    const auto pictures = sim->fixture().data.pictures;
    ASSERT_EQ(pictures.size(), 1u);
    EXPECT_EQ(pictures[0].slot, 3);
    EXPECT_EQ(pictures[0].text, QStringLiteral("Grüße"));
    EXPECT_EQ(pictures[0].picture.width, 72);
}

TEST_F(Family7110, RingtonesAsNotePairsOrAsSmartMessagingBytes) {
    testing_support::ScratchFiles files;
    const std::string tune = files.write("tune.txt", "Tune:d=8,o=5,b=125:c,c,4p,e6");
    connectTo("NSE-5");
    ASSERT_EQ(SendRingTone(tune, 2), stDone);
    ASSERT_TRUE(sim->waitForRequest(0x1F, kWait));
    auto ringtones = sim->fixture().data.ringtones;
    ASSERT_EQ(ringtones.size(), 1u);
    EXPECT_EQ(ringtones[0].location, 2);
    const auto notes = phonesim::decodeBinaryRingtone(ringtones[0].bytes);
    ASSERT_TRUE(notes);
    EXPECT_EQ(notes->text(), "Corvina: c5/28 c5/28 p/57 e6/28");

    sim.reset();
    connectTo("NPE-4");
    ASSERT_EQ(SendRingTone(tune, 2), stDone);
    ASSERT_TRUE(sim->waitForRequest(0x00, kWait));
    ringtones = sim->fixture().data.ringtones;
    ASSERT_EQ(ringtones.size(), 1u);
    const auto melody = phonesim::decodeRingtone(ringtones[0].bytes);
    ASSERT_TRUE(melody);
    EXPECT_EQ(melody->notes.size(), 4u);
    EXPECT_EQ(SendRingTone(files.write("tune.wav", "RIFF"), 0), stUnsupportedFile);
}

TEST_F(Family7110, CalendarNotesOfEveryType) {
    connectTo("NSE-5");
    TCalendarInfo info;
    ASSERT_EQ(getcalinfo(info), stDone);
    EXPECT_EQ(info.used, 4);
    EXPECT_EQ(info.maximum, 100);
    EXPECT_EQ(info.locations[3], 5);
    EXPECT_EQ(info.nextLocation, 4);

    TCalendarEntry meeting;
    ASSERT_EQ(ReadCalendarEntry(meeting, 1), stDone);
    EXPECT_EQ(meeting.noteType, ntMeeting);
    EXPECT_EQ(meeting.text, "Besprechung");
    EXPECT_EQ(meeting.alarmSet, 1);
    EXPECT_EQ(meeting.alarmLead, 15);
    EXPECT_EQ(meeting.alarmTime.hour, 9);
    EXPECT_EQ(meeting.alarmTime.minute, 45);

    TCalendarEntry call;
    ASSERT_EQ(ReadCalendarEntry(call, 2), stDone);
    EXPECT_EQ(call.noteType, ntCall);
    EXPECT_EQ(call.number, "+4930123456");
    EXPECT_EQ(call.alarmSet, 0);

    TCalendarEntry birthday;
    ASSERT_EQ(ReadCalendarEntry(birthday, 3), stDone);
    EXPECT_EQ(birthday.noteType, ntBirthday);
    EXPECT_EQ(birthday.birthYear, 1975);
    EXPECT_EQ(birthday.date.year, 2000);
    EXPECT_EQ(birthday.alarmTime.hour, 9);
    EXPECT_EQ(birthday.alarmTime.minute, 0);

    TCalendarEntry memo;
    ASSERT_EQ(ReadCalendarEntry(memo, 5), stDone);
    EXPECT_EQ(memo.noteType, ntReminder);
    EXPECT_EQ(memo.text, "Einkaufen");
    EXPECT_EQ(memo.alarmTime.year, 1998);
    EXPECT_EQ(ReadCalendarEntry(memo, 4), stEmptyLocation);

    TCalendarEntry note;
    note.location = info.nextLocation;
    note.noteType = ntMeeting;
    note.text = "Zahnarzt";
    note.date = TDateTimeRec{2001, 7, 2, 8, 30, 0, 0};
    note.alarmTime = TDateTimeRec{2001, 7, 1, 20, 0, 0, 0};
    note.alarmSet = 1;
    note.noteWord = 0x1234;
    ASSERT_EQ(WriteCalendarEntry(note), stDone);
    TCalendarEntry back;
    ASSERT_EQ(ReadCalendarEntry(back, 4), stDone);
    EXPECT_EQ(back.text, "Zahnarzt");
    EXPECT_EQ(back.date.day, 2);
    EXPECT_EQ(back.alarmLead, 750);
    EXPECT_EQ(back.alarmTime.day, 1);
    EXPECT_EQ(back.alarmTime.hour, 20);
    EXPECT_EQ(back.noteWord, 0x1234);

    ASSERT_EQ(DeleteCalendarentry(4), stDone);
    EXPECT_EQ(DeleteCalendarentry(4), stNoSuchLocation);
    note.location = 101;  // beyond the phone's calendar
    EXPECT_EQ(WriteCalendarEntry(note), stRefused);
}

TEST_F(Family7110, ProfilesReadWrittenAndReadAgain) {
    connectTo("NSE-5");
    TProfile general;
    general.profileNumber = 0;
    ASSERT_EQ(GetProfile(general), stDone);
    EXPECT_EQ(requestBodies(*sim, 0x39, 0x01).front()[7], 0x01);  // P + 1
    EXPECT_EQ(general.name, "");
    EXPECT_EQ(general.standardNameIndex, 0);
    EXPECT_EQ(general.keypadTones, 2);
    EXPECT_EQ(general.volume, 3);
    EXPECT_EQ(general.ringingMode, 0);
    EXPECT_EQ(general.callerGroups, 255);

    TProfile silent;
    silent.profileNumber = 1;
    silent.name = "Kino";
    silent.keypadTones = 0;
    silent.lights = 1;
    silent.ringingMode = 5;
    silent.ringtoneNumber = 0x20;
    silent.volume = 0;  // the phone's codes
    silent.vibration = 1;
    silent.callerGroups = 3;
    ASSERT_EQ(SetProfile(silent), stDone);
    const auto stored = sim->fixture().data.profiles[1];
    EXPECT_EQ(stored.name, "Kino");
    EXPECT_EQ(stored.ringtone, 0x20);
    EXPECT_EQ(stored.callerGroups, 3);
    TProfile back;
    back.profileNumber = 1;
    ASSERT_EQ(GetProfile(back), stDone);
    EXPECT_EQ(back.name, "Kino");
    EXPECT_EQ(back.ringingMode, 5);
    EXPECT_EQ(back.volume, 1);
    EXPECT_EQ(back.vibration, 1);

    TProfile none;
    none.profileNumber = 5;  // the phone has five
    EXPECT_EQ(GetProfile(none), stNoAnswer);
}

TEST_F(Family7110, IdentityBookmarksAndDivertsAsForEveryNokia) {
    connectTo("NPE-4");
    TPhoneInfo info;
    ASSERT_EQ(GetPhoneInfos(info), stDone);
    EXPECT_EQ(info.modelCode, "NPE-4");
    EXPECT_EQ(info.serialNumber, "351234000098765");
    EXPECT_EQ(info.hardwareVersion, "1050");
    EXPECT_EQ(info.softwareVersion, "V 04.80");
    TWap bookmarks;
    ASSERT_EQ(GetWAPlink(bookmarks), stDone);
    ASSERT_EQ(bookmarks.count, 1);
    EXPECT_EQ(bookmarks.names[0], "Wetter");
    TDivert divert;
    divert.reason = 3;
    divert.active = 1;
    divert.number = "+491701234567";
    divert.delay = 20;
    ASSERT_EQ(SetDiverts(divert), stDone);
    TDivert back;
    back.reason = 3;
    ASSERT_EQ(GetDiverts(back), stDone);
    EXPECT_EQ(back.active, 1);
    EXPECT_EQ(back.number, "+491701234567");
}

// The 8310 (model 18): its phonebook and logo requests are the 61xx
// family's, its answers are read by the 7110 dispatcher.
TEST_F(Family7110, The8310MixesBothFamilies) {
    connectTo("NHM-7");
    TPhoneBookEntry entry;
    entry.memory = memSim;
    entry.location = 1;
    entry.name = "left over";
    ASSERT_EQ(ReadPhoneBookEntry(entry), stDone);
    EXPECT_EQ(requestBodies(*sim, 0x03, 0x01).back(),
              (std::vector<uint8_t>{0x00, 0x01, 0x00, 0x01, 0x03, 0x01, 0x00}));
    EXPECT_EQ(entry.empty, 1);  // answered in the 61xx layout, which this dispatcher does not read
    EXPECT_EQ(entry.name, "");

    GSMBitmap logo;
    logo.kind = bkOperatorLogo;
    EXPECT_EQ(GetBitmap(logo), stNoAnswer);

    tsmsinfo folders;
    ASSERT_EQ(getsmsinfos(folders), stDone);
    EXPECT_EQ(folders.folderCount, 4);
    GSMSMS message;
    ASSERT_EQ(GetSMS(0x08, 1, message), stDone);
    EXPECT_EQ(message.text, "Hallo, wie geht's?");
    TCalendarInfo info;
    ASSERT_EQ(getcalinfo(info), stDone);
    EXPECT_EQ(info.used, 4);
    TProfile profile;
    ASSERT_EQ(GetProfile(profile), stDone);
}

}  // namespace
