#include "codecs/ringtones/encoderingtone.h"

#include "codecs/tools/hextext.h"

namespace ringdecode {
namespace {

constexpr int kMaxTitle = 15;
constexpr int kMaxInstructions = 255;
constexpr int kLowestOctave = 4;   // scale value 0
constexpr int kHighestOctave = 7;  // scale value 3
constexpr int kMaxNote = 15;
constexpr int kMaxDuration = 7;
constexpr int kMaxTempo = 31;
constexpr int kQuarterCode = 2;  // repeated when no note has set a duration yet

int instructionsOf(const TMid& melody) {
    int instructions = melody.count + 1;
    if (melody.count > 0 && melody.entries[0].tempo != kNotSet) ++instructions;
    for (int i = 0; i < melody.count && i < kMaxEntries; ++i) {
        if (melody.entries[i].scale != kNotSet) ++instructions;
    }
    return instructions;
}

tools::Outcome refusal(const std::string& reason) {
    return tools::Outcome::failure("Der Klingelton kann nicht übertragen werden: " + reason);
}

tools::Outcome checkEncodable(const TMid& melody) {
    if (melody.count <= 0) return refusal("er enthält keine Noten.");
    if (melody.count > kMaxEntries) return refusal("er hat mehr als 1000 Noten.");
    if (melody.name.size() > kMaxTitle) return refusal("der Titel ist länger als 15 Zeichen.");
    if (melody.loop > 15) return refusal("ungültige Wiederholungszahl.");
    if (instructionsOf(melody) > kMaxInstructions) {
        return refusal("er ist zu lang (mehr als 255 Befehle).");
    }
    for (int i = 0; i < melody.count; ++i) {
        const TMelodyEntry& entry = melody.entries[i];
        if (entry.scale != kNotSet && entry.scale > kHighestOctave) {
            return refusal("Oktave " + std::to_string(entry.scale) + " ist zu hoch.");
        }
        if (entry.note > kMaxNote) return refusal("ungültige Note.");
        if (entry.duration != kNotSet && entry.duration > kMaxDuration) {
            return refusal("ungültige Notenlänge.");
        }
    }
    const uint16_t tempo = melody.entries[0].tempo;
    if (tempo != kNotSet && tempo > kMaxTempo) return refusal("ungültiges Tempo.");
    return tools::Outcome::success();
}

}  // namespace

void writebits(std::string& hex, int& bit, int width, int& digit, int value) {
    for (int k = width - 1; k >= 0; --k) {
        if (static_cast<int>(hex.size()) < digit) hex.resize(digit, '0');
        if ((value >> k) & 1) {
            const int sum = tools::hexdigitvalue(hex[digit - 1]) | (8 >> (bit - 1));
            hex[digit - 1] = "0123456789ABCDEF"[sum];
        }
        if (++bit > 4) {
            bit = 1;
            ++digit;
        }
    }
}

void countinstructions(TMid& melody) {
    melody.instructions = instructionsOf(melody);
}

tools::Outcome encoderingtone(const TMid& melody, std::string& hex) {
    hex.clear();
    if (tools::Outcome check = checkEncodable(melody); !check.ok()) return check;

    std::string text = "02" + std::string(1 + 1000, '0');
    int digit = 3;
    int bit = 1;
    const auto put = [&](int width, int value) { writebits(text, bit, width, digit, value); };

    put(7, 37);  // ringing tone programming
    put(1, 0);
    put(7, 29);  // sound
    put(3, 1);   // basic song
    put(4, static_cast<int>(melody.name.size()));
    for (char c : melody.name) put(8, static_cast<unsigned char>(c));
    put(8, 1);  // one pattern
    put(3, 0);  // pattern header
    put(2, 0);  // pattern A
    put(4, melody.loop);
    put(8, instructionsOf(melody));

    int scale = -1;
    int lastDuration = kQuarterCode;
    for (int i = 0; i < melody.count; ++i) {
        const TMelodyEntry& entry = melody.entries[i];
        if (i == 0) {
            put(3, 3);  // style instruction, style 1
            put(2, 1);
            if (entry.tempo != kNotSet) {
                put(3, 4);
                put(5, entry.tempo);
            }
        }
        if (entry.scale != kNotSet) {
            scale = entry.scale < kLowestOctave ? 0 : entry.scale - kLowestOctave;
            put(3, 2);
            put(2, scale);
        }
        const int note = scale == 0 && entry.note < 10 ? 0 : entry.note;
        if (entry.duration != kNotSet) lastDuration = entry.duration;
        put(3, 1);
        put(4, note);
        put(3, lastDuration);
        put(2, entry.dotted == 1 ? 1 : 0);
    }

    // Keep the partly filled byte, padded with zero bits, then one or two
    // zero bytes.
    text.resize(digit + 1);
    if (digit % 2 == 0) text += '0';
    text += "00";
    hex = std::move(text);
    return tools::Outcome::success();
}

}  // namespace ringdecode
