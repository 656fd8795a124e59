// The simulated phone's logos, ringtones, profiles, diverts, calendar and
// bookmarks: fixture sections, the pixel layouts, the ringtone reader and
// the answers byte for byte.
#include <gtest/gtest.h>

#include "phonesim/fixture/fixture.h"
#include "phonesim/fixture/ringtonenotes.h"
#include "phonesim/nokia61xx/picturebits.h"
#include "tests/phonesim/pcside.h"

using namespace phonesim;
using namespace phonesim_test;

namespace {

Picture checkerboard(int width, int height) {
    Picture picture{width, height, {}};
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) picture.pixels.push_back((x + y) % 3 == 0 ? 1 : 0);
    }
    return picture;
}

// Bits most significant first, as the ringtone format wants them.
class Bits {
  public:
    Bits& put(int width, int value) {
        for (int i = width - 1; i >= 0; --i) bits_.push_back((value >> i) & 1);
        return *this;
    }
    Bytes bytes() const {
        Bytes out((bits_.size() + 7) / 8, 0);
        for (size_t i = 0; i < bits_.size(); ++i) {
            if (bits_[i]) out[i / 8] |= static_cast<uint8_t>(0x80 >> (i % 8));
        }
        return out;
    }

  private:
    std::vector<int> bits_;
};

Bytes testRingtone() {
    Bits bits;
    bits.put(8, 0x02).put(7, 0x25).put(1, 0).put(7, 0x1D).put(3, 1).put(4, 2);
    bits.put(8, 'H').put(8, 'i').put(8, 1).put(3, 0).put(2, 0).put(4, 0).put(8, 6);
    bits.put(3, 3).put(2, 1);                       // style
    bits.put(3, 4).put(5, 14);                      // tempo 125
    bits.put(3, 2).put(2, 2);                       // scale: octave 6
    bits.put(3, 1).put(4, 1).put(3, 2).put(2, 0);   // quarter c6
    bits.put(3, 1).put(4, 0).put(3, 3).put(2, 0);   // eighth pause
    bits.put(3, 1).put(4, 11).put(3, 4).put(2, 1);  // dotted sixteenth a#6
    return bits.bytes();
}

TEST(RingtoneNotes, ReadsNotesScalesAndTempo) {
    const auto melody = decodeRingtone(testRingtone());
    ASSERT_TRUE(melody);
    EXPECT_EQ(melody->title, QStringLiteral("Hi"));
    EXPECT_EQ(melody->tempo, 125);
    ASSERT_EQ(melody->notes.size(), 3u);
    EXPECT_EQ(melody->notes[0], (RingtoneNote{1, 6, 2, false}));
    EXPECT_EQ(melody->notes[1], (RingtoneNote{0, 6, 3, false}));
    EXPECT_EQ(melody->notes[2], (RingtoneNote{11, 6, 4, true}));
    EXPECT_EQ(melody->text(), QStringLiteral("Hi:b=125:4c6,8p,16a#.6"));
}

TEST(RingtoneNotes, RefusesOtherDataAndCutRingtones) {
    Bytes ringtone = testRingtone();
    EXPECT_FALSE(decodeRingtone(Bytes(ringtone.begin(), ringtone.end() - 2)));
    ringtone[0] = 0x03;
    EXPECT_FALSE(decodeRingtone(ringtone));
    EXPECT_FALSE(decodeRingtone({}));
}

TEST(PictureBits, RowsAndStripesBothWays) {
    for (const auto& [width, height] : {std::pair{72, 14}, {84, 48}, {96, 60}, {5, 3}}) {
        const Picture picture = checkerboard(width, height);
        EXPECT_EQ(nokia61xx::pictureFromRows(width, height, nokia61xx::rowData(picture)), picture);
        EXPECT_EQ(nokia61xx::pictureFromStripes(width, height, nokia61xx::stripeData(picture)),
                  picture);
    }
    // The first stripe byte holds the first column's top eight pixels, top
    // pixel in the least significant bit.
    Picture column{2, 8, Bytes(16, 0)};
    column.pixels[0] = 1;   // (0, 0)
    column.pixels[14] = 1;  // (0, 7)
    EXPECT_EQ(nokia61xx::stripeData(column), (Bytes{0x81, 0x00}));
    EXPECT_FALSE(nokia61xx::pictureFromRows(72, 14, Bytes(125, 0)));
}

TEST(PhoneDataFixture, SectionsSurviveARoundTrip) {
    Fixture fixture = Fixture::forModel(QStringLiteral("NSE-3"));
    auto& data = fixture.data;
    data.operatorLogo = OperatorLogo{QStringLiteral("26201"), checkerboard(72, 14)};
    data.startupLogo = checkerboard(84, 48);
    data.pictures.push_back({3, checkerboard(72, 28)});
    data.ringtones.push_back({4, testRingtone()});
    data.ringtones.push_back({std::nullopt, {0x01, 0x02}});
    data.profiles[1].name = QStringLiteral("Lautlos");
    data.profiles[1].volume = 0x0A;
    data.profiles[2].unansweredReads = {4};
    data.profiles[2].unansweredWrites = {1, 9};
    data.diverts.refusedClasses = {2};
    data.diverts.active.push_back({1, 2, QStringLiteral("0301234"), 0});
    data.diverts.refused = {{0, 1}};
    data.diverts.unanswered = {{1, 3}};
    data.diverts.notKept = {{0, 3}, {2, 0}};
    data.calendar.notes.push_back(
        {7, 2, QStringLiteral("Anruf"), QStringLiteral("0301234"), {2024, 1, 2, 3, 4, 5}, {}});
    data.bookmarks[14] = Bookmark{QStringLiteral("Letzter"), QStringLiteral("wap.example")};

    const QByteArray json = fixture.toJson();
    EXPECT_TRUE(json.contains("\"notes\": \"Hi:b=125:4c6,8p,16a#.6\"")) << json.toStdString();
    QString error;
    const auto again = Fixture::fromJson(json, &error);
    ASSERT_TRUE(again) << qPrintable(error);
    EXPECT_EQ(again->data, fixture.data);
}

TEST(PhoneDataFixture, MistakesAreNamed) {
    QString error;
    EXPECT_FALSE(Fixture::fromJson(
        R"({"startupLogo": {"width": 3, "height": 2, "rows": ["#.#", "##"]}})", &error));
    EXPECT_TRUE(error.contains(QStringLiteral("startupLogo.rows"))) << qPrintable(error);
    EXPECT_FALSE(Fixture::fromJson(R"({"profiles": [{"volume": 256}]})", &error));
    EXPECT_TRUE(error.contains(QStringLiteral("profiles[0].volume"))) << qPrintable(error);
    EXPECT_FALSE(Fixture::fromJson(
        R"({"calendar": {"capacity": 10, "notes": [{"location": 11, "date": "2024-01-01 00:00:00"}]}})",
        &error));
    EXPECT_TRUE(error.contains(QStringLiteral("location"))) << qPrintable(error);
    EXPECT_FALSE(Fixture::fromJson(R"({"diverts": {"active": [{"number": "12ab"}]}})", &error));
    EXPECT_TRUE(error.contains(QStringLiteral("number"))) << qPrintable(error);
    EXPECT_FALSE(Fixture::fromJson(R"({"profiles": [{"unansweredReads": [-1]}]})", &error));
    EXPECT_TRUE(error.contains(QStringLiteral("unansweredReads"))) << qPrintable(error);
    EXPECT_FALSE(
        Fixture::fromJson(R"({"diverts": {"notKept": [{"class": 3, "reason": 0}]}})", &error));
    EXPECT_TRUE(error.contains(QStringLiteral("diverts.notKept"))) << qPrintable(error);
}

TEST(PhoneDataFixture, ShippedCalendarsAndProfilesPerModel) {
    EXPECT_EQ(Fixture::forModel(QStringLiteral("NHM-5")).data.calendar.capacity, 10);
    EXPECT_EQ(Fixture::forModel(QStringLiteral("NSE-3")).data.calendar.capacity, 50);
    EXPECT_EQ(Fixture::forModel(QStringLiteral("NSE-1")).data.profiles.size(), 3u);
    EXPECT_EQ(Fixture::forModel(QStringLiteral("NSE-3")).data.profiles.size(), 7u);
}

class PhoneDataAnswers : public ::testing::Test {
  protected:
    Bench bench{Fixture::forModel(QStringLiteral("NSE-3"))};
    PhoneData& data() { return bench.engine.fixture().data; }
};

TEST_F(PhoneDataAnswers, OperatorLogoKeepsItsNetworkCode) {
    const Picture logo = checkerboard(72, 14);
    Bytes upload = {0x00, 0x01, 0x00, 0x30, 0x00, 0x62, 0xF2, 0x10, 0x00, 0x82, 0x00, 72, 14, 0x01};
    const Bytes rows = nokia61xx::rowData(logo);
    upload.insert(upload.end(), rows.begin(), rows.end());
    upload.push_back(0x00);
    EXPECT_EQ(bench.answerTo(0x05, upload), (Message{0x05, {0x00, 0x01, 0x00, 0x31}}));
    ASSERT_TRUE(data().operatorLogo);
    EXPECT_EQ(data().operatorLogo->networkCode, QStringLiteral("26201"));
    EXPECT_EQ(data().operatorLogo->picture, logo);

    const auto answer = bench.answerTo(0x05, {0x00, 0x01, 0x00, 0x33});
    ASSERT_TRUE(answer);
    // The rows follow the 01 at 13 directly.
    EXPECT_EQ(
        Bytes(answer->body.begin(), answer->body.begin() + 14),
        (Bytes{0x00, 0x01, 0x00, 0x34, 0x01, 0x62, 0xF2, 0x10, 0x00, 0x82, 0x00, 72, 14, 0x01}));
    EXPECT_EQ(Bytes(answer->body.begin() + 14, answer->body.end()), rows);

    // The same logo as a smart message (type 0x12, port 1582).
    data().operatorLogo.reset();
    Bytes smart = {0x0C, 0x01, 0x06, 0x05, 0x04, 0x15, 0x82, 0x00,
                   0x00, 0x62, 0xF2, 0x10, 0x00, 72,   14,   0x01};
    smart.insert(smart.end(), rows.begin(), rows.end());
    EXPECT_FALSE(bench.answerTo(0x12, smart));
    ASSERT_TRUE(data().operatorLogo);
    EXPECT_EQ(data().operatorLogo->picture, logo);
    EXPECT_TRUE(data().ringtones.empty());
}

TEST_F(PhoneDataAnswers, ProfilesFollowTheModelsNumbering) {
    data().profiles[2].lights = 0x00;
    data().profiles[2].ringingMode = 0x06;
    EXPECT_EQ(
        bench.answerTo(0x05, {0x00, 0x01, 0x00, 0x13, 0x01, 0x02, 0x01}),
        (Message{0x05, {0x00, 0x01, 0x00, 0x14, 0x01, 0x02, 0x01, 0x04, 0x00, 0, 0, 0, 0x01}}));
    // No profile 7, no feature 0A: invalid location.
    const Message invalid{0x05, {0x00, 0x01, 0x00, 0x15, 0x7D}};
    EXPECT_EQ(bench.answerTo(0x05, {0x00, 0x01, 0x00, 0x13, 0x01, 0x07, 0x01}), invalid);
    EXPECT_EQ(bench.answerTo(0x05, {0x00, 0x01, 0x00, 0x13, 0x01, 0x02, 0x0A}), invalid);
    EXPECT_EQ(bench.answerTo(0x05, {0x00, 0x01, 0x00, 0x1A, 0x07}), invalid);
    // Phone-wide settings as features of profile 0: language 21, active
    // profile 2A on the 6110.
    data().settings.activeProfile = 3;
    EXPECT_EQ(bench.answerTo(0x05, {0x00, 0x01, 0x00, 0x13, 0x01, 0x00, 0x21})->body[8], 0x01);
    EXPECT_EQ(bench.answerTo(0x05, {0x00, 0x01, 0x00, 0x13, 0x01, 0x00, 0x2A})->body[8], 0x03);
    EXPECT_EQ(bench.answerTo(0x05, {0x00, 0x01, 0x00, 0x13, 0x01, 0x00, 0x24}), invalid);

    Bench reminders(Fixture::forModel(QStringLiteral("NHM-5")));
    reminders.engine.fixture().data.profiles[2].ringingMode = 0x06;
    reminders.engine.fixture().data.profiles[2].screenSaverTimeout = 0x02;
    EXPECT_EQ(reminders.answerTo(0x05, {0x00, 0x01, 0x00, 0x13, 0x01, 0x02, 0x01})->body[8], 0x06);
    EXPECT_EQ(reminders.answerTo(0x05, {0x00, 0x01, 0x00, 0x13, 0x01, 0x02, 0x08})->body[8], 0x02);
    // The 3310 keeps the active profile in 24 and chooses its start-up logo
    // with 29.
    EXPECT_EQ(reminders.answerTo(0x05, {0x00, 0x01, 0x00, 0x13, 0x01, 0x00, 0x24})->body[8], 0x00);
    EXPECT_EQ(reminders.answerTo(0x05, {0x00, 0x01, 0x00, 0x10, 0x01, 0x00, 0x29, 0x01}),
              (Message{0x05, {0x00, 0x01, 0x00, 0x11, 0x01, 0x00, 0x29}}));
    EXPECT_EQ(reminders.engine.fixture().data.settings.startupLogoChoice, 1);
    EXPECT_EQ(reminders.answerTo(0x05, {0x00, 0x01, 0x00, 0x1C, 0x01, 0x03, 0x06, 0x01, 0x04, 0x00,
                                        'O', 0x00, 'K'}),
              (Message{0x05, {0x00, 0x01, 0x00, 0x1D, 0x01, 0x01}}));
    EXPECT_EQ(reminders.engine.fixture().data.profiles[1].name, QStringLiteral("OK"));
    EXPECT_EQ(reminders.answerTo(0x05, {0x00, 0x01, 0x00, 0x1A, 0x01}),
              (Message{0x05,
                       {0x00, 0x01, 0x00, 0x1B, 0x01, 0x01, 0x03, 0x06, 0x01, 0x04, 0x00, 'O', 0x00,
                        'K'}}));
}

TEST_F(PhoneDataAnswers, DivertsAreRegisteredQueriedAndRefused) {
    Bytes add(53, 0x00);
    add[1] = 0x01;
    add[3] = 0x01;
    add[4] = 0x03;
    add[6] = 0x43;  // busy
    add[7] = 0x19;  // data
    add[8] = 0x01;
    add[9] = 0x91;
    add[10] = 0x94;
    add[11] = 0xF3;
    add[29] = 3;
    add[52] = 15;
    const auto state = bench.answerTo(0x06, add);
    ASSERT_TRUE(state);
    const Bytes& d = state->body;
    ASSERT_EQ(d.size(), 46u);
    EXPECT_EQ(d[3], 0x02);
    EXPECT_EQ(d[6], 0x43);
    EXPECT_EQ(d[7], 0x02);
    EXPECT_EQ(d[8], 0x10);
    EXPECT_EQ(d[9], 0x02);
    EXPECT_EQ(d[10], 1);     // one divert listed
    EXPECT_EQ(d[11], 0x10);  // its call type
    EXPECT_EQ(d[13], 0x91);
    EXPECT_EQ(Bytes(d.begin() + 14, d.begin() + 16), (Bytes{0x94, 0xF3}));
    EXPECT_EQ(d[22], 3);
    EXPECT_EQ(d[45], 15);
    EXPECT_EQ(data().diverts.active.back(), (Divert{1, 1, QStringLiteral("+493"), 15}));

    // Every reason (02) and every class (00) cover it; the first divert they
    // cover is listed (the fixture's voice divert on no reply).
    const auto all = bench.answerTo(0x06, {0x00, 0x01, 0x00, 0x01, 0x05, 0x00, 0x02, 0x00, 0x00});
    ASSERT_TRUE(all);
    EXPECT_EQ(all->body[10], 1);
    EXPECT_EQ(all->body[11], 0x0B);
    const auto busy = bench.answerTo(0x06, {0x00, 0x01, 0x00, 0x01, 0x05, 0x00, 0x43, 0x00, 0x00});
    EXPECT_EQ(busy->body[11], 0x10);

    data().diverts.refusedClasses = {2};
    EXPECT_EQ(bench.answerTo(0x06, {0x00, 0x01, 0x00, 0x01, 0x05, 0x00, 0x15, 0x0D, 0x00}),
              (Message{0x06, {0x00, 0x01, 0x00, 0x03, 0x00}}));
    add[29] = 10;  // 9 number bytes: more than the answer holds
    EXPECT_EQ(bench.answerTo(0x06, add)->body[3], 0x03);
}

TEST_F(PhoneDataAnswers, UnansweredProfileFeaturesAreNeitherAnsweredNorKept) {
    data().profiles[1].unansweredReads = {4};
    data().profiles[1].unansweredWrites = {4};
    EXPECT_FALSE(bench.answerTo(0x05, {0x00, 0x01, 0x00, 0x13, 0x01, 0x01, 0x04}));
    EXPECT_TRUE(bench.answerTo(0x05, {0x00, 0x01, 0x00, 0x13, 0x01, 0x01, 0x03}));
    EXPECT_TRUE(bench.answerTo(0x05, {0x00, 0x01, 0x00, 0x13, 0x01, 0x02, 0x04}));  // other profile
    EXPECT_FALSE(bench.answerTo(0x05, {0x00, 0x01, 0x00, 0x10, 0x01, 0x01, 0x04, 0x0A}));
    EXPECT_EQ(data().profiles[1].volume, 0x08);
    EXPECT_TRUE(bench.answerTo(0x05, {0x00, 0x01, 0x00, 0x10, 0x01, 0x01, 0x03, 0x20}));
    EXPECT_EQ(data().profiles[1].ringtone, 0x20);
}

TEST_F(PhoneDataAnswers, DivertFaultsPerClassAndReason) {
    const auto query = [](uint8_t reason, uint8_t callClass) {
        return Bytes{0x00, 0x01, 0x00, 0x01, 0x05, 0x00, reason, callClass, 0x00};
    };
    data().diverts.active.clear();
    data().diverts.refused = {{0, 1}};     // voice, busy
    data().diverts.unanswered = {{1, 3}};  // data, no reply
    data().diverts.notKept = {{0, 3}};     // voice, no reply
    EXPECT_EQ(bench.answerTo(0x06, query(0x43, 0x0B))->body[3], 0x03);
    EXPECT_EQ(bench.answerTo(0x06, query(0x15, 0x0B))->body[3], 0x02);  // voice, all calls
    EXPECT_EQ(bench.answerTo(0x06, query(0x43, 0x19))->body[3], 0x02);  // data, busy
    EXPECT_FALSE(bench.answerTo(0x06, query(0x3D, 0x19)));

    Bytes add(53, 0x00);
    add[1] = 0x01;
    add[3] = 0x01;
    add[4] = 0x03;
    add[6] = 0x3D;
    add[7] = 0x0B;
    add[8] = 0x01;
    add[9] = 0x81;
    add[10] = 0x03;
    add[11] = 0xF1;
    add[29] = 3;
    add[52] = 20;
    const auto registered = bench.answerTo(0x06, add);
    ASSERT_TRUE(registered);
    EXPECT_EQ(registered->body[9], 0x02);  // answered as done, with the number asked for
    EXPECT_EQ(registered->body[14], 0x03);
    EXPECT_EQ(registered->body[45], 20);
    EXPECT_TRUE(data().diverts.active.empty());
    EXPECT_EQ(bench.answerTo(0x06, query(0x3D, 0x0B))->body[9], 0x01);  // not kept
}

TEST_F(PhoneDataAnswers, CalendarRefusals) {
    data().calendar.capacity = 2;
    data().calendar.notes = {{1, 1, QStringLiteral("x"), {}, {2024, 1, 1, 0, 0, 0}, {}}};
    Bytes write = {0x00, 0x01, 0x00, 0x64, 0x01, 0x10, 0x00, 0x03, 0x07, 0xE8, 2,   30, 9,
                   0,    0,    0,    0,    0,    0,    0,    0,    0,    1,    'a', 0,  0x00};
    EXPECT_EQ(bench.answerTo(0x13, write), (Message{0x13, {0x00, 0x01, 0x00, 0x65, 0x01, 0x02}}));
    EXPECT_EQ(bench.answerTo(0x13, write)->body[4], 0x81);  // full
    data().calendar.notes.pop_back();
    write[10] = 13;
    EXPECT_EQ(bench.answerTo(0x13, write)->body[4], 0x73);  // month 13
    write[10] = 2;
    write[7] = 0x05;
    EXPECT_EQ(bench.answerTo(0x13, write)->body[4], 0x7D);  // no such note type
    EXPECT_EQ(bench.answerTo(0x13, {0x00, 0x01, 0x00, 0x66, 0x09}),
              (Message{0x13, {0x00, 0x01, 0x00, 0x67, 0x93}}));
    EXPECT_EQ(bench.answerTo(0x13, {0x00, 0x01, 0x00, 0x68, 0x09}),
              (Message{0x13, {0x00, 0x01, 0x00, 0x69, 0x93}}));
}

TEST_F(PhoneDataAnswers, CalendarStaysContiguousAndCanLeaveAWriteUnanswered) {
    data().calendar.notes = {{1, 1, QStringLiteral("a"), {}, {2024, 1, 1, 0, 0, 0}, {}},
                             {2, 1, QStringLiteral("b"), {}, {2024, 1, 2, 0, 0, 0}, {}},
                             {3, 1, QStringLiteral("c"), {}, {2024, 1, 3, 0, 0, 0}, {}}};
    EXPECT_EQ(bench.answerTo(0x13, {0x00, 0x01, 0x00, 0x68, 0x01}),
              (Message{0x13, {0x00, 0x01, 0x00, 0x69, 0x01}}));
    ASSERT_EQ(data().calendar.notes.size(), 2u);
    EXPECT_EQ(data().calendar.notes[0].location, 1);
    EXPECT_EQ(data().calendar.notes[0].text, QStringLiteral("b"));
    EXPECT_EQ(data().calendar.notes[1].location, 2);

    data().calendar.unansweredWrite = 2;
    const Bytes write = {0x00, 0x01, 0x00, 0x64, 0x01, 0x10, 0x00, 0x01, 0x07, 0xE8, 2, 3, 9,
                         0,    0,    0,    0,    0,    0,    0,    0,    0,    1,    'd', 0, 0x00};
    EXPECT_EQ(bench.answerTo(0x13, write), (Message{0x13, {0x00, 0x01, 0x00, 0x65, 0x01, 0x03}}));
    EXPECT_FALSE(bench.answerTo(0x13, write)) << "the second write stays unanswered";
    EXPECT_EQ(bench.answerTo(0x13, write)->body[5], 0x04);
    EXPECT_EQ(data().calendar.notes.size(), 4u);
}

TEST_F(PhoneDataAnswers, BookmarksInFifteenSlots) {
    data().bookmarks = {};
    EXPECT_EQ(bench.answerTo(0x3F, {0x00, 0x01, 0x01, 0x06, 0x00, 0x00}),
              (Message{0x3F, {0x00, 0x01, 0x01, 0x08, 0x00, 0x00}}));
    for (int i = 0; i < kBookmarkSlots; ++i) {
        EXPECT_EQ(bench.answerTo(
                      0x3F, {0x00, 0x01, 0x01, 0x09, 0xFF, 0xFF, 1, 0x00, 'n', 1, 0x00, 'l', 0x00}),
                  (Message{0x3F, {0x00, 0x01, 0x01, 0x0A, 0x00, static_cast<uint8_t>(i)}}));
    }
    EXPECT_EQ(
        bench
            .answerTo(0x3F, {0x00, 0x01, 0x01, 0x09, 0xFF, 0xFF, 1, 0x00, 'n', 1, 0x00, 'l', 0x00})
            ->body[3],
        0x0B);
    EXPECT_EQ(bench.answerTo(0x3F, {0x00, 0x01, 0x01, 0x06, 0x00, 0x0E}),
              (Message{0x3F, {0x00, 0x01, 0x01, 0x07, 0x00, 0x0E, 1, 0x00, 'n', 1, 0x00, 'l'}}));
    EXPECT_EQ(bench.answerTo(0x3F, {0x00, 0x01, 0x01, 0x0C, 0x00, 0x0F, 0x01})->body[3], 0x0E);
    EXPECT_EQ(bench.answerTo(0x3F, {0x00, 0x01, 0x01, 0x0C, 0x00, 0x0E, 0x01})->body[3], 0x0D);
    EXPECT_FALSE(data().bookmarks[14]);
}

}  // namespace
