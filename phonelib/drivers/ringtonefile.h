// Ringtone files as the Nokia drivers send them: RTTTL text files (".txt",
// the first line) and MIDI files (".mid", converted to RTTTL first), both
// turned into Smart Messaging ringtone bytes.
#pragma once

#include <cstdint>
#include <string>

namespace phonelib {

// The file's ringtone as hex text of Smart Messaging bytes. The extension
// decides, in any case. Returns 1; 5 for another extension; 8 when the file
// cannot be opened; 6 when it cannot be read or holds no ringtone that can
// be encoded. Nothing else is touched on failure.
uint8_t loadRingtoneFile(const std::string& fileName, std::string& hex);

}  // namespace phonelib
