// Turning a MIDI file into a ringtone: one channel of one track, chosen by the
// user when the file has several. This is the logic of the track/channel
// dialog without its widgets; the program's dialog and the library drive it.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "codecs/midi/tmidi.h"
#include "codecs/tools/outcome.h"

namespace midiconverter {

// Caption and explanation of the track/channel dialog.
inline constexpr const char* kChooserCaption = "Track/Channel auswählen";
inline constexpr const char* kChooserExplanation =
    "Diese Midi-Datei enthält mehrere Tracks und/oder mehrere Channel. Es kann jedoch nur ein "
    "Channel aus genau einem Track konvertiert werden. Bitte wählen Sie deshalb einen Channel aus:";

struct TrackChannel {
    int track = 1;    // from 1
    int channel = 1;  // 1..16
};

class TConverter {
  public:
    TConverter();

    midi::TMidi Midi1;                    // starts with Tempo 125, MaxNotes 270 and Delta 480
    std::vector<std::string> trackLines;  // "Track 1", "Track 2", ...
    std::vector<int> channels;            // channels with notes in the selected track
    std::string renderedMidiFile;         // the MIDI file render() wrote last

    // Takes the MIDI file and the RTTTL file to fill, reads the track list and
    // the channels of track 1. With exactly one track and one channel the
    // RTTTL file then holds their conversion (needschoice() is false);
    // otherwise Track and Channel take the given values and the caller lets
    // the user choose. Fails with "Diese Datei enthält keine Midi-Daten!"
    // (caption "Fehler") for a file without tracks, and with the reader's
    // message when the file cannot be read.
    tools::Outcome prepareconversion(const std::string& midiFile, const std::string& rttlFile,
                                     int maxNotes, int track, int channel,
                                     const std::string& title);
    // True when the file has more than one track or more than one channel.
    bool needschoice() const;

    // Reads the channels of `track` into `channels`.
    tools::Outcome selecttrack(int track);
    // Converts a track and channel to "temprttl.txt" and renders that as
    // "tempmid.mid", both in the private temporary directory, for listening;
    // the name of the MIDI file goes to renderedMidiFile. Fails with "Dieser
    // Track enthält keine Noten!" (caption "Hinweis") for a track without
    // notes.
    tools::Outcome render(int track, int channel);
    // Converts a track and channel into the caller's RTTTL file.
    tools::Outcome convert(int track, int channel);

  private:
    std::string bytes_;  // the MIDI file, read once by prepareconversion
    tools::Outcome readtrack(midi::TMidi& reader, int track, int channel, std::string& rtttl);
};

// Asks the user for a track and channel; nothing when the user cancels. The
// chooser may call selecttrack() and render() for the choice it shows.
using TrackChannelChooser = std::function<std::optional<TrackChannel>(TConverter&)>;

// The whole conversion of a MIDI file into the RTTTL file `rttlFile`. When
// the file has several tracks or channels, `chooser` decides; without a
// chooser the first track and channel that hold notes are taken, the result
// says so and renderedMidiFile holds that channel alone as a MIDI file.
tools::Outcome convertmidi(TConverter& converter, const std::string& midiFile,
                           const std::string& rttlFile, int maxNotes, const std::string& title,
                           const TrackChannelChooser& chooser);

}  // namespace midiconverter
