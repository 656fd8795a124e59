// The 7110 family's answer decoders on hand-made bodies: what they read
// where, and that short or damaged answers never make them read past the
// body.
#include <gtest/gtest.h>

#include "phonelib/drivers/nokia7110/calendar.h"
#include "phonelib/drivers/nokia7110/logos.h"
#include "phonelib/drivers/nokia7110/messages.h"
#include "phonelib/drivers/nokia7110/phonebook.h"
#include "phonelib/drivers/nokia7110/profiles.h"
#include "phonelib/drivers/nokia7110/replies.h"

using namespace phonelib;
using namespace phonelib::nokia7110;

namespace {

using Bytes = std::vector<uint8_t>;

Bytes wide(const std::string& text) {
    Bytes bytes;
    for (const char c : text) bytes.insert(bytes.end(), {0x00, static_cast<uint8_t>(c)});
    return bytes;
}

TEST(Nokia7110Answers, BatterySignalAndTheLogoOfTheNetworkAnswer) {
    EXPECT_EQ(decodeSignal(Bytes{0x00, 0x01, 0x00, 0x82, 99}), 3);
    EXPECT_EQ(decodeBattery(Bytes{0x00, 0x01, 0x00, 0x03, 0x00, 100}), 4);
    EXPECT_EQ(decodeBattery(Bytes{0x00, 0x01, 0x00, 0x03, 0x00, 255}), 4);
    EXPECT_EQ(decodeBattery(Bytes{0x00, 0x01, 0x00, 0x03, 0x00}), std::nullopt);

    // Byte 7 = 4: width at 12, height at 13, row data from 18.
    Bytes network(18, 0x00);
    network[3] = 0x71;
    network[7] = 4;
    network[12] = 8;
    network[13] = 2;
    network.insert(network.end(), {0xA5, 0x5A});
    GSMBitmap logo;
    ASSERT_TRUE(decodeNetworkLogo(network, logo));
    EXPECT_EQ(logo.kind, bkOperatorLogo);
    EXPECT_EQ(logo.width, 8);
    EXPECT_EQ(logo.height, 2);
    EXPECT_EQ(logo.size, 2);
    EXPECT_EQ(logo.rowData[0], 0xA5);
    EXPECT_EQ(logo.rowData[1], 0x5A);

    network.pop_back();  // one data byte short
    GSMBitmap unchanged;
    unchanged.width = 7;
    EXPECT_FALSE(decodeNetworkLogo(network, unchanged));
    EXPECT_EQ(unchanged.width, 7);
    network[7] = 0xF0;  // the offset points past the body
    EXPECT_FALSE(decodeNetworkLogo(network, unchanged));
}

Bytes entryAnswer(uint8_t memory, uint16_t location, uint16_t count, const Bytes& blocks) {
    Bytes body = {0x00,
                  0x01,
                  0x00,
                  0x08,
                  0x00,
                  0x00,
                  0x00,
                  0x00,
                  0x00,
                  0x00,
                  0x00,
                  memory,
                  static_cast<uint8_t>(location >> 8),
                  static_cast<uint8_t>(location),
                  0x00,
                  0x00,
                  static_cast<uint8_t>(count >> 8),
                  static_cast<uint8_t>(count)};
    body.insert(body.end(), blocks.begin(), blocks.end());
    return body;
}

Bytes block(uint8_t id, uint8_t number, const Bytes& content) {
    Bytes b = {id, 0x00, 0x00, static_cast<uint8_t>(content.size() + 7), number};
    b.insert(b.end(), content.begin(), content.end());
    b.insert(b.end(), {0x00, 0x00});
    return b;
}

TEST(Nokia7110Answers, EntryBlocksWhateverTheirTextLengthsCount) {
    // Names count their closing 00 00, numbers and texts (as phones send
    // them) do not: no character may get lost either way.
    Bytes name = {0x0A};
    const Bytes anna = wide("Anna");
    name.insert(name.end(), anna.begin(), anna.end());
    Bytes number = {ntMobile, 0x00, 0x00, 0x00, 0x0A};
    const Bytes digits = wide("01234");
    number.insert(number.end(), digits.begin(), digits.end());
    Bytes mail = {0x02};
    mail.insert(mail.end(), {0x00, 'x'});
    Bytes blocks = block(0x07, 1, name);
    for (const Bytes& b : {block(0x0B, 2, number), block(0x08, 3, mail), block(0x1E, 4, {0x03})}) {
        blocks.insert(blocks.end(), b.begin(), b.end());
    }
    TPhoneBookEntry entry;
    const auto found = decodeEntry(entryAnswer(0x05, 300, 4, blocks), entry);
    EXPECT_EQ(entry.empty, 0);
    EXPECT_EQ(entry.memory, memPhone);
    EXPECT_EQ(entry.location, 300);
    EXPECT_EQ(entry.name, "Anna");
    ASSERT_EQ(entry.numbers.size(), 1u);
    EXPECT_EQ(entry.numbers[0].number, "01234");
    EXPECT_EQ(entry.numbers[0].type, ntMobile);
    ASSERT_EQ(entry.texts.size(), 1u);
    EXPECT_EQ(entry.texts[0].text, "x");
    EXPECT_EQ(entry.texts[0].type, ttEmail);
    EXPECT_EQ(found.group, 2);

    // A block longer than what is left of the body ends the reading; what
    // came before stays.
    Bytes cut = entryAnswer(0x06, 1, 4, blocks);
    cut.resize(cut.size() - 12);
    TPhoneBookEntry partial;
    const auto none = decodeEntry(cut, partial);
    EXPECT_EQ(partial.name, "Anna");
    EXPECT_EQ(partial.numbers.size(), 1u);
    EXPECT_TRUE(partial.texts.empty());
    EXPECT_FALSE(none.group);
    // A block count beyond the blocks, and a length below a block header.
    TPhoneBookEntry odd;
    decodeEntry(entryAnswer(0x06, 1, 9, block(0x07, 1, name)), odd);
    EXPECT_EQ(odd.name, "Anna");
    Bytes zeroLength = block(0x07, 1, name);
    zeroLength[3] = 0;
    TPhoneBookEntry stuck;
    decodeEntry(entryAnswer(0x06, 1, 2, zeroLength), stuck);
    EXPECT_EQ(stuck.name, "");
}

TEST(Nokia7110Answers, EmptyLocationsGroupsAndMemoryStatus) {
    TPhoneBookEntry entry;
    entry.empty = 1;
    entry.name = "kept";
    decodeEntry(Bytes{0x00, 0x01, 0x00, 0x08, 0x00, 0x00, 0x0F, 0x00, 0x00, 0x00, 0x33}, entry);
    EXPECT_EQ(entry.empty, 1);
    EXPECT_EQ(entry.name, "kept");

    // Caller groups: the phone counts from 1, the record from 0.
    TPhoneBookEntry group;
    decodeEntry(
        entryAnswer(0x10, 3, 2,
                    [] {
                        Bytes b = block(0x0C, 1, {0x21});
                        const Bytes logo = block(0x1B, 2, {8, 2, 0x00, 0x00, 2, 0xAA, 0xBB});
                        b.insert(b.end(), logo.begin(), logo.end());
                        return b;
                    }()),
        group);
    EXPECT_EQ(group.memory, memCallerGroups);
    EXPECT_EQ(group.location, 2);
    EXPECT_EQ(group.group.width, 8);
    EXPECT_EQ(group.group.size, 2);
    EXPECT_EQ(group.group.rowData[1], 0xBB);

    TCapacity capacity;
    Bytes status(18, 0x00);
    status[3] = 0x04;
    status[15] = 200;
    status[17] = 3;
    ASSERT_TRUE(decodeMemoryStatus(status, capacity));
    EXPECT_EQ(capacity.used, 3);
    EXPECT_EQ(capacity.free, 197);
    EXPECT_FALSE(decodeMemoryStatus(Bytes(status.begin(), status.end() - 1), capacity));

    EXPECT_TRUE(refusedByPhone(Bytes{0x00, 0x01, 0x00, 0x0C, 0x00, 0x00, 0x0F}));
    EXPECT_FALSE(refusedByPhone(Bytes{0x00, 0x01, 0x00, 0x0C, 0x00, 0x00, 0x00}));
}

// A received message: state, folder, location, then the stored form.
Bytes messageAnswer(uint8_t state, size_t storedLength) {
    Bytes body = {0x00, 0x01, 0x00, 0x08, state, 0x08, 0x01, 0x02};
    Bytes stored(storedLength, 0x00);
    stored[13] = 0x04;  // first octet
    stored[16] = 5;     // five septets
    stored[17] = 4;     // four digits
    stored[18] = 0x81;  // national
    stored[19] = 0x10;  // "0123"
    stored[20] = 0x32;
    const Bytes stamp = {0x10, 0x50, 0x21, 0x01, 0x03, 0x54};  // 01-05-12 10:30:45
    std::copy(stamp.begin(), stamp.end(), stored.begin() + 29);
    const Bytes hallo = {0xC8, 0x30, 0x9B, 0xFD, 0x06};
    std::copy(hallo.begin(), hallo.end(), stored.begin() + 36);
    body.insert(body.end(), stored.begin(), stored.end());
    body.push_back(0x00);
    return body;
}

TEST(Nokia7110Answers, StoredMessagesAndTheirStoredForm) {
    GSMSMS message;
    const Bytes answer = messageAnswer(0x03, 41);
    ASSERT_TRUE(decodeStoredMessage(answer, message));
    EXPECT_EQ(message.text, "Hallo");
    EXPECT_EQ(message.remoteNumber, "0123");
    EXPECT_EQ(message.unread, 1);  // the read state at byte 4
    EXPECT_EQ(message.date, "12.05.01");
    EXPECT_EQ(message.location, 0x0102);
    EXPECT_EQ(message.storedBodyLength, 41);
    EXPECT_EQ(static_cast<size_t>(message.storedBodyLength), answer.size() - 9);
    EXPECT_TRUE(std::equal(answer.begin() + 8, answer.end() - 1, message.storedBody.begin()));

    // A stored form beyond the record's 200 bytes is not kept: a cut one
    // would be written back damaged.
    GSMSMS longer;
    ASSERT_TRUE(decodeStoredMessage(messageAnswer(0x01, 201), longer));
    EXPECT_EQ(longer.text, "Hallo");
    EXPECT_EQ(longer.unread, 0);
    EXPECT_EQ(longer.storedBodyLength, 0);
    GSMSMS fits;
    ASSERT_TRUE(decodeStoredMessage(messageAnswer(0x01, 200), fits));
    EXPECT_EQ(fits.storedBodyLength, 200);

    EXPECT_FALSE(decodeStoredMessage(Bytes(answer.begin(), answer.begin() + 8), message));
}

TEST(Nokia7110Answers, FolderListAndFolderStatus) {
    // "In": the name ends at the character whose low byte is 0.
    Bytes list = {0x00, 0x01, 0x00, 0x7B, 0x02, 0x08, 0x00, 0x49, 0x00, 0x6E, 0x00, 0x00, 0x10};
    const Bytes out = wide("Out");
    list.insert(list.end(), out.begin(), out.end());
    list.insert(list.end(), {0x00, 0x00});
    tsmsinfo folders;
    ASSERT_TRUE(decodeFolderList(list, folders));
    ASSERT_EQ(folders.folderCount, 2);
    EXPECT_EQ(folders.folders[0].folderId, 0x08);
    EXPECT_EQ(folders.folders[0].folderName, "In");
    EXPECT_EQ(folders.folders[1].folderId, 0x10);
    EXPECT_EQ(folders.folders[1].folderName, "Out");

    // A list that ends inside a name, or announces more folders than it
    // holds, stops at the end of the body.
    Bytes cut(list.begin(), list.end() - 4);
    cut[4] = 9;
    tsmsinfo partial;
    ASSERT_TRUE(decodeFolderList(cut, partial));
    EXPECT_EQ(partial.folderCount, 2);
    EXPECT_EQ(partial.folders[1].folderName, "Ou");
    Bytes many = {0x00, 0x01, 0x00, 0x7B, 0xFF};
    for (int i = 0; i < 40; ++i) many.insert(many.end(), {static_cast<uint8_t>(i), 0x00, 0x00});
    tsmsinfo capped;
    ASSERT_TRUE(decodeFolderList(many, capped));
    EXPECT_EQ(capped.folderCount, kMaxFolders);

    FolderStatus status;
    ASSERT_TRUE(decodeFolderStatus(
        Bytes{0x00, 0x01, 0x00, 0x6C, 0x00, 0x05, 0x00, 0x01, 0x01, 0x2C}, status));
    EXPECT_EQ(status.messageCount, 2);  // five announced, two there
    EXPECT_EQ(status.locations[1], 300);
}

TEST(Nokia7110Answers, CalendarNotesByType) {
    // Memo: the note word, the text, and the fixed alarm time.
    Bytes memo = {0x00, 0x01, 0x00, 0x1A, 0x01, 0x00, 0x08, 0x00,
                  0x07, 0xD1, 6,    3,    0x12, 0x34, 2,    0x27};
    const Bytes text = wide("Ei");
    memo.insert(memo.end(), text.begin(), text.end());
    TCalendarEntry note;
    note.alarmSet = 1;
    ASSERT_TRUE(decodeCalendarNote(memo, note));
    EXPECT_EQ(note.noteType, ntReminder);
    EXPECT_EQ(note.noteWord, 0x1234);
    EXPECT_EQ(note.text, "Ei");
    EXPECT_EQ(note.date.year, 2001);
    EXPECT_EQ(note.alarmSet, 0);
    EXPECT_EQ(note.alarmTime.year, 1998);
    EXPECT_EQ(note.alarmTime.month, 1);
    EXPECT_EQ(note.alarmTime.day, 1);
    EXPECT_EQ(note.alarmTime.hour, 12);
    EXPECT_EQ(note.alarmTime.minute, 12);
    EXPECT_EQ(note.status, 2);
    EXPECT_EQ(note.noEnd, 1);

    // Birthday: year 2000 at 23:59:58, the lead in seconds before it.
    Bytes birthday = {0x00, 0x01, 0x00, 0x1A, 0x01, 0x00, 0x04, 0x00, 0x07, 0xB7, 8,
                      15,   0x00, 0x00, 0x00, 0x00, 0x0E, 0x10, 0x07, 0xB7, 0x01, 0x00};
    ASSERT_TRUE(decodeCalendarNote(birthday, note));
    EXPECT_EQ(note.noteType, ntBirthday);
    EXPECT_EQ(note.date.year, 2000);
    EXPECT_EQ(note.birthYear, 1975);
    EXPECT_EQ(note.silent, 1);
    EXPECT_EQ(note.alarmSet, 1);
    EXPECT_EQ(note.alarmLead, 3600);
    EXPECT_EQ(note.alarmTime.hour, 22);
    EXPECT_EQ(note.alarmTime.minute, 59);

    // Meeting without alarm; an empty location; a note cut short.
    Bytes meeting = {0x00, 0x01, 0x00, 0x1A, 0x01, 0x00, 0x01, 0x00, 0x07, 0xD1,
                     6,    3,    10,   30,   0xFF, 0xFF, 0x00, 0x00, 0x00, 0x27};
    ASSERT_TRUE(decodeCalendarNote(meeting, note));
    EXPECT_EQ(note.noteType, ntMeeting);
    EXPECT_EQ(note.alarmSet, 0);
    EXPECT_EQ(note.date.hour, 10);
    EXPECT_FALSE(decodeCalendarNote(Bytes{0x00, 0x01, 0x00, 0x1A, 0x93}, note));
    EXPECT_FALSE(decodeCalendarNote(Bytes(meeting.begin(), meeting.end() - 1), note));
    EXPECT_EQ(note.noteType, ntMeeting);  // unchanged

    TCalendarInfo info;
    ASSERT_TRUE(decodeCalendarInfo(
        Bytes{0x00, 0x01, 0x00, 0x3B, 0x00, 0x02, 0x00, 0x00, 0x00, 0x01, 0x01, 0x00}, info));
    EXPECT_EQ(info.used, 2);
    EXPECT_EQ(info.locations[1], 256);
    EXPECT_EQ(decodeNextLocation(Bytes{0x00, 0x01, 0x00, 0x32, 0x00, 0x07}), 7);
}

TEST(Nokia7110Answers, ProfileNamesFeaturesAndTheStartupLogo) {
    TProfile profile;
    Bytes name = {0x00, 0x01, 0x00, 0x02, 0x01, 0x01, 0xFF, 0x01, 0x00, 0x06};
    const Bytes kino = wide("Kin");
    name.insert(name.end(), kino.begin(), kino.end());
    ASSERT_TRUE(decodeProfileAnswer(name, 21, "NSE-5", profile));
    EXPECT_EQ(profile.name, "Kin");
    name[8] = 0x02;
    name[9] = 0;
    ASSERT_TRUE(decodeProfileAnswer(name, 21, "NSE-5", profile));
    EXPECT_EQ(profile.name, "");
    EXPECT_EQ(profile.standardNameIndex, 9);

    Bytes volume = {0x00, 0x01, 0x00, 0x02, 0x01, 0x01, 0x04, 0x01, 0x00, 0x01, 0x02};
    ASSERT_TRUE(decodeProfileAnswer(volume, 21, "NSE-5", profile));
    EXPECT_EQ(profile.volume, 3);
    volume[10] = 0x07;
    decodeProfileAnswer(volume, 21, "NSE-5", profile);
    EXPECT_EQ(profile.volume, -1);
    Bytes mode = {0x00, 0x01, 0x00, 0x02, 0x01, 0x01, 0x02, 0x01, 0x00, 0x01, 0x04};
    decodeProfileAnswer(mode, 21, "NSE-5", profile);
    EXPECT_EQ(profile.ringingMode, -1);  // 04 is no ringing mode of this family
    EXPECT_FALSE(decodeProfileAnswer(Bytes(mode.begin(), mode.end() - 1), 21, "NSE-5", profile));

    Bytes startup = {0x00, 0x01, 0x01, 0xEF, 0x15, 0x00, 0x00, 0x00, 0x00, 0x04, 0xC0, 0x02,
                     0x00, 2,    0xC0, 0x03, 0x00, 8,    0xC0, 0x04, 0x00, 0x02, 0x81, 0x42};
    GSMBitmap logo;
    ASSERT_TRUE(decodeStartupLogo(startup, logo));
    EXPECT_EQ(logo.kind, bkStartupLogo);
    EXPECT_EQ(logo.height, 2);
    EXPECT_EQ(logo.width, 8);
    EXPECT_EQ(logo.stripeData[1], 0x42);
    EXPECT_FALSE(decodeStartupLogo(Bytes(startup.begin(), startup.end() - 1), logo));
}

}  // namespace
