// Logos, pictures and ringtones of the 7110 family.
//
// The operator logo travels inside the network messages (type 0x0A), the
// start-up logo in type 0x7A, caller-group logos as phonebook blocks and
// picture images as type 0x14 messages. Uploads are not answered by the
// phone's reading of them: the message goes out and the phone's buzzer
// sounds twice; only the caller-group logo reports the phonebook write.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "codecs/midi/tmidi.h"
#include "phonelib/drivers/request.h"
#include "records/typendefinitionen.h"

namespace phonelib::nokia7110 {

// --- Requests (pure) ---------------------------------------------------------

// The messages of an upload of kind 3 (the operator logo, sent twice: byte 5
// 00, then 01; network code already in its six-digit semi-octet form), 5
// (start-up logo) or 7 (picture image with the group name field as its
// text). stNotAvailable for another kind or a start-up logo without a
// picture; stTooLong when picture, text, width or height do not fit their
// fields; stNoSuchLocation for a picture slot beyond one byte.
uint8_t logoUploadRequests(const GSMBitmap& bitmap, std::vector<Request>& requests);

Request startupLogoReadRequest();

// Model 21 keeps ringtones as note pairs (type 0x1F) under the name
// "Corvina" at location + 0x74. Each note is (note number + 0x43, duration
// byte); a pause is (0x40, duration byte); a note that repeats the sounding
// note before it is preceded by 40 01, so the phone plays two notes. The
// duration byte is 15 x ticks / tempo (120 / tempo x 60 x ticks / 480).
// stTooLong when a duration does not fit its byte, stNoSuchLocation when
// location + 0x74 does not.
uint8_t binaryRingtoneRequest(std::span<const midi::TNote> notes, int tempo, uint8_t location,
                              Request& request);
// Models 19 and 20: the Smart Messaging ringtone bytes in a type 0x00
// message. stTooLong beyond the 255 bytes its count byte holds.
uint8_t ringtoneRequest00(std::span<const uint8_t> ringtone, Request& request);

// --- Answers (pure) ------------------------------------------------------------

// Type 0x7A: the start-up logo, height at 13, width at 17, stripe data from
// 22. False (logo unchanged) when the body does not hold all of it.
bool decodeStartupLogo(std::span<const uint8_t> body, GSMBitmap& logo);

void onStartupLogo(std::span<const uint8_t> body);

// --- Driver-table procedures ----------------------------------------------------

uint8_t Sendbitmap(GSMBitmap& bitmap);
uint8_t GetBitmap(GSMBitmap& bitmap);
uint8_t DeleteLogo(std::string& code, uint8_t logoKind);
uint8_t SendRingTone(std::string& fileName, uint8_t location);

}  // namespace phonelib::nokia7110
