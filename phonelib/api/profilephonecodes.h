// The code tables behind ProfilePhoneCodes, one small function per family:
// each turns the values of a profile in place into the codes that family's
// SetProfile sends, and names the first setting that has no code.
#pragma once

#include <optional>

#include "phonelib/api/profilesettings.h"
#include "records/typendefinitionen.h"

namespace phonelib {

// The family whose profile procedures serve a connection: AT connections
// are Siemens phones; Nokia model ids 10 to 17 use the 61xx procedures and
// 18 to 21 those of the 7110 family.
ProfileFamily profileFamilyOf(uint8_t connectionKind, uint8_t modelId);

using ProfileCodeTable = std::optional<ProfileSetting> (*)(TProfile& profile);

// Nokia 7110 family (and the 8310): the codes are the values, except the
// volume, which counts from 0 on the phone; ringing mode 4 ("caller groups
// only") has no code.
std::optional<ProfileSetting> nokia7110ProfileCodes(TProfile& profile);

// Siemens: the ringtone number counts from 0 on the phone (reading adds 1),
// volume 1-4 (none needed for a rising ring, which the phone is sent as 0),
// ringing modes 0, 1, 3 and 5, earpiece volume 0-4, vibration 0 or 1 (-1
// when the phone has none, which is not sent).
std::optional<ProfileSetting> siemensProfileCodes(TProfile& profile);

}  // namespace phonelib
