#include "codecs/midi/midiconverter.h"

#include <span>

#include "codecs/tools/filebytes.h"
#include "codecs/tools/privatetemp.h"

namespace midiconverter {
namespace {

// Reading for no channel lists every channel of a track: no note is taken, so
// the note limit never ends the reading early.
constexpr int kNoChannel = 0;

}  // namespace

TConverter::TConverter() {
    Midi1.Tempo = 125;
    Midi1.MaxNotes = 270;
    Midi1.Delta = 480;
}

tools::Outcome TConverter::readtrack(midi::TMidi& reader, int track, int channel,
                                     std::string& rtttl) {
    reader.Track = static_cast<uint8_t>(track);
    reader.Channel = static_cast<uint8_t>(channel);
    // Every track starts from the unlifted octaves; a lift found for one track
    // must not move the next.
    reader.Offset = 0;
    const auto* data = reinterpret_cast<const uint8_t*>(bytes_.data());
    return reader.readmididata(std::span<const uint8_t>(data, bytes_.size()), rtttl);
}

tools::Outcome TConverter::prepareconversion(const std::string& midiFile,
                                             const std::string& rttlFile, int maxNotes, int track,
                                             int channel, const std::string& title) {
    Midi1.MaxNotes = maxNotes;
    Midi1.MidiFile = midiFile;
    Midi1.RTTLFile = rttlFile;
    Midi1.DefaultName = title;
    trackLines.clear();
    channels.clear();
    renderedMidiFile.clear();

    const std::optional<std::string> bytes =
        tools::readfilebytes(midiFile, midi::kMaxMidiFileBytes);
    if (!bytes)
        return tools::Outcome::failure("Datei " + midiFile + " kann nicht geöffnet werden!");
    bytes_ = *bytes;
    Midi1.Tracks = 0;
    std::string rtttl;
    const tools::Outcome outcome = readtrack(Midi1, 1, kNoChannel, rtttl);
    if (Midi1.Tracks <= 0) {
        return tools::Outcome::failure("Diese Datei enthält keine Midi-Daten!", "Fehler");
    }
    if (!outcome.ok()) return outcome;
    for (int n = 1; n <= Midi1.Tracks; ++n) trackLines.push_back("Track " + std::to_string(n));
    channels = Midi1.Channels;
    if (!needschoice()) return convert(1, channels.front());
    Midi1.Track = static_cast<uint8_t>(track);
    Midi1.Channel = static_cast<uint8_t>(channel);
    return outcome;
}

bool TConverter::needschoice() const {
    return Midi1.Tracks != 1 || channels.size() != 1;
}

tools::Outcome TConverter::selecttrack(int track) {
    midi::TMidi reader = Midi1;
    std::string rtttl;
    tools::Outcome outcome = readtrack(reader, track, kNoChannel, rtttl);
    channels = reader.Channels;
    if (outcome.ok()) Midi1.Track = static_cast<uint8_t>(track);
    return outcome;
}

tools::Outcome TConverter::render(int track, int channel) {
    midi::TMidi reader = Midi1;
    std::string rtttl;
    if (tools::Outcome outcome = readtrack(reader, track, channel, rtttl); !outcome.ok()) {
        return outcome;
    }
    if (reader.Channels.empty()) {
        return tools::Outcome::failure("Dieser Track enthält keine Noten!", "Hinweis");
    }
    reader.RTTLFile = tools::privatetempfile("temprttl.txt");
    reader.MidiFile = tools::privatetempfile("tempmid.mid");
    if (reader.RTTLFile.empty() || reader.MidiFile.empty()) {
        return tools::Outcome::failure("Das temporäre Verzeichnis kann nicht angelegt werden!");
    }
    if (!tools::writefileatomically(reader.RTTLFile, rtttl + "\r\n")) {
        return tools::Outcome::failure("Datei " + reader.RTTLFile +
                                       " kann nicht geschrieben werden!");
    }
    tools::Outcome outcome = reader.writemidi();
    if (outcome.ok()) renderedMidiFile = reader.MidiFile;
    return outcome;
}

tools::Outcome TConverter::convert(int track, int channel) {
    Midi1.Track = static_cast<uint8_t>(track);
    Midi1.Channel = static_cast<uint8_t>(channel);
    Midi1.Offset = 0;
    std::string rtttl;
    return Midi1.readmidi(rtttl);
}

tools::Outcome convertmidi(TConverter& converter, const std::string& midiFile,
                           const std::string& rttlFile, int maxNotes, const std::string& title,
                           const TrackChannelChooser& chooser) {
    tools::Outcome outcome = converter.prepareconversion(midiFile, rttlFile, maxNotes, 1, 1, title);
    if (!outcome.ok() || !converter.needschoice()) return outcome;

    std::optional<TrackChannel> choice;
    if (chooser) {
        choice = chooser(converter);
        if (!choice) return tools::Outcome::cancelled();
    } else {
        for (int track = 1; track <= converter.Midi1.Tracks && !choice; ++track) {
            if (outcome = converter.selecttrack(track); !outcome.ok()) return outcome;
            if (!converter.channels.empty())
                choice = TrackChannel{track, converter.channels.front()};
        }
        if (!choice) return tools::Outcome::failure("Diese Midi-Datei enthält keine Noten!");
    }
    outcome = converter.convert(choice->track, choice->channel);
    if (!outcome.ok()) return outcome;
    if (tools::Outcome rendered = converter.render(choice->track, choice->channel);
        !rendered.ok()) {
        return rendered;
    }
    if (!chooser) {
        outcome.addnotice(
            "Die Midi-Datei enthält mehrere Tracks oder Channel; übernommen wurden Track " +
            std::to_string(choice->track) + " und Channel " + std::to_string(choice->channel) +
            ".");
    }
    return outcome;
}

}  // namespace midiconverter
