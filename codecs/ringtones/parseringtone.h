// RTTTL text to the melody record.
#pragma once

#include <string_view>

#include "codecs/ringtones/tmid.h"
#include "codecs/tools/outcome.h"

namespace ringdecode {

// Parses RTTTL text such as "Test:d=4,o=5,b=125:c,8e.6,g" into `melody`.
//
// Title, colon, defaults d= (duration), o= (octave) and b= (beats per minute)
// separated by commas, colon, notes separated by commas. A note is
// [duration] letter ['#'] ['.'] [octave digit] ['.']; letters a-g and p
// (pause) in either case; blanks are ignored. A missing default counts as not
// given: notes without an octave then become pauses in octave 0, a missing
// tempo gets index 14 (125).
//
// Fails, leaving `melody` empty (count 0), with "Invalid Fileformat!"
// (caption "Open midi") when there are no notes or a note cannot be read, and
// with a German message when a default is not a number, a length is not one of
// 1, 2, 4 ... 128, or there are more than 1000 notes.
tools::Outcome parseringtone(std::string_view rtttl, TMid& melody);

}  // namespace ringdecode
