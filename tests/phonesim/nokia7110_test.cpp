// The 7110-family personality of the simulated phone: its answers where a
// PC reads them, what it keeps of what a PC writes, the messages it sends
// by itself, and the 8310's mix of both families.
#include <gtest/gtest.h>

#include "phonesim/fixture/ringtonenotes.h"
#include "phonesim/nokia7110/requests.h"
#include "phonesim/nokia7110/storedform.h"
#include "tests/phonesim/pcside.h"

using namespace phonesim;
using namespace phonesim_test;

namespace {

Bytes wide(const std::string& text) {
    Bytes bytes;
    for (const char c : text) bytes.insert(bytes.end(), {0x00, static_cast<uint8_t>(c)});
    return bytes;
}

EngineSettings quiet() {
    EngineSettings settings;
    settings.statusInterval = std::chrono::hours(1);
    return settings;
}

class Phone7110 : public ::testing::Test {
  protected:
    Phone7110() : bench(Fixture::forModel(QStringLiteral("NSE-5")), quiet()) {}

    Bytes answerBody(uint8_t type, const Bytes& request) {
        const auto answer = bench.answerTo(type, request);
        EXPECT_TRUE(answer);
        return answer ? answer->body : Bytes{};
    }
    Bench bench;
};

TEST_F(Phone7110, BatteryAndSignalOnceThePcTalks) {
    EngineSettings settings;
    settings.statusInterval = Millis(500);
    Bench own(Fixture::forModel(QStringLiteral("NSE-5")), settings);
    own.clock.advance(Millis(2000));
    EXPECT_TRUE(own.takeFrames().empty());  // nobody there yet
    ASSERT_TRUE(own.answerTo(0xD1, {0x00, 0x01, 0x00, 0x03, 0x01}));
    own.clock.advance(Millis(500));
    std::vector<PhoneFrame> status;
    for (const auto& frame : own.takeFrames()) {
        if (frame.type != 0x7F) status.push_back(frame);
    }
    ASSERT_EQ(status.size(), 1u);  // one frame in flight until it is acknowledged
    EXPECT_EQ(status[0].type, 0x17);
    EXPECT_EQ(Bytes(status[0].data.begin(), status[0].data.end() - 2),
              (Bytes{0x00, 0x01, 0x00, 0x03, 0x00, 75}));
    own.feed(pcAck(0x17, status[0].data.back()));
    const auto signal = own.takeFrames();
    ASSERT_EQ(signal.size(), 1u);
    EXPECT_EQ(signal[0].type, 0x0A);
    EXPECT_EQ(Bytes(signal[0].data.begin(), signal[0].data.end() - 2),
              (Bytes{0x00, 0x01, 0x00, 0x82, 100}));
}

TEST_F(Phone7110, EntriesAsBlocksAndTheTwoErrors) {
    const Bytes read = {0x00, 0x01, 0x01, 0x07, 0x01, 0x01, 0x00,
                        0x01, 0x02, 0x06, 0x00, 0x01, 0x00, 0x00};
    const Bytes anna = answerBody(0x03, read);
    Bytes expected = {0x00, 0x01, 0x00, 0x08, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x06, 0x00,
                      0x01, 0x00, 0x00, 0x00, 0x04,
                      // name: the length counts the closing 00 00
                      0x07, 0x00, 0x00, 16, 1, 10};
    for (const Bytes& part :
         {wide("Anna"), Bytes{0x00, 0x00, 0x0B, 0x00, 0x00, 34, 2, 0x03, 0x00, 0x00, 0x00, 22},
          wide("+4930123456"), Bytes{0x00, 0x00, 0x08, 0x00, 0x00, 40, 3, 32},
          wide("anna@example.org"), Bytes{0x00, 0x00, 0x1E, 0x00, 0x00, 8, 4, 1, 0x00, 0x00}}) {
        expected.insert(expected.end(), part.begin(), part.end());
    }
    EXPECT_EQ(anna, expected);

    Bytes empty = read;
    empty[11] = 3;
    EXPECT_EQ(answerBody(0x03, empty),
              (Bytes{0x00, 0x01, 0x00, 0x08, 0x00, 0x00, 0x0F, 0x00, 0x00, 0x00, 0x33}));
    Bytes beyond = read;
    beyond[10] = 0x01;  // location 257 of 250
    EXPECT_EQ(answerBody(0x03, beyond),
              (Bytes{0x00, 0x01, 0x00, 0x08, 0x00, 0x00, 0x0F, 0x00, 0x00, 0x00, 0x34}));
}

TEST_F(Phone7110, WritesTakeEitherCountingOfTexts) {
    // A name counting its closing 00 00, a number not counting it, padding
    // bytes inside the declared length.
    Bytes write = {0x00, 0x01, 0x00, 0x0B, 0x00, 0x01, 0x01, 0x00, 0x00, 0x0C, 0x02, 0x05,
                   0x00, 0x09, 0x00, 0x00, 0x00, 0x02, 0x07, 0x00, 0x00, 14,   1,    8};
    for (const Bytes& part :
         {wide("Ute"), Bytes{0x00, 0x00, 0x0B, 0x00, 0x00, 16, 2, 0x02, 0x00, 0x00, 0x00, 2},
          wide("7"), Bytes{0x00, 0x00, 0x00, 0x00}}) {
        write.insert(write.end(), part.begin(), part.end());
    }
    EXPECT_EQ(answerBody(0x03, write)[6], 0x00);
    const auto entry = bench.engine.fixture().phonebook.phone.entries.at(9);
    EXPECT_EQ(entry.name, QStringLiteral("Ute"));
    EXPECT_EQ(entry.number, QStringLiteral("7"));
    EXPECT_EQ(entry.numberType, 0x02);

    // A block that runs past the body is refused, nothing is kept.
    write[13] = 0x0A;
    write.resize(write.size() - 3);
    EXPECT_EQ(answerBody(0x03, write)[6], 0x0F);
    EXPECT_FALSE(bench.engine.fixture().phonebook.phone.entries.contains(10));
}

TEST_F(Phone7110, FoldersAndTheStoredForm) {
    Bytes list = {0x00, 0x01, 0x00, 0x7B, 0x04, 0x08};
    for (const Bytes& part :
         {wide("Eingang"), Bytes{0x00, 0x00, 0x10}, wide("Ausgang"), Bytes{0x00, 0x00, 0x18},
          wide("Archiv"), Bytes{0x00, 0x00, 0x20}, wide("Vorlagen"), Bytes{0x00, 0x00}}) {
        list.insert(list.end(), part.begin(), part.end());
    }
    EXPECT_EQ(answerBody(0x14, {0x00, 0x01, 0x01, 0x7A, 0x00, 0x00}), list);
    EXPECT_EQ(answerBody(0x14, {0x00, 0x01, 0x01, 0x6B, 0x08, 0x0F, 0x01}),
              (Bytes{0x00, 0x01, 0x00, 0x6C, 0x00, 0x02, 0x00, 0x01, 0x00, 0x02}));

    const Bytes message = answerBody(0x14, {0x00, 0x01, 0x01, 0x07, 0x08, 0x00, 0x01, 0x01, 0x65});
    ASSERT_GT(message.size(), 9u);
    EXPECT_EQ(Bytes(message.begin(), message.begin() + 9),
              (Bytes{0x00, 0x01, 0x00, 0x08, 0x03, 0x08, 0x00, 0x01, 0x00}));
    EXPECT_EQ(message[9], 7);  // the centre: seven octets with its type
    EXPECT_EQ(message[10], 0x91);
    EXPECT_EQ(message.back(), 0x00);

    // Written back into the archive, it is the same message.
    Bytes write = {0x00, 0x01, 0x01, 0x04, 0x01, 0x18, 0x00, 0x05};
    write.insert(write.end(), message.begin() + 8, message.end() - 1);
    EXPECT_EQ(answerBody(0x14, write), (Bytes{0x00, 0x01, 0x00, 0x05, 0x18, 0x00, 0x05}));
    const auto folders = bench.engine.fixture().messages.folders;
    auto original = folders[0].messages.at(1);
    original.unread = false;  // written as read
    EXPECT_EQ(folders[2].messages.at(5), original);
    EXPECT_EQ(answerBody(0x14, write), (Bytes{0x00, 0x01, 0x00, 0x03}));  // taken now

    EXPECT_EQ(answerBody(0x14, {0x00, 0x01, 0x01, 0x07, 0x08, 0x00, 0x09, 0x01, 0x65}),
              (Bytes{0x00, 0x01, 0x00, 0x09, 0x07}));
    EXPECT_EQ(answerBody(0x14, {0x00, 0x01, 0x01, 0x07, 0x09, 0x00, 0x01, 0x01, 0x65}),
              (Bytes{0x00, 0x01, 0x00, 0x09, 0x02}));
}

TEST(StoredForm, EveryKindOfMessageComesBack) {
    StoredMessage outgoing;
    outgoing.status = 2;
    outgoing.number = QStringLiteral("0301234567");
    outgoing.text = QStringLiteral("Bin unterwegs");
    StoredMessage data;
    data.number = QStringLiteral("+491701234567");
    data.timestamp = QDateTime(QDate(2001, 5, 12), QTime(10, 30, 45));
    data.eightBit = true;
    data.header = QByteArray::fromHex("06050415810000");
    data.data = QByteArray::fromHex("024A3A");
    StoredMessage concatenated = data;
    concatenated.eightBit = false;
    concatenated.data.clear();
    concatenated.header = QByteArray::fromHex("050003010201");
    concatenated.text = QStringLiteral("Teil eins");
    MessageCentre centre;
    centre.number = QStringLiteral("+491722270333");
    for (const StoredMessage& message : {outgoing, data, concatenated}) {
        const auto form = nokia7110::storedForm(message, centre);
        const auto back = nokia7110::messageFromStoredForm(form);
        ASSERT_TRUE(back);
        EXPECT_EQ(back->status, message.status);
        EXPECT_EQ(back->number, message.number);
        EXPECT_EQ(back->timestamp, message.timestamp);
        EXPECT_EQ(back->text, message.text);
        EXPECT_EQ(back->data, message.data);
        EXPECT_EQ(back->eightBit, message.eightBit);
        EXPECT_EQ(back->header, message.header);
    }
    EXPECT_FALSE(nokia7110::messageFromStoredForm(Bytes{0x00, 0x07}));
    EXPECT_FALSE(nokia7110::messageFromStoredForm(Bytes{0x05}));
}

TEST_F(Phone7110, CalendarNotesByType) {
    EXPECT_EQ(answerBody(0x13, {0x00, 0x01, 0x00, 0x3A, 0xFF, 0xFE}),
              (Bytes{0x00, 0x01, 0x00, 0x3B, 0x00, 0x04, 0x00, 0x00, 0x00, 0x01, 0x00, 0x02, 0x00,
                     0x03, 0x00, 0x05}));
    EXPECT_EQ(answerBody(0x13, {0x00, 0x01, 0x00, 0x31}), (Bytes{0x00, 0x01, 0x00, 0x32, 0x00, 4}));

    // The meeting at 10:00 rings 15 minutes before.
    Bytes meeting = {0x00, 0x01, 0x00, 0x1A, 0x01, 0x00, 0x01, 0x00, 0x07, 0xD1,
                     6,    1,    10,   0,    0x00, 15,   0x00, 0x00, 11,   0x27};
    const Bytes text = wide("Besprechung");
    meeting.insert(meeting.end(), text.begin(), text.end());
    EXPECT_EQ(answerBody(0x13, {0x00, 0x01, 0x00, 0x19, 0x00, 0x01}), meeting);
    // The birthday of 1975 rings at 09:00, 14:59:58 before 23:59:58.
    const Bytes birthday = answerBody(0x13, {0x00, 0x01, 0x00, 0x19, 0x00, 0x03});
    ASSERT_GE(birthday.size(), 22u);
    EXPECT_EQ(Bytes(birthday.begin() + 6, birthday.begin() + 22),
              (Bytes{0x04, 0x00, 0x07, 0xB7, 8, 15, 0x00, 0x00, 0x00, 0x00, 0xD2, 0xEE, 0x07, 0xB7,
                     0x00, 4}));
    EXPECT_EQ(answerBody(0x13, {0x00, 0x01, 0x00, 0x19, 0x00, 0x04}),
              (Bytes{0x00, 0x01, 0x00, 0x1A, 0x93}));

    // A call note written: its alarm 30 minutes before, its number kept.
    Bytes call = {0x00, 0x01, 0x00, 0x03, 0x00, 0x04, 0x02, 0x00, 0x07, 0xD1, 7,   2,    14,
                  30,   0x00, 30,   0xBE, 0xEF, 1,    2,    0x00, 'A',  0x00, '1', 0x00, '2'};
    EXPECT_EQ(answerBody(0x13, call), (Bytes{0x00, 0x01, 0x00, 0x04, 0x00, 0x04}));
    const auto notes = bench.engine.fixture().data.calendar.notes;
    const auto& note = notes.back();
    EXPECT_EQ(note.location, 4);
    EXPECT_EQ(note.type, 2);
    EXPECT_EQ(note.number, QStringLiteral("12"));
    EXPECT_EQ(note.noteWord, 0xBEEF);
    EXPECT_EQ(note.alarm, (DateTime{2001, 7, 2, 14, 0, 0}));
    call[6] = 0x01;  // a meeting's code under the call's sub-command
    EXPECT_EQ(answerBody(0x13, call), (Bytes{0x00, 0x01, 0x00, 0x65, 0x7D}));
    call[6] = 0x02;
    call[11] = 31;  // 31 July is fine, 31 February not
    call[10] = 2;
    EXPECT_EQ(answerBody(0x13, call), (Bytes{0x00, 0x01, 0x00, 0x65, 0x73}));
}

TEST_F(Phone7110, ProfilesCountFromOne) {
    EXPECT_EQ(answerBody(0x39, {0x00, 0x01, 0x00, 0x01, 0x01, 0x01, 0x01, 0x02, 0xFF}),
              (Bytes{0x00, 0x01, 0x00, 0x02, 0x01, 0x01, 0xFF, 0x02, 0x01, 0x00, 0x00}));
    EXPECT_EQ(answerBody(0x39, {0x00, 0x01, 0x00, 0x01, 0x01, 0x01, 0x01, 0x01, 0x04}),
              (Bytes{0x00, 0x01, 0x00, 0x02, 0x01, 0x01, 0x04, 0x01, 0x00, 0x01, 0x02}));
    EXPECT_FALSE(bench.answerTo(0x39, {0x00, 0x01, 0x00, 0x01, 0x01, 0x01, 0x01, 0x06, 0x04}));
}

TEST(Phone8310, PhonebookAndLogosAsThe61xxFamily) {
    Bench bench(Fixture::forModel(QStringLiteral("NHM-7")), quiet());
    const auto entry = bench.answerTo(0x03, {0x00, 0x01, 0x00, 0x01, 0x03, 0x01, 0x00});
    ASSERT_TRUE(entry);
    EXPECT_EQ(entry->body[3], 0x02);
    const auto logo = bench.answerTo(0x05, {0x00, 0x01, 0x00, 0x33});
    ASSERT_TRUE(logo);
    EXPECT_EQ(logo->body[3], 0x34);
    // Messages from its folders, as the 7110 family.
    const auto folders = bench.answerTo(0x14, {0x00, 0x01, 0x01, 0x7A, 0x00, 0x00});
    ASSERT_TRUE(folders);
    EXPECT_EQ(folders->body[3], 0x7B);
}

TEST(BinaryRingtone, PausesAndTheGapBetweenEqualNotes) {
    Bytes bytes(31, 0x00);
    bytes[1] = 'X';
    for (const Bytes& part : {Bytes{0x02, 0xFC, 0x09, 0x00, 0x0A, 0x01},
                              Bytes{0x7F, 28, 0x40, 0x01, 0x7F, 28, 0x40, 0x01, 0x8F, 28, 0x40, 57},
                              Bytes{0x00, 0x0A, 0xFE}}) {
        bytes.insert(bytes.end(), part.begin(), part.end());
    }
    const auto tone = decodeBinaryRingtone(bytes);
    ASSERT_TRUE(tone);
    // Before the second c the 40 01 only separates; before the e it is a pause.
    EXPECT_EQ(tone->text(), "X: c5/28 c5/28 p/1 e6/28 p/57");
    bytes.resize(40);
    EXPECT_FALSE(decodeBinaryRingtone(bytes));
}

TEST(Fixture7110, NewSectionsSurviveSaving) {
    Fixture fixture = Fixture::forModel(QStringLiteral("NPE-4"));
    fixture.data.pictures.push_back({2, Picture{8, 1, Bytes(8, 1)}, QStringLiteral("Grüße")});
    fixture.data.ringtones.push_back({3, {0x01, 0x02}, true});
    fixture.data.calendar.notes.front().silent = true;
    fixture.data.calendar.notes.front().noteWord = 7;
    QString error;
    const auto back = Fixture::fromJson(fixture.toJson(), &error);
    ASSERT_TRUE(back) << error.toStdString();
    EXPECT_EQ(*back, fixture);
    EXPECT_EQ(back->phonebook.phone.entries.at(2).otherNumbers.size(), 2u);
    EXPECT_EQ(back->messages.folders.size(), 4u);
}

}  // namespace
