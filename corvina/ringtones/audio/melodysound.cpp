#include "corvina/ringtones/audio/melodysound.h"

#include <fluidsynth.h>

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSettings>
#include <QtEndian>
#include <algorithm>
#include <memory>

#include "codecs/midi/tmidi.h"
#include "corvina/language/language.h"
#include "corvina/settings/settingsrecord.h"

namespace corvina {
namespace {

constexpr const char* kDebianSoundfont = "/usr/share/sounds/sf2/default-GM.sf2";
constexpr int kTicksPerQuarter = 480;
constexpr int kBlock = 512;
constexpr int kReleaseMs = 600;
constexpr double kBuzzerLevel = 0.3 * 32767;
constexpr size_t kLongestSamples = size_t{30} * 60 * kSampleRate;
constexpr double kGain = 0.8;  // FluidSynth's 0.2 is quiet for one voice

int ticksOf(const Note& note) {
    int ticks = kTicksPerQuarter * 4 >> std::clamp(note.duration - 1, 0, 5);
    if (note.dotted) ticks += ticks / 2;
    return ticks;
}

// FluidSynth reports to stderr by default; the program says what matters
// itself.
void quietLog(int, const char*, void*) {}

struct FluidDeleter {
    void operator()(fluid_settings_t* s) const { delete_fluid_settings(s); }
    void operator()(fluid_synth_t* s) const { delete_fluid_synth(s); }
    void operator()(fluid_player_t* p) const { delete_fluid_player(p); }
};

}  // namespace

QString soundfontFile() {
    const QString chosen = openSettingsStore()->value(QStringLiteral("Soundfont")).toString();
    if (!chosen.isEmpty() && QFileInfo(chosen).isFile()) return chosen;
    const QString debian = QString::fromLatin1(kDebianSoundfont);
    return QFileInfo(debian).isFile() ? QFileInfo(debian).canonicalFilePath() : QString();
}

std::string soundingMidi(const std::vector<Note>& notes, int tempo, int from) {
    std::vector<midi::TNote> noten;
    for (size_t i = std::max(from, 0); i < notes.size(); ++i) {
        const Note& note = notes[i];
        midi::TNote element;
        element.pause = note.pause;
        element.note = static_cast<uint8_t>(
            note.pause ? 0 : std::clamp(noteNumberOf(note) + kMidiKeyOffset, 0, 127));
        element.ticks = ticksOf(note);
        noten.push_back(element);
    }
    midi::TMidi writer;
    writer.Tempo = std::max(tempo, 1);
    writer.MaxNotes = static_cast<int>(noten.size()) + 1;
    return writer.midibytes(noten);
}

std::vector<int> noteStartsMs(const std::vector<Note>& notes, int tempo, int from) {
    std::vector<int> starts;
    int at = 0;
    for (size_t i = std::max(from, 0); i < notes.size(); ++i) {
        starts.push_back(at);
        at += lengthMs(notes[i], tempo);
    }
    starts.push_back(at);
    return starts;
}

Pcm buzzerPcm(const std::vector<Note>& notes, int tempo, int from) {
    Pcm pcm;
    for (size_t i = std::max(from, 0); i < notes.size(); ++i) {
        const Note& note = notes[i];
        const size_t samples = static_cast<size_t>(lengthMs(note, tempo)) * kSampleRate / 1000;
        const int hz = buzzerFrequency(note);
        for (size_t s = 0; s < samples; ++s) {
            if (hz == 0) {
                pcm.push_back(0);
                continue;
            }
            // Half periods counted in whole samples times the frequency, so
            // the pitch holds exactly over the note.
            const bool high = (2 * s * static_cast<size_t>(hz) / kSampleRate) % 2 == 0;
            pcm.push_back(static_cast<int16_t>(high ? kBuzzerLevel : -kBuzzerLevel));
        }
    }
    return pcm;
}

RenderedSound renderMidi(const std::string& midiFile, const QString& soundfont) {
    RenderedSound sound;
    for (int level = FLUID_PANIC; level < LAST_LOG_LEVEL; ++level) {
        fluid_set_log_function(level, quietLog, nullptr);
    }
    std::unique_ptr<fluid_settings_t, FluidDeleter> settings(new_fluid_settings());
    if (!settings) {
        sound.error = tx("ringtones_20", "Der Synthesizer kann nicht gestartet werden.");
        return sound;
    }
    fluid_settings_setnum(settings.get(), "synth.sample-rate", kSampleRate);
    fluid_settings_setstr(settings.get(), "player.timing-source", "sample");
    fluid_settings_setint(settings.get(), "synth.lock-memory", 0);
    fluid_settings_setnum(settings.get(), "synth.gain", kGain);
    std::unique_ptr<fluid_synth_t, FluidDeleter> synth(new_fluid_synth(settings.get()));
    if (!synth) {
        sound.error = tx("ringtones_20", "Der Synthesizer kann nicht gestartet werden.");
        return sound;
    }
    if (fluid_synth_sfload(synth.get(), QFile::encodeName(soundfont).constData(), 1) ==
        FLUID_FAILED) {
        sound.error =
            tx("ringtones_21", "Die Soundfont \"%1\" kann nicht geladen werden.").arg(soundfont);
        return sound;
    }
    std::unique_ptr<fluid_player_t, FluidDeleter> player(new_fluid_player(synth.get()));
    if (!player ||
        fluid_player_add_mem(player.get(), midiFile.data(), midiFile.size()) != FLUID_OK ||
        fluid_player_play(player.get()) != FLUID_OK) {
        sound.error = tx("ringtones_22", "Die Midi-Daten können nicht abgespielt werden.");
        return sound;
    }
    std::vector<int16_t> left(kBlock);
    std::vector<int16_t> right(kBlock);
    auto block = [&] {
        fluid_synth_write_s16(synth.get(), kBlock, left.data(), 0, 1, right.data(), 0, 1);
        for (int i = 0; i < kBlock; ++i) {
            sound.pcm.push_back(static_cast<int16_t>((left[i] + right[i]) / 2));
        }
    };
    // The player reports its end only a while after the last event; the
    // file's length in ticks (known once the first block started the
    // player) says when the music is over. A file that never ends is cut at
    // the longest sound taken.
    do {
        block();
    } while (fluid_player_get_status(player.get()) == FLUID_PLAYER_PLAYING &&
             fluid_player_get_current_tick(player.get()) <
                 fluid_player_get_total_ticks(player.get()) &&
             sound.pcm.size() < kLongestSamples);
    const int tail = kReleaseMs * kSampleRate / 1000 / kBlock;
    for (int i = 0; i < tail; ++i) block();
    return sound;
}

QString writeWav(const QString& path, const Pcm& pcm) {
    const auto dataBytes = static_cast<quint32>(pcm.size() * sizeof(int16_t));
    QByteArray header;
    auto add32 = [&](quint32 v) {
        char bytes[4];
        qToLittleEndian(v, bytes);
        header.append(bytes, 4);
    };
    auto add16 = [&](quint16 v) {
        char bytes[2];
        qToLittleEndian(v, bytes);
        header.append(bytes, 2);
    };
    header.append("RIFF");
    add32(36 + dataBytes);
    header.append("WAVEfmt ");
    add32(16);
    add16(1);  // PCM
    add16(1);  // mono
    add32(kSampleRate);
    add32(kSampleRate * 2);
    add16(2);
    add16(16);
    header.append("data");
    add32(dataBytes);
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly)) {
        file.write(header);
        for (int16_t sample : pcm) {
            char bytes[2];
            qToLittleEndian(sample, bytes);
            file.write(bytes, 2);
        }
        if (file.commit()) return {};
    }
    return tx("ringtones_6", "Die Datei \"%1\" kann nicht geschrieben werden.").arg(path);
}

}  // namespace corvina
