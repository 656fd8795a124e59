// What the program needs to turn a profile's values into the codes a phone
// takes: which family's code table applies, and the settings that carry a
// code.
#pragma once

#include <cstdint>

namespace phonelib {

// The code table of a phone's profiles. It follows the family of the
// profile procedures, not the phone's name: the Nokia 8310 reads and writes
// its profiles with the 7110 family's procedures and codes.
enum class ProfileFamily : uint8_t {
    None,  // no phone connected, or one without profiles
    Nokia61xx,
    Nokia7110,
    Siemens,
};

// The settings of a profile that travel as phone codes.
enum class ProfileSetting : uint8_t {
    KeypadTones,
    Lights,
    RingingMode,
    Ringtone,
    Volume,
    MessageTone,
    Vibration,
    WarningTones,
    CallerGroups,
    AutomaticAnswer,
    EarpieceVolume,
};

}  // namespace phonelib
