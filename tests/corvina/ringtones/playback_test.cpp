// Playing a melody: on the phone's buzzer through the library calls (a fake
// here), and rendered to PCM as the buzzer's square wave and by FluidSynth,
// checked for length and pitch in a WAV file.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <cmath>

#include "corvina/ringtones/audio/melodysound.h"
#include "corvina/ringtones/buzzerplayer.h"
#include "tests/corvina/waitfor.h"

namespace corvina {
namespace {

using testing_support::waitFor;

Note tone(int step, int octave, int duration, bool dotted = false) {
    Note note;
    note.step = step;
    note.octave = octave;
    note.duration = duration;
    note.dotted = dotted;
    return note;
}

struct FakeBuzzer {
    std::vector<std::pair<int, int>> tones;
    std::vector<bool> pings;
    std::function<void()> duringTone;

    BuzzerCalls calls() {
        return {[this](int32_t hz, int32_t ms) {
                    tones.emplace_back(hz, ms);
                    if (duringTone) duringTone();
                },
                [this](bool allow) { pings.push_back(allow); }};
    }
};

TEST(Buzzer, PlaysFromTheCursorWithTheKeepAliveHeldOff) {
    FakeBuzzer fake;
    BuzzerPlayer player(fake.calls());
    Note rest = tone(0, 2, 3);
    rest.pause = true;
    const std::vector<Note> notes = {tone(0, 2, 3), tone(0, 2, 3, true), tone(5, 1, 3), rest};
    std::vector<int> marked;
    QObject::connect(&player, &BuzzerPlayer::noteStarted, [&](int i) { marked.push_back(i); });
    player.play(notes, 120, 1);
    ASSERT_EQ(fake.pings, std::vector<bool>{false});
    ASSERT_TRUE(waitFor([&] { return !player.playing(); }));
    EXPECT_EQ(marked, (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(fake.tones, (std::vector<std::pair<int, int>>{{524, 750}, {440, 500}, {0, 500}}));
    EXPECT_EQ(fake.pings, (std::vector<bool>{false, true}));
}

TEST(Buzzer, StopEndsBetweenNotesAndReleasesTheKeepAlive) {
    FakeBuzzer fake;
    auto player = std::make_unique<BuzzerPlayer>(fake.calls());
    const std::vector<Note> notes(10, tone(5, 1, 4));
    fake.duringTone = [&] {
        if (fake.tones.size() == 2) player->stop();
    };
    player->play(notes, 120, 0);
    ASSERT_TRUE(waitFor([&] { return !player->playing(); }));
    QCoreApplication::processEvents();
    EXPECT_EQ(fake.tones.size(), 2u);
    EXPECT_EQ(fake.pings, (std::vector<bool>{false, true}));

    // Gone while playing (the window closed): the keep-alive runs again.
    fake.duringTone = nullptr;
    fake.pings.clear();
    player->play(notes, 120, 0);
    player.reset();
    EXPECT_EQ(fake.pings, (std::vector<bool>{false, true}));
}

// The frequency of the strongest period between 300 and 600 Hz.
double fundamental(const Pcm& pcm, size_t from, size_t count) {
    auto correlation = [&](int lag) {
        double sum = 0;
        for (size_t i = from; i < from + count; ++i) sum += double(pcm[i]) * pcm[i + lag];
        return sum;
    };
    int best = 0;
    double bestValue = -1e300;
    for (int lag = kSampleRate / 600; lag <= kSampleRate / 300; ++lag) {
        if (const double value = correlation(lag); value > bestValue) {
            bestValue = value;
            best = lag;
        }
    }
    // Between the neighbouring lags on a parabola.
    const double left = correlation(best - 1), right = correlation(best + 1);
    const double shift = 0.5 * (left - right) / (left - 2 * bestValue + right);
    return kSampleRate / (best + shift);
}

TEST(MelodySound, BuzzerWaveHasTheNotesLengthAndPitch) {
    const Pcm pcm = buzzerPcm({tone(5, 1, 3)}, 120, 0);
    EXPECT_EQ(pcm.size(), size_t(kSampleRate / 2));
    EXPECT_NEAR(fundamental(pcm, 0, 8000), 440.0, 4.4);

    QTemporaryDir dir;
    const QString wav = dir.filePath("a.wav");
    ASSERT_TRUE(writeWav(wav, pcm).isEmpty());
    QFile file(wav);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_EQ(bytes.size(), 44 + kSampleRate);
    EXPECT_TRUE(bytes.startsWith("RIFF"));
    EXPECT_EQ(bytes.mid(8, 8), "WAVEfmt ");
    EXPECT_EQ(bytes.mid(36, 4), "data");
    EXPECT_FALSE(writeWav(dir.filePath("fehlt/a.wav"), pcm).isEmpty());
}

TEST(MelodySound, FluidSynthSoundsTheNoteForItsLengthAtThePhonesPitch) {
    const QString soundfont = soundfontFile();
    if (soundfont.isEmpty()) GTEST_SKIP() << "no General MIDI soundfont installed";
    const RenderedSound quarter = renderMidi(soundingMidi({tone(5, 1, 3)}, 120, 0), soundfont);
    ASSERT_TRUE(quarter.ok()) << quarter.error.toStdString();
    // The same note held four times as long: the two renders are the same
    // sample for sample until the quarter's release begins.
    const RenderedSound whole = renderMidi(soundingMidi({tone(5, 1, 1)}, 120, 0), soundfont);
    ASSERT_TRUE(whole.ok());
    size_t release = 0;
    while (release < quarter.pcm.size() && release < whole.pcm.size() &&
           quarter.pcm[release] == whole.pcm[release]) {
        ++release;
    }
    EXPECT_NEAR(double(release) / kSampleRate, 0.5, 0.02);
    // The same input renders the same samples.
    EXPECT_EQ(renderMidi(soundingMidi({tone(5, 1, 3)}, 120, 0), soundfont).pcm, quarter.pcm);
    EXPECT_NEAR(fundamental(quarter.pcm, 2000, 8000), 440.0, 4.4);
}

}  // namespace
}  // namespace corvina
