// Render times of the ringtone editor's sound: a melody of 200 notes through
// FluidSynth and as the buzzer's square wave, and a three-minute MIDI file
// through FluidSynth; and the buffer of the live piano output. Prints, does
// not judge.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSettings>
#include <cstdio>

#include "codecs/midi/tmidi.h"
#include "corvina/ringtones/audio/melodysound.h"

using namespace corvina;

namespace {

std::vector<Note> melody200() {
    std::vector<Note> notes;
    for (int i = 0; i < kMaxMelodyNotes; ++i) {
        Note note = noteOfKey(12 + (i * 5) % 36, 3 + i % 3, i % 7 == 0);
        note.pause = i % 11 == 10;
        notes.push_back(note);
    }
    return notes;
}

// Three minutes of eighth notes at 120 per minute: 720 notes.
std::string threeMinutes() {
    std::vector<midi::TNote> noten;
    for (int i = 0; i < 720; ++i)
        noten.push_back({static_cast<uint8_t>(60 + (i * 7) % 24), 240, false});
    midi::TMidi writer;
    writer.Tempo = 120;
    writer.MaxNotes = 1000;
    return writer.midibytes(noten);
}

template <typename F>
void timed(const char* what, F&& work) {
    QElapsedTimer timer;
    timer.start();
    const size_t samples = work();
    std::printf("%-44s %7lld ms for %6.1f s of sound\n", what,
                static_cast<long long>(timer.elapsed()), double(samples) / kSampleRate);
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("corvina-bench"));
    const QString soundfont = soundfontFile();
    const std::vector<Note> notes = melody200();
    timed("200 notes, buzzer", [&] { return buzzerPcm(notes, 125, 0).size(); });
    if (soundfont.isEmpty()) {
        std::printf("no soundfont: FluidSynth not measured\n");
        return 0;
    }
    std::printf("soundfont %s\n", qPrintable(soundfont));
    timed("200 notes, FluidSynth",
          [&] { return renderMidi(soundingMidi(notes, 125, 0), soundfont).pcm.size(); });
    timed("3-minute MIDI file, FluidSynth",
          [&] { return renderMidi(threeMinutes(), soundfont).pcm.size(); });
    return 0;
}
