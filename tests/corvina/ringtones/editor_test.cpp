// The ringtone editor window: entering on the piano and the staff, and
// importing MIDI files of several tracks and channels through the
// track/channel dialog, damaged files included.
#include <gtest/gtest.h>

#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

#include "corvina/ringtones/staffview.h"
#include "corvina/ringtones/tconverterform.h"
#include "corvina/ringtones/tkeys.h"
#include "corvina/ringtones/truftoneditorform.h"
#include "tests/corvina/waitfor.h"

namespace corvina {
namespace {

using testing_support::waitFor;

// A standard MIDI file of format 1, 480 ticks per quarter.
class MidiBuilder {
  public:
    // A track from (delta, event bytes) pairs; the end of track is added.
    void track(const std::vector<std::pair<int, std::string>>& events) {
        std::string body;
        for (const auto& [delta, bytes] : events) body += quantity(delta) + bytes;
        body += std::string("\x00\xFF\x2F\x00", 4);
        tracks_.push_back(body);
    }
    static std::string on(int channel, int key) {
        return {char(0x90 + channel - 1), char(key), char(100)};
    }
    static std::string off(int channel, int key) {
        return {char(0x80 + channel - 1), char(key), char(0)};
    }
    static std::string tempo120() { return std::string("\xFF\x51\x03\x07\xA1\x20", 6); }
    // Notes of a quarter each, one after the other.
    static std::vector<std::pair<int, std::string>> melody(int channel,
                                                           const std::vector<int>& keys) {
        std::vector<std::pair<int, std::string>> events;
        for (int key : keys) {
            events.emplace_back(0, on(channel, key));
            events.emplace_back(480, off(channel, key));
        }
        return events;
    }
    std::string bytes() const {
        std::string file("MThd\x00\x00\x00\x06\x00\x01", 10);
        file += char(0);
        file += char(tracks_.size());
        file += std::string("\x01\xE0", 2);
        for (const std::string& body : tracks_) {
            file += "MTrk";
            for (int shift : {24, 16, 8, 0}) file += char((body.size() >> shift) & 0xFF);
            file += body;
        }
        return file;
    }
    QString write(const QTemporaryDir& dir, const char* name) const {
        const QString path = dir.filePath(QString::fromLatin1(name));
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(QByteArray::fromStdString(bytes()));
        return path;
    }

  private:
    static std::string quantity(int value) {
        std::string out(1, char(value & 0x7F));
        while (value >>= 7) out.insert(out.begin(), char(0x80 | (value & 0x7F)));
        return out;
    }
    std::vector<std::string> tracks_;
};

class RingtoneEditor : public ::testing::Test {
  protected:
    RingtoneEditor() : editor(nullptr, {[](int32_t, int32_t) {}, [](bool) {}}) { editor.show(); }
    std::vector<int> numbers() {
        std::vector<int> out;
        for (const Note& note : editor.melody().notes())
            out.push_back(note.pause ? -1 : noteNumberOf(note));
        return out;
    }
    QMessageBox* message(const char* name) {
        QMessageBox* box = nullptr;
        waitFor(
            [&] {
                box = editor.findChild<QMessageBox*>(name);
                return box && box->isVisible();
            },
            3000);
        return box;
    }
    void closeMessages() {
        for (QMessageBox* box : editor.findChildren<QMessageBox*>()) box->close();
        QCoreApplication::processEvents();
    }

    QTemporaryDir dir;
    Truftoneditorform editor;
};

TEST_F(RingtoneEditor, PianoAndStaffEnterAndMarkNotes) {
    EXPECT_FALSE(editor.findChild<QPushButton*>("loeschen")->isEnabled());
    EXPECT_FALSE(editor.playButton()->isEnabled());
    // A click on a key inserts it with the chosen length and dot.
    editor.setDuration(4);
    editor.setDotted(true);
    TKeys* keys = editor.keys();
    QTest::mouseClick(keys, Qt::LeftButton, {}, keys->keyRect(13).center());  // c#1
    QTest::mouseClick(keys, Qt::LeftButton, {}, keys->keyRect(21).center());  // a1
    ASSERT_EQ(numbers(), (std::vector<int>{13, 21}));
    EXPECT_EQ(editor.melody().notes()[0].duration, 4);
    EXPECT_TRUE(editor.melody().notes()[0].dotted);
    EXPECT_TRUE(editor.playButton()->isEnabled());

    // The staff marks the note whose drawn cell is hit; left of the first
    // note marks the place before it, where the next key goes.
    StaffView* staff = editor.staff();
    QTest::mouseClick(staff, Qt::LeftButton, {}, QPoint(82, 150));
    EXPECT_EQ(editor.melody().cursor(), 0);
    QTest::mouseClick(staff, Qt::LeftButton, {}, QPoint(40 + 45 + 40, 150));
    EXPECT_EQ(editor.melody().cursor(), 1);
    QTest::mouseClick(staff, Qt::LeftButton, {}, QPoint(20, 150));
    EXPECT_EQ(editor.melody().cursor(), -1);
    EXPECT_FALSE(editor.findChild<QPushButton*>("loeschen")->isEnabled());
    editor.pressKey(0);
    editor.insertRest();
    EXPECT_EQ(numbers(), (std::vector<int>{0, -1, 13, 21}));

    // The tempo field takes the table's lowest steps.
    editor.tempoField()->setValue(25);
    EXPECT_EQ(editor.melody().tempo(), 25);
    // Transposing beyond the piano is refused; the counter stays.
    editor.transposeBy(-1);
    EXPECT_EQ(numbers(), (std::vector<int>{0, -1, 13, 21}));
    EXPECT_EQ(editor.findChild<QLabel*>("transposition")->text(), "0");
}

TEST_F(RingtoneEditor, MidiWithSeveralTracksAsksForTrackAndChannel) {
    MidiBuilder builder;
    builder.track({{0, MidiBuilder::tempo120()}});
    auto second = MidiBuilder::melody(1, {72, 76, 79});
    for (auto& event : MidiBuilder::melody(10, {36, 38})) second.push_back(event);
    builder.track(second);
    builder.track(MidiBuilder::melody(2, {69, 71, 72, 74}));
    const QString file = builder.write(dir, "drei.mid");

    editor.loadFile(file);
    Tconverterform* dialog = editor.converterDialog();
    ASSERT_TRUE(waitFor([&] { return dialog->isVisible(); }));
    EXPECT_EQ(dialog->trackList()->count(), 3);
    EXPECT_EQ(dialog->trackList()->currentRow(), 1) << "the first track with notes";
    ASSERT_EQ(dialog->channelList()->count(), 2);
    EXPECT_EQ(dialog->channelList()->currentItem()->text(), "1");
    // The tempo-only track has nothing to take.
    dialog->selectTrack(0);
    EXPECT_FALSE(dialog->okButton()->isEnabled());
    dialog->selectTrack(2);
    ASSERT_TRUE(dialog->okButton()->isEnabled());
    dialog->accept();
    // a5 b5 c6 d6 in RTTTL octaves are a2 h2 c3 d3 on the staff.
    EXPECT_EQ(numbers(), (std::vector<int>{33, 35, 36, 38}));
    EXPECT_EQ(editor.melody().tempo(), 120);

    // Cancelling keeps the melody.
    editor.melody().markSaved();
    editor.loadFile(file);
    ASSERT_TRUE(waitFor([&] { return dialog->isVisible(); }));
    dialog->reject();
    EXPECT_EQ(numbers(), (std::vector<int>{33, 35, 36, 38}));

    // One track with one channel needs no question; a long one is cut with
    // a notice.
    MidiBuilder single;
    single.track(MidiBuilder::melody(1, std::vector<int>(300, 72)));
    editor.loadFile(single.write(dir, "lang.mid"));
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(editor.melody().size(), 149);
    EXPECT_TRUE(editor.statusLine()->text().contains("149"))
        << editor.statusLine()->text().toStdString();
}

TEST_F(RingtoneEditor, DamagedFilesLeaveTheMelodyAlone) {
    editor.pressKey(21);
    editor.pressKey(24);
    const std::vector<int> kept = numbers();

    MidiBuilder noteless;
    noteless.track({{0, MidiBuilder::tempo120()}});
    const std::string good = [] {
        MidiBuilder b;
        b.track(MidiBuilder::melody(1, {72, 74}));
        return b.bytes();
    }();
    std::string hostile = good;
    hostile[21] = char(0x05);  // the track claims fewer bytes than its events take
    const std::vector<std::pair<const char*, QByteArray>> files = {
        {"leer.mid", QByteArray::fromStdString(noteless.bytes())},
        {"kurz.mid", QByteArray::fromStdString(good.substr(0, 12))},
        {"feind.mid", QByteArray::fromStdString(hostile)},
        {"ohne.txt", "Test:d=4,o=5,b=125:"},
        {"dauer.txt", "Test:d=3,o=5,b=125:c,d"},
    };
    for (const auto& [name, bytes] : files) {
        SCOPED_TRACE(name);
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        file.close();
        editor.loadFile(file.fileName());
        QMessageBox* box = message("meldung");
        ASSERT_NE(box, nullptr);
        EXPECT_TRUE(box->text().contains(name)) << box->text().toStdString();
        closeMessages();
        EXPECT_EQ(numbers(), kept);
        EXPECT_FALSE(editor.converterDialog()->isVisible());
    }
}

}  // namespace
}  // namespace corvina
