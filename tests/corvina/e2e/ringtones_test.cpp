// The ringtone editor in the program against the simulated Nokia 3310 and
// 6110: a melody clicked on the piano, played on the phone's buzzer, sent
// into a ringtone slot and as a smart message, and a MIDI file of several
// tracks sent from the logo window after the track/channel choice. The
// simulator decodes what arrived on its own. Screenshots for the README come
// from here (CORVINA_SCREENSHOT_DIR).
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include "corvina/logos/tempfaengerform.h"
#include "corvina/logos/tlogoform.h"
#include "corvina/logos/tpicturesmsform.h"
#include "corvina/ringtones/melodyfiles.h"
#include "corvina/ringtones/tconverterform.h"
#include "corvina/ringtones/tkeys.h"
#include "corvina/ringtones/truftoneditorform.h"
#include "phonesim/fixture/ringtonenotes.h"
#include "tests/corvina/e2e/logowindowprogram.h"
#include "tests/corvina/waitfor.h"

namespace corvina {
namespace {

using testing_support::waitFor;

class RingtoneWindow : public LogoWindowProgram {
  protected:
    void useModel(const QString& code) {
        sim.editFixture([&](phonesim::Fixture& f) { f = phonesim::Fixture::forModel(code); });
    }
    Tlogoform* openRingtones() {
        TSettings settings = readSettings();
        settings.smsCentre = QStringLiteral("+491722270333");
        writeSettings(settings);
        Tlogoform* form = openLogos();
        form->setMode(Tlogoform::Mode::Ringtones);
        return form;
    }
    // A melody over octaves 1 to 4 with rests and dots, clicked on the piano.
    void clickMelody(Truftoneditorform* editor) {
        TKeys* keys = editor->keys();
        const struct {
            int key, duration;
            bool dotted, rest;
        } steps[] = {{21, 3, false, false}, {26, 4, false, false}, {0, 4, false, true},
                     {30, 3, true, false},  {40, 5, false, false}, {47, 2, false, false},
                     {0, 3, true, true},    {58, 6, false, false}, {36, 1, false, false}};
        for (const auto& step : steps) {
            editor->setDuration(step.duration);
            editor->setDotted(step.dotted);
            if (step.rest) {
                editor->insertRest();
            } else {
                QTest::mouseClick(keys, Qt::LeftButton, {}, keys->keyRect(step.key).center());
            }
        }
        editor->tempoField()->setValue(140);
    }
    // What the phone plays: the simulator's reading against the melody.
    void expectSameMelody(const phonesim::RingtoneMelody& heard, const Melody& melody) {
        EXPECT_EQ(heard.tempo, 140);
        ASSERT_EQ(heard.notes.size(), size_t(melody.size()));
        for (int i = 0; i < melody.size(); ++i) {
            SCOPED_TRACE(i);
            const Note& note = melody.notes()[i];
            const phonesim::RingtoneNote& got = heard.notes[i];
            EXPECT_EQ(got.duration, note.duration - 1);
            EXPECT_EQ(got.dotted, note.dotted);
            if (note.pause) {
                EXPECT_EQ(got.note, 0);
            } else {
                EXPECT_EQ(got.note, semitoneOf(note) + 1);
                EXPECT_EQ(got.octave, note.octave + 3);
            }
        }
    }
    Truftoneditorform* openEditor(Tlogoform* form) {
        form->editCurrent();
        auto* editor = form->findChild<Truftoneditorform*>();
        EXPECT_TRUE(editor && waitFor([&] { return editor->isVisible(); }));
        return editor;
    }
};

TEST_F(RingtoneWindow, AMelodyClickedOnThePianoPlaysOnTheBuzzerAndArrivesInTheChosenSlot) {
    useModel(QStringLiteral("NHM-5"));
    Tlogoform* form = openRingtones();
    Truftoneditorform* editor = openEditor(form);
    ASSERT_NE(editor, nullptr);
    clickMelody(editor);
    editor->melody().select(0);
    screenshot(editor, QStringLiteral("corvina-ringtones-editor.png"));

    // The buzzer: one tone per note from the marked one, the keep-alive
    // held off meanwhile and on again afterwards.
    EXPECT_FALSE(editor->onPcBox()->isChecked());
    editor->tempoField()->setValue(900);
    sim.clearJournal();
    editor->melody().select(6);
    editor->play();
    EXPECT_EQ(editor->playButton()->text(), "Stop");
    ASSERT_TRUE(waitFor([&] { return !editor->playing(); }, 30000));
    std::vector<int> tones;
    for (const phonesim::Message& request : sim.requests()) {
        if (request.type == 0x40 && request.body.size() >= 6 && request.body[2] == 0x8F &&
            request.body[3] == 0x06) {
            tones.push_back(request.body[4] << 8 | request.body[5]);
        }
    }
    std::vector<int> expected;
    for (int i = 6; i < editor->melody().size(); ++i) {
        expected.push_back(buzzerFrequency(editor->melody().notes()[i]));
    }
    EXPECT_EQ(tones, expected);
    EXPECT_EQ(expected.front(), 0) << "the rest is silent";
    editor->tempoField()->setValue(140);

    const SendOutcome sent =
        finish([&] { editor->transfer(); },
               [&] {
                   ASSERT_TRUE(waitFor([&] { return form->slotDialog()->isVisible(); }));
                   form->slotDialog()->list()->setCurrentRow(2);
                   form->slotDialog()->findChild<QPushButton*>("ok")->click();
               });
    ASSERT_TRUE(sent.success()) << sent.text.toStdString();
    ASSERT_TRUE(waitFor([&] { return !sim.fixture().data.ringtones.empty(); }));
    const phonesim::ReceivedRingtone kept = sim.fixture().data.ringtones.back();
    EXPECT_EQ(kept.location, 2);
    const auto heard = phonesim::decodeRingtone(kept.bytes);
    ASSERT_TRUE(heard.has_value());
    EXPECT_EQ(heard->title, "CORVINA2");
    expectSameMelody(*heard, editor->melody());
}

TEST_F(RingtoneWindow, OnA6110TheMelodyGoesByMessageAndAMidiTrackIsChosenBeforeSending) {
    useModel(QStringLiteral("NSE-3"));
    Tlogoform* form = openRingtones();
    Truftoneditorform* editor = openEditor(form);
    ASSERT_NE(editor, nullptr);
    clickMelody(editor);
    editor->titleField()->setText("Lied");
    emit editor->titleField()->textEdited("Lied");
    editor->close();

    // Saved beside the other tunes and sent as a smart message.
    const QString tune = QDir(form->folder()).filePath("lied.txt");
    ASSERT_TRUE(saveMelodyFile(tune, contentOf(editor->melody())).isEmpty());
    form->setMode(Tlogoform::Mode::Ringtones);
    ASSERT_TRUE(form->selectFile(tune));
    const SendOutcome message =
        finish([&] { form->sendByMessage(); },
               [&] {
                   Tempfaengerform* dialog = form->recipientDialog();
                   ASSERT_TRUE(waitFor([&] { return dialog->isVisible(); }));
                   dialog->recipient()->setText("01771234567");
                   dialog->sendButton()->click();
               });
    ASSERT_TRUE(message.success()) << message.text.toStdString();
    const auto received = sim.fixture().messages.received;
    ASSERT_EQ(received.size(), 1u);
    EXPECT_EQ(received[0].port, 0x1581);
    const auto bytes = received[0].data;
    const auto heard = phonesim::decodeRingtone(
        std::span<const uint8_t>(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()));
    ASSERT_TRUE(heard.has_value());
    EXPECT_EQ(heard->title, "Lied");
    expectSameMelody(*heard, editor->melody());

    // A MIDI file of three tracks: the dialog opens on the first with
    // notes; the third goes out as RTTTL, in the notes it holds.
    QFile midi(QDir(form->folder()).filePath("drei.mid"));
    ASSERT_TRUE(midi.open(QIODevice::WriteOnly));
    const auto track = [](const QByteArray& events) {
        QByteArray body = events + QByteArray("\x00\xFF\x2F\x00", 4);
        QByteArray length(4, 0);
        for (int i = 0; i < 4; ++i) length[i] = char((body.size() >> (24 - 8 * i)) & 0xFF);
        return "MTrk" + length + body;
    };
    midi.write(QByteArray("MThd\x00\x00\x00\x06\x00\x01\x00\x03\x01\xE0", 14));
    midi.write(track(QByteArray("\x00\xFF\x51\x03\x06\x8A\x1B", 7)));  // 140 per minute
    midi.write(track(QByteArray(
        "\x00\x90\x48\x64\x83\x60\x80\x48\x00\x00\x99\x24\x64\x83\x60\x89\x24\x00", 18)));
    midi.write(track(QByteArray(
        "\x00\x91\x45\x64\x83\x60\x81\x45\x00\x00\x91\x4A\x64\x81\x70\x81\x4A\x00", 18)));
    midi.close();
    form->setMode(Tlogoform::Mode::Logos);
    form->setMode(Tlogoform::Mode::Ringtones);
    ASSERT_TRUE(form->selectFile(midi.fileName()));
    std::vector<Tconverterform*> choosers;
    for (auto* c : form->findChildren<Tconverterform*>()) {
        if (c->parent() == form) choosers.push_back(c);
    }
    ASSERT_EQ(choosers.size(), 1u);
    Tconverterform* chooser = choosers[0];
    const SendOutcome sent =
        finish([&] { form->sendCurrent(); },
               [&] {
                   ASSERT_TRUE(waitFor([&] { return chooser->isVisible(); }));
                   EXPECT_EQ(chooser->trackList()->currentRow(), 1);
                   EXPECT_EQ(chooser->channelList()->currentItem()->text(), "1");
                   chooser->selectTrack(2);
                   screenshot(chooser, QStringLiteral("corvina-ringtones-trackchannel.png"));
                   chooser->accept();
               });
    ASSERT_TRUE(sent.success()) << sent.text.toStdString();
    ASSERT_TRUE(waitFor([&] { return !sim.fixture().data.ringtones.empty(); }));
    const auto fromMidi = phonesim::decodeRingtone(sim.fixture().data.ringtones.back().bytes);
    ASSERT_TRUE(fromMidi.has_value());
    ASSERT_EQ(fromMidi->notes.size(), 2u);
    // a5 as a quarter, d6 as an eighth (RTTTL octaves).
    EXPECT_EQ(fromMidi->notes[0], (phonesim::RingtoneNote{10, 5, 2, false}));
    EXPECT_EQ(fromMidi->notes[1], (phonesim::RingtoneNote{3, 6, 3, false}));
    EXPECT_EQ(fromMidi->tempo, 140);
}

}  // namespace
}  // namespace corvina
