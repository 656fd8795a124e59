#include <cctype>
#include <optional>

#include "codecs/midi/tmidi.h"

namespace midi {
namespace {

constexpr size_t kMaxTitle = 20;
constexpr int kTempoWithoutB = 93;
constexpr int kTicksPer128th = 15;

tools::Outcome invalidFile() {
    return tools::Outcome::failure("Keine gültige RTTL-Datei!");
}

bool isNoteLetter(char c) {
    return (c >= 'a' && c <= 'g') || c == 'p';
}

// A decimal number of at most 9 digits, nothing else.
std::optional<int> number(std::string_view text) {
    if (text.empty() || text.size() > 9) return std::nullopt;
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

int semitone(std::string_view name) {
    static constexpr std::string_view kNames[] = {"c",  "c#", "d",  "d#", "e",  "f",
                                                  "f#", "g",  "g#", "a",  "a#", "b"};
    for (int i = 0; i < 12; ++i) {
        if (name == kNames[i]) return i;
    }
    return -1;
}

// Lower case without blanks.
std::string compact(std::string_view text) {
    std::string result;
    for (char c : text) {
        if (!std::isspace(static_cast<unsigned char>(c))) {
            result.push_back(static_cast<char>(std::tolower(static_cast<unsigned char>(c))));
        }
    }
    return result;
}

// The values of d=, o= and b= in the defaults section; empty when missing.
struct Defaults {
    std::string d, o, b;
};

Defaults readDefaults(const std::string& section) {
    Defaults defaults;
    size_t i = 0;
    while (i < section.size()) {
        const char key = section[i];
        if ((key == 'd' || key == 'o' || key == 'b') && i + 1 < section.size() &&
            section[i + 1] == '=') {
            const size_t end = std::min(section.find(',', i), section.size());
            std::string& value = key == 'd' ? defaults.d : key == 'o' ? defaults.o : defaults.b;
            value = section.substr(i + 2, end - i - 2);
            i = end;
        } else {
            ++i;
        }
    }
    return defaults;
}

std::optional<TNote> readNote(std::string_view text, int defaultLength, int defaultOctave) {
    size_t letter = 0;
    while (letter < text.size() && !isNoteLetter(text[letter])) ++letter;
    if (letter == text.size()) return std::nullopt;
    const std::optional<int> length = letter == 0 ? defaultLength : number(text.substr(0, letter));
    if (!length || *length <= 0) return std::nullopt;

    size_t nameEnd = letter;
    while (nameEnd < text.size() && text[nameEnd] != '.' &&
           !std::isdigit(static_cast<unsigned char>(text[nameEnd]))) {
        ++nameEnd;
    }
    const std::string_view name = text.substr(letter, nameEnd - letter);
    std::string_view rest = text.substr(nameEnd);
    bool dotted = false;
    if (!rest.empty() && rest.front() == '.') {
        dotted = true;
        rest.remove_prefix(1);
    }
    // A dot after the octave, as many files have it, means the same.
    if (!rest.empty() && rest.back() == '.') {
        dotted = true;
        rest.remove_suffix(1);
    }
    const std::optional<int> octave = rest.empty() ? defaultOctave : number(rest);
    if (!octave) return std::nullopt;

    TNote element;
    element.ticks = 128 / *length * kTicksPer128th;
    if (dotted) element.ticks += element.ticks / 2;
    if (name == "p") {
        element.pause = true;
        return element;
    }
    const int tone = semitone(name);
    if (tone < 0 || *octave > 10 || *octave * 12 + tone > 127) return std::nullopt;
    element.note = static_cast<uint8_t>(*octave * 12 + tone);
    return element;
}

}  // namespace

tools::Outcome TMidi::parsertttl(std::string_view rtttl, std::vector<TNote>& noten) {
    noten.clear();
    const size_t titleEnd = rtttl.find(':');
    if (titleEnd == std::string_view::npos || titleEnd == 0 || titleEnd > kMaxTitle) {
        return invalidFile();
    }
    const size_t defaultsEnd = rtttl.find(':', titleEnd + 1);
    if (defaultsEnd == std::string_view::npos) {
        return tools::Outcome::failure("Keine gültige RTTl-Datei");
    }
    const Defaults defaults =
        readDefaults(compact(rtttl.substr(titleEnd + 1, defaultsEnd - titleEnd - 1)));
    const std::optional<int> length = defaults.d.empty() ? DefaultDuration : number(defaults.d);
    const std::optional<int> octave = defaults.o.empty() ? DefaultScale : number(defaults.o);
    const std::optional<int> tempo = defaults.b.empty() ? kTempoWithoutB : number(defaults.b);
    if (!length || !octave || !tempo) return invalidFile();

    const std::string notes = compact(rtttl.substr(defaultsEnd + 1));
    std::vector<TNote> parsed;
    size_t start = 0;
    while (start < notes.size()) {
        const size_t end = std::min(notes.find(',', start), notes.size());
        const std::optional<TNote> element =
            readNote(std::string_view(notes).substr(start, end - start), *length, *octave);
        if (!element) return invalidFile();
        parsed.push_back(*element);
        start = end + 1;
    }
    DefaultName = std::string(rtttl.substr(0, titleEnd));
    Tempo = *tempo > 0 ? *tempo : kTempoWithoutB;
    noten = std::move(parsed);
    return tools::Outcome::success();
}

}  // namespace midi
