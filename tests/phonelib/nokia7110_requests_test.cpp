// The 7110 family's requests byte for byte.
#include <gtest/gtest.h>

#include "phonelib/api/status.h"
#include "phonelib/drivers/nokia7110/calendar.h"
#include "phonelib/drivers/nokia7110/logos.h"
#include "phonelib/drivers/nokia7110/messages.h"
#include "phonelib/drivers/nokia7110/phonebook.h"
#include "phonelib/drivers/nokia7110/profiles.h"
#include "tests/support/testbitmaps.h"

using namespace phonelib;
using namespace phonelib::nokia7110;

namespace {

using Bytes = std::vector<uint8_t>;

TPhoneBookEntry entryAt(uint8_t memory, int32_t location) {
    TPhoneBookEntry entry;
    entry.memory = memory;
    entry.location = location;
    return entry;
}

TEST(Nokia7110Requests, ReadingEntriesAndCallerGroups) {
    Request request;
    ASSERT_EQ(entryReadRequest(entryAt(memCallerGroups, 2), request), stDone);
    EXPECT_EQ(request, (Request{0x03,
                                {0x00, 0x01, 0x01, 0x07, 0x01, 0x01, 0x00, 0x01, 0x02, 0x10, 0x00,
                                 0x03, 0x00, 0x00}}));
    ASSERT_EQ(entryReadRequest(entryAt(memSim, 0x1234), request), stDone);
    EXPECT_EQ(request.body[9], 0x06);
    EXPECT_EQ(request.body[10], 0x12);
    EXPECT_EQ(request.body[11], 0x34);
    EXPECT_EQ(entryReadRequest(entryAt(memAddressBook, 1), request), stNotAvailable);
    EXPECT_EQ(entryReadRequest(entryAt(memPhone, 0x10000), request), stNoSuchLocation);
}

TEST(Nokia7110Requests, TheAnnaEntryAsBlocks) {
    TPhoneBookEntry anna = entryAt(memPhone, 1);
    anna.name = "Anna";
    anna.numbers = {TNumberItem{"0170123456", ntMobile, 1}};
    anna.numberCount = 1;
    anna.group.groupIndex = 1;
    Request request;
    ASSERT_EQ(entryWriteRequest(anna, request), stDone);
    Bytes expected = {0x00, 0x01, 0x00, 0x0B, 0x00, 0x01, 0x01, 0x00, 0x00, 0x0C, 0x02, 0x05, 0x00,
                      0x01, 0x00, 0x00, 0x00, 0x03,
                      // 07: name, 16 bytes
                      0x07, 0x00, 0x00, 16, 1, 10, 0, 'A', 0, 'n', 0, 'n', 0, 'a', 0, 0,
                      // 1E: group 1 as 2
                      0x1E, 0x00, 0x00, 8, 2, 2, 0, 0,
                      // 0B: a mobile number of ten digits, 34 bytes
                      0x0B, 0x00, 0x00, 34, 3, 0x03, 0, 0, 0, 22};
    for (const char c : std::string("0170123456"))
        expected.insert(expected.end(), {0x00, static_cast<uint8_t>(c)});
    expected.insert(expected.end(), {0, 0, 0, 0});
    EXPECT_EQ(request.body, expected);
}

TEST(Nokia7110Requests, TextsSpeedDialsAndDeleting) {
    TPhoneBookEntry entry = entryAt(memSim, 3);
    entry.name = "A";
    entry.texts = {TTextItem{"Hof", ttPostal, 0}, TTextItem{"x.de", ttUrl, 0}};
    entry.group.groupIndex = 5;  // no group
    Request request;
    ASSERT_EQ(entryWriteRequest(entry, request), stDone);
    EXPECT_EQ(request.body[17], 2);     // the URL has no block
    EXPECT_EQ(request.body[28], 0x09);  // the postal address after the name

    TPhoneBookEntry dial = entryAt(memSpeedDials, 5);
    dial.speedDialNumberIndex = 1;
    dial.speedDialMemory = 1;
    dial.speedDialLocation = 300;
    ASSERT_EQ(entryWriteRequest(dial, request), stDone);
    EXPECT_EQ(request.body[11], 0x0E);
    EXPECT_EQ(request.body[13], 5);
    EXPECT_EQ(Bytes(request.body.begin() + 18, request.body.end()),
              (Bytes{0x04, 0x00, 0x00, 0x0C, 0x03, 0xFF, 0x01, 0x2C, 0x05, 0x00, 0x00, 0x00}));

    // Neither name nor number: the 17-byte delete, in the entry's own memory.
    TPhoneBookEntry empty = entryAt(memSim, 0x0102);
    empty.numbers = {TNumberItem{}};
    ASSERT_EQ(entryWriteRequest(empty, request), stDone);
    EXPECT_EQ(request, (Request{0x03,
                                {0x00, 0x01, 0x01, 0x0F, 0x00, 0x01, 0x04, 0x00, 0x00, 0x0C, 0x01,
                                 0xFF, 0x01, 0x02, 0x06, 0x00, 0x00}}));
    TPhoneBookEntry dialled = entryAt(memDialled, 4);
    ASSERT_EQ(entryWriteRequest(dialled, request), stDone);
    EXPECT_EQ(request.body[14], 0x01);  // not the phone memory's entry 4

    entry.name = std::string(124, 'N');
    EXPECT_EQ(entryWriteRequest(entry, request), stTooLong);
}

TEST(Nokia7110Requests, CallerGroupLogoAsPhonebookBlocks) {
    GSMBitmap logo = testing_support::patternedBitmap(bkCallerGroupLogo, 72, 14);
    logo.groupIndex = 2;
    logo.groupName = "VIP";
    logo.groupRingtone = 0x10;
    logo.groupLogoOn = 1;
    Request request;
    ASSERT_EQ(groupLogoWriteRequest(logo, request), stDone);
    EXPECT_EQ(request.body[11], 0x10);
    EXPECT_EQ(request.body[13], 3);  // group 2 at location 3
    EXPECT_EQ(request.body[17], 5);
    // Name (14), group (8), ringtone (8), logo switch (8), then the picture.
    const size_t picture = 18 + 14 + 8 + 8 + 8;
    EXPECT_EQ(request.body[picture], 0x1B);
    EXPECT_EQ(request.body[picture + 3], 126 + 16);
    EXPECT_EQ(request.body[picture + 9], 126);
    EXPECT_EQ(request.body.size(), picture + 126 + 16);
    logo.size = 300;
    EXPECT_EQ(groupLogoWriteRequest(logo, request), stTooLong);

    // Renaming group 2 writes location 3 with its ringtone and logo.
    TPhoneBookEntry group = entryAt(memCallerGroups, 2);
    group.name = "Chefs";
    group.group = testing_support::patternedBitmap(bkCallerGroupLogo, 72, 14);
    group.group.groupRingtone = 0x10;
    ASSERT_EQ(entryWriteRequest(group, request), stDone);
    EXPECT_EQ(request.body[11], 0x10);
    EXPECT_EQ(request.body[13], 3);
    EXPECT_EQ(request.body[17], 5);
    EXPECT_EQ(request.body.size(), 18u + 18 + 8 + 8 + 8 + 142);
}

TEST(Nokia7110Requests, LogosAndPictures) {
    GSMBitmap logo = testing_support::patternedBitmap(bkOperatorLogo, 72, 14);
    logo.networkCode = "62F210";
    std::vector<Request> requests;
    ASSERT_EQ(logoUploadRequests(logo, requests), stDone);
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[0].type, 0x0A);
    EXPECT_EQ(Bytes(requests[0].body.begin(), requests[0].body.begin() + 18),
              (Bytes{0x00, 0x01, 0x01, 0xA3, 0x01, 0x00, 0x62, 0xF2, 0x10, 0x00, 0x04, 134, 72, 14,
                     0x00, 126, 0x00, 0x00}));
    EXPECT_EQ(requests[0].body.size(), 126u + 19);
    EXPECT_EQ(requests[1].body[5], 0x01);
    EXPECT_TRUE(std::equal(requests[0].body.begin() + 6, requests[0].body.end(),
                           requests[1].body.begin() + 6));

    GSMBitmap startup = testing_support::patternedBitmap(bkStartupLogo, 96, 65);
    ASSERT_EQ(logoUploadRequests(startup, requests), stDone);
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].type, 0x7A);
    EXPECT_EQ(requests[0].body.size(), 780u + 22);
    EXPECT_EQ(requests[0].body[12], 65);
    EXPECT_EQ(requests[0].body[16], 96);
    EXPECT_EQ(requests[0].body[21], 0xFF);  // the first stripe byte

    GSMBitmap picture = testing_support::patternedBitmap(bkPictureMessage, 72, 28);
    picture.location = 2;
    picture.groupName = "Hallo";
    ASSERT_EQ(logoUploadRequests(picture, requests), stDone);
    const Bytes& body = requests[0].body;
    EXPECT_EQ(requests[0].type, 0x14);
    EXPECT_EQ(body[7], 2);
    EXPECT_EQ(body.size(), 252u + 54 + 5);
    EXPECT_EQ(body[51 + 252], 5);
    EXPECT_EQ(Bytes(body.end() - 7, body.end()), (Bytes{0xC8, 0x30, 0x9B, 0xFD, 0x06, 0x01, 0x00}));
    picture.location = 256;
    EXPECT_EQ(logoUploadRequests(picture, requests), stNoSuchLocation);
}

TEST(Nokia7110Requests, RingtonesOfModel21AndOfModels19And20) {
    std::vector<midi::TNote> notes = {
        {60, 240, false}, {60, 240, false}, {0, 480, true}, {0, 480, true}, {76, 240, false}};
    Request request;
    ASSERT_EQ(binaryRingtoneRequest(notes, 125, 2, request), stDone);
    const Bytes& body = request.body;
    EXPECT_EQ(request.type, 0x1F);
    EXPECT_EQ(Bytes(body.begin(), body.begin() + 8),
              (Bytes{0x00, 0x01, 0x01, 0x1F, 0x00, 0x76, 0x00, 'C'}));
    EXPECT_EQ(body[19], 'a');
    EXPECT_EQ(body[36], 0x00);
    EXPECT_EQ(Bytes(body.begin() + 37, body.begin() + 43),
              (Bytes{0x02, 0xFC, 0x09, 0x00, 0x0A, 0x01}));
    // The second c5 follows 40 01; pauses are 0x40 and need no gap.
    EXPECT_EQ(Bytes(body.begin() + 43, body.end() - 12),
              (Bytes{0x7F, 28, 0x40, 0x01, 0x7F, 28, 0x40, 57, 0x40, 57, 0x8F, 28}));
    EXPECT_EQ(body.size(), 55u + 2 * 6);
    notes[0].ticks = 480 * 6;  // too long for the duration byte at this tempo
    EXPECT_EQ(binaryRingtoneRequest(notes, 25, 2, request), stTooLong);
    EXPECT_EQ(binaryRingtoneRequest(notes, 125, 0x8C, request), stNoSuchLocation);

    const Bytes tune = {0x02, 0x4A, 0x3A};
    ASSERT_EQ(ringtoneRequest00(tune, request), stDone);
    EXPECT_EQ(request,
              (Request{0x00, {0x7C, 0x01, 0x00, 0x0D, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x03,
                              0x02, 0x4A, 0x3A, 0,    0,    0,    0,    0,    0,    0,    0}}));
    EXPECT_EQ(ringtoneRequest00(Bytes(256, 0x00), request), stTooLong);
}

TEST(Nokia7110Requests, CalendarNotes) {
    TCalendarEntry birthday;
    birthday.location = 3;
    birthday.noteType = ntBirthday;
    birthday.text = "Jo";
    birthday.date = TDateTimeRec{2024, 5, 4, 0, 0, 0, 0};
    birthday.silent = 1;
    Request request;
    ASSERT_EQ(calendarWriteRequest(birthday, request), stDone);
    EXPECT_EQ(request.body, (Bytes{0x00, 0x01, 0x00, 0x05, 0x00, 0x03, 0x04, 0x00, 0x07,
                                   0xBA, 5,    4,    0x00, 0x00, 0x00, 0x00, 0xFF, 0xFF,
                                   0x01, 2,    0x00, 'J',  0x00, 'o'}));  // no birth year: 1978

    birthday.birthYear = 1975;
    birthday.alarmSet = 1;
    birthday.alarmTime = TDateTimeRec{2023, 5, 4, 23, 0, 0, 0};
    ASSERT_EQ(calendarWriteRequest(birthday, request), stDone);
    EXPECT_EQ(request.body[8] << 8 | request.body[9], 1975);
    // The alarm moves into the note's year: 59 minutes and 58 seconds before.
    EXPECT_EQ(request.body[16] << 8 | request.body[17], 59 * 60 + 58);

    TCalendarEntry call;
    call.location = 0x0101;
    call.noteType = ntCall;
    call.text = "A";
    call.number = "12";
    call.date = TDateTimeRec{2001, 6, 2, 14, 30, 0, 0};
    call.alarmSet = 1;
    call.alarmTime = TDateTimeRec{2001, 6, 2, 14, 0, 0, 0};
    call.noteWord = 0xBEEF;
    ASSERT_EQ(calendarWriteRequest(call, request), stDone);
    EXPECT_EQ(request.body,
              (Bytes{0x00, 0x01, 0x00, 0x03, 0x01, 0x01, 0x02, 0x00, 0x07, 0xD1, 6,   2,    14,
                     30,   0x00, 30,   0xBE, 0xEF, 1,    2,    0x00, 'A',  0x00, '1', 0x00, '2'}));
    call.alarmTime.hour = 15;  // after the note
    EXPECT_EQ(calendarWriteRequest(call, request), stTooLong);

    TCalendarEntry memo;
    memo.location = 1;
    memo.text = "E";
    ASSERT_EQ(calendarWriteRequest(memo, request), stDone);
    EXPECT_EQ(Bytes(request.body.begin() + 3, request.body.begin() + 8),
              (Bytes{0x07, 0x00, 0x01, 0x08, 0x00}));
    EXPECT_EQ(Bytes(request.body.begin() + 12, request.body.end()),
              (Bytes{0x00, 0x00, 1, 0x27, 0x00, 'E'}));
    memo.noteType = ntTask;
    EXPECT_EQ(calendarWriteRequest(memo, request), stNotAvailable);

    ASSERT_EQ(calendarReadRequest(0x0203, request), stDone);
    EXPECT_EQ(request, (Request{0x13, {0x00, 0x01, 0x00, 0x19, 0x02, 0x03}}));
    ASSERT_EQ(calendarDeleteRequest(5, request), stDone);
    EXPECT_EQ(request, (Request{0x13, {0x00, 0x01, 0x00, 0x0B, 0x00, 0x05}}));
}

TEST(Nokia7110Requests, ProfilesAndMessages) {
    EXPECT_EQ(profileReadRequest(*phoneProfileOf(0), kProfileName),
              (Request{0x39, {0x00, 0x01, 0x00, 0x01, 0x01, 0x01, 0x01, 0x01, 0xFF}}));
    TProfile profile;
    profile.profileNumber = 2;
    profile.name = "Ab";
    profile.volume = 4;
    Request request;
    ASSERT_EQ(profileNameWrite(profile, request), stDone);
    EXPECT_EQ(request.body, (Bytes{0x00, 0x01, 0x00, 0x03, 0x01, 0x01, 0x03, 0xFF, 0x03, 5, 0x00,
                                   'A', 0x00, 'b', 0x00}));
    EXPECT_EQ(profileFeatureWrite(profile, 4).body,
              (Bytes{0x00, 0x01, 0x00, 0x03, 0x01, 0x01, 0x03, 0x04, 0x03, 0x01, 0x04}));
    EXPECT_FALSE(phoneProfileOf(255));

    GSMSMS message;
    message.storedBodyLength = 3;
    message.storedBody[2] = 0x7E;
    ASSERT_EQ(messageWriteRequest(0x18, 0x0102, message, request), stDone);
    EXPECT_EQ(request.body,
              (Bytes{0x00, 0x01, 0x01, 0x04, 0x01, 0x18, 0x01, 0x02, 0x00, 0x00, 0x7E}));
    message.storedBodyLength = kStoredBodyBytes + 1;
    EXPECT_EQ(messageWriteRequest(0x18, 1, message, request), stTooLong);
    message.storedBodyLength = 0;
    EXPECT_EQ(messageWriteRequest(0x18, 1, message, request), stTooLong);
    ASSERT_EQ(messageReadRequest(0x08, 300, request), stDone);
    EXPECT_EQ(request.body, (Bytes{0x00, 0x01, 0x01, 0x07, 0x08, 0x01, 0x2C, 0x01, 0x65}));
    ASSERT_EQ(messageDeleteRequest(0x08, 1, request), stDone);
    EXPECT_EQ(request.body, (Bytes{0x00, 0x01, 0x01, 0x0A, 0x08, 0x00, 0x01}));
    EXPECT_EQ(folderStatusRequest(0x10).body, (Bytes{0x00, 0x01, 0x01, 0x6B, 0x10, 0x0F, 0x01}));
    EXPECT_EQ(messageReadRequest(0x08, -1, request), stNoSuchLocation);
}

}  // namespace
