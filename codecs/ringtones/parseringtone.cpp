#include "codecs/ringtones/parseringtone.h"

#include <cctype>
#include <optional>
#include <string>

#include "codecs/ringtones/tempotable.h"

namespace ringdecode {
namespace {

tools::Outcome invalidFormat() {
    return tools::Outcome::failure("Invalid Fileformat!", "Open midi");
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string_view trimmed(std::string_view s) {
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front()))) s.remove_prefix(1);
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back()))) s.remove_suffix(1);
    return s;
}

// A decimal number of at most 9 digits, nothing else.
std::optional<int> number(std::string_view text) {
    if (text.empty() || text.size() > 9) return std::nullopt;
    int value = 0;
    for (char c : text) {
        if (!isDigit(c)) return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

struct Defaults {
    int durationCode = -1;  // -1: not given
    int octave = -1;        // -1: not given
    int tempoIndex = kDefaultTempoIndex;
};

tools::Outcome parseDefaults(std::string_view text, Defaults& defaults) {
    while (!text.empty()) {
        const size_t comma = text.find(',');
        const std::string_view item = text.substr(0, comma);
        text = comma == std::string_view::npos ? std::string_view() : text.substr(comma + 1);
        const size_t equals = item.find('=');
        if (equals == std::string_view::npos) continue;
        const std::string_view key = trimmed(item.substr(0, equals));
        if (key.size() != 1) continue;
        const char which = static_cast<char>(std::tolower(static_cast<unsigned char>(key[0])));
        if (which != 'd' && which != 'o' && which != 'b') continue;
        const std::string_view valueText = trimmed(item.substr(equals + 1));
        const std::optional<int> value = number(valueText);
        if (!value) {
            return tools::Outcome::failure("Der Wert von " + std::string(1, which) +
                                           "= ist keine Zahl: \"" + std::string(valueText) + "\"");
        }
        if (which == 'd') {
            defaults.durationCode = durationcode(*value);
            if (defaults.durationCode < 0) {
                return tools::Outcome::failure("Ungültige Notenlänge d=" + std::to_string(*value) +
                                               "!");
            }
        } else if (which == 'o') {
            if (*value > 9) {
                return tools::Outcome::failure("Ungültige Oktave o=" + std::to_string(*value) +
                                               "!");
            }
            defaults.octave = *value;
        } else {
            defaults.tempoIndex = tempoindex(*value);
        }
    }
    return tools::Outcome::success();
}

// The notes in lower case without blanks, ending with a comma.
std::string normalisedNotes(std::string_view text) {
    std::string notes;
    for (char c : text) {
        if (!std::isspace(static_cast<unsigned char>(c))) {
            notes.push_back(static_cast<char>(std::tolower(static_cast<unsigned char>(c))));
        }
    }
    if (!notes.empty() && notes.back() != ',') notes.push_back(',');
    return notes;
}

int letterValue(char c) {
    switch (c) {
        case 'p':
            return 0;
        case 'c':
            return 1;
        case 'd':
            return 3;
        case 'e':
            return 5;
        case 'f':
            return 6;
        case 'g':
            return 8;
        case 'a':
            return 10;
        case 'b':
            return 12;
        default:
            return -1;
    }
}

tools::Outcome parseNotes(const std::string& notes, const Defaults& defaults, TMid& melody) {
    int previousDuration = -2;  // never equal to a code: the first note stores its own
    int previousOctave = -2;
    size_t i = 0;
    while (i < notes.size()) {
        if (melody.count == kMaxEntries) {
            return tools::Outcome::failure("Die Melodie hat mehr als " +
                                           std::to_string(kMaxEntries) + " Noten!");
        }
        int duration = defaults.durationCode;
        if (isDigit(notes[i])) {
            const size_t digits = i + 1 < notes.size() && isDigit(notes[i + 1]) ? 2 : 1;
            const int length = *number(std::string_view(notes).substr(i, digits));
            duration = durationcode(length);
            if (duration < 0) {
                return tools::Outcome::failure("Ungültige Notenlänge " + std::to_string(length) +
                                               "!");
            }
            i += digits;
        }
        if (i >= notes.size() || letterValue(notes[i]) < 0) return invalidFormat();
        int note = letterValue(notes[i++]);
        if (i < notes.size() && notes[i] == '#') {
            if (note == 0 || note == 12) return invalidFormat();  // p# and b# name no note
            ++note;
            ++i;
        }
        bool dotted = false;
        if (i < notes.size() && notes[i] == '.') {
            dotted = true;
            ++i;
        }
        int octave = defaults.octave;
        if (i < notes.size() && isDigit(notes[i])) octave = notes[i++] - '0';
        // Many files put the dot after the octave; it means the same.
        if (i < notes.size() && notes[i] == '.') {
            dotted = true;
            ++i;
        }
        if (i >= notes.size() || notes[i] != ',') return invalidFormat();
        ++i;
        if (octave < 0) {  // no octave at all: the note cannot sound
            note = 0;
            octave = 0;
        }

        TMelodyEntry& entry = melody.entries[melody.count];
        if (duration != previousDuration) entry.duration = static_cast<uint16_t>(duration);
        if (octave != previousOctave) entry.scale = static_cast<uint16_t>(octave);
        previousDuration = duration;
        previousOctave = octave;
        entry.note = static_cast<uint16_t>(note);
        entry.dotted = dotted ? 1 : kNotSet;
        if (melody.count == 0) entry.tempo = static_cast<uint16_t>(defaults.tempoIndex);
        ++melody.count;
    }
    return tools::Outcome::success();
}

}  // namespace

tools::Outcome parseringtone(std::string_view rtttl, TMid& melody) {
    melody = TMid();
    const size_t titleEnd = rtttl.find(':');
    if (titleEnd == std::string_view::npos) return invalidFormat();
    melody.name = std::string(rtttl.substr(0, titleEnd));
    const std::string_view rest = rtttl.substr(titleEnd + 1);
    const size_t defaultsEnd = rest.find(':');
    if (defaultsEnd == std::string_view::npos) return invalidFormat();

    Defaults defaults;
    tools::Outcome outcome = parseDefaults(rest.substr(0, defaultsEnd), defaults);
    const std::string notes = normalisedNotes(rest.substr(defaultsEnd + 1));
    if (outcome.ok() && notes.empty()) outcome = invalidFormat();
    if (outcome.ok()) outcome = parseNotes(notes, defaults, melody);
    if (!outcome.ok()) {
        const std::string name = melody.name;
        melody = TMid();
        melody.name = name;
    }
    return outcome;
}

}  // namespace ringdecode
