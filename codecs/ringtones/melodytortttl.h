// The melody record back to RTTTL text.
#pragma once

#include <string>

#include "codecs/ringtones/tmid.h"

namespace ringdecode {

// Writes the melody as RTTTL: title, defaults d=4, o=6 and b= the tempo of the
// first entry's tempo index (0 for an index outside the table), then every
// note with its length, name, dot and octave, each ended by ','. Fields that
// are not set repeat the previous note's value (length 4 and octave 6 before
// the first note that sets them).
std::string melodytortttl(const TMid& melody);

}  // namespace ringdecode
