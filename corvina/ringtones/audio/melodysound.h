// Sound of a melody or a MIDI file as 16-bit mono PCM at 44.1 kHz: rendered
// by FluidSynth with a General MIDI soundfont, or as the phone's square-wave
// buzzer. Melodies sound at MIDI key = note number + 48, the buzzer's pitch.
#pragma once

#include <QString>
#include <cstdint>
#include <string>
#include <vector>

#include "corvina/ringtones/melody.h"

namespace corvina {

inline constexpr int kSampleRate = 44100;
using Pcm = std::vector<int16_t>;

// The settings value "Soundfont", else Debian's default General MIDI
// soundfont; empty when neither file exists.
QString soundfontFile();

// The notes from index `from` on as a one-track MIDI file at the melody's
// tempo, at the pitch the buzzer plays them.
std::string soundingMidi(const std::vector<Note>& notes, int tempo, int from);
// Start of each note from `from` on in milliseconds, and the end.
std::vector<int> noteStartsMs(const std::vector<Note>& notes, int tempo, int from);

// The buzzer: a square wave of the buzzer frequency per note, silence for
// rests and notes below 220 Hz.
Pcm buzzerPcm(const std::vector<Note>& notes, int tempo, int from);

struct RenderedSound {
    Pcm pcm;
    QString error;  // why it could not be rendered
    bool ok() const { return error.isEmpty(); }
};

// A MIDI file rendered by FluidSynth (its player timed by the samples, so
// the output is the same on every run), with the release of the last notes.
RenderedSound renderMidi(const std::string& midiFile, const QString& soundfont);

// A WAV file (PCM, mono, 16 bit, 44.1 kHz), written atomically; the reason
// when it fails, else empty.
QString writeWav(const QString& path, const Pcm& pcm);

}  // namespace corvina
