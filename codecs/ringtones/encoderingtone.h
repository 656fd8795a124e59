// The melody record to a Smart Messaging ringtone ("ringing tone
// programming") as hex text, the form in which the Nokia drivers send it.
#pragma once

#include <string>

#include "codecs/ringtones/tmid.h"
#include "codecs/tools/outcome.h"

namespace ringdecode {

// Adds the `width` low bits of `value`, most significant first, into the hex
// text at the cursor: `digit` is the 1-based digit position, `bit` the bit
// inside that digit (1 = most significant). The cursor moves on by `width`
// bits; the text grows with '0' digits when the cursor passes its end.
void writebits(std::string& hex, int& bit, int width, int& digit, int value);

// Sets melody.instructions to the number of pattern instructions: one per
// note, one style instruction, one tempo instruction when the first entry has
// a tempo, one scale instruction per entry with a scale.
void countinstructions(TMid& melody);

// Encodes the melody as upper-case hex text. Refuses (hex left empty) a
// melody without notes, a title over 15 characters, more than 255
// instructions, an octave of 8 or more, a note, duration or tempo outside its
// code range. Octaves below 4 are sent as the lowest scale; in that scale c to
// g# cannot sound and are sent as pauses.
tools::Outcome encoderingtone(const TMid& melody, std::string& hex);

}  // namespace ringdecode
