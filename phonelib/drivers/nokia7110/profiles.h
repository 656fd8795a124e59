// Profiles of the 7110 family (type 0x39): a name and ten features in the
// standard order (keypad tones, lights, ringing mode, ringtone, volume,
// message tone, vibration, warning tones, caller groups, automatic answer),
// each read and written with its own message. The phone numbers profiles
// from 1 (profile number + 1).
//
// GetProfile returns the program's values; SetProfile sends the low byte of
// each field as it is, so its caller supplies the phone's codes.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "phonelib/drivers/nokia61xx/profiles.h"
#include "phonelib/drivers/request.h"
#include "records/typendefinitionen.h"

namespace phonelib::nokia7110 {

constexpr uint8_t kProfileName = 0xFF;

// The program's value of a phone code of this family (-1 for a code the
// table does not know); ringtone and caller groups pass unchanged.
int32_t decodeFeatureValue(nokia::ProfileFeature feature, uint8_t code);

// Requests (pure); `item` is a feature number or kProfileName.
Request profileReadRequest(uint8_t phoneProfile, uint8_t item);
// stTooLong for a name beyond 127 characters.
uint8_t profileNameWrite(const TProfile& profile, Request& request);
Request profileFeatureWrite(const TProfile& profile, uint8_t feature);

// The phone's number of a profile, or nothing for one its byte cannot name.
std::optional<uint8_t> phoneProfileOf(int32_t profileNumber);

// Answer 02: byte 6 the item, for the name 8 the standard name's code, 9 the
// name's byte count and the name (16-bit characters) from 10; for a feature
// the code at 10. Fills the profile; false when the body is too short.
bool decodeProfileAnswer(std::span<const uint8_t> body, uint8_t modelId,
                         const std::string& modelCode, TProfile& profile);

void onProfileAnswer(std::span<const uint8_t> body);

uint8_t GetProfile(TProfile& profile);
uint8_t SetProfile(TProfile& profile);

}  // namespace phonelib::nokia7110
