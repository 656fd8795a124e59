// Logos and pictures of the Nokia 61xx family: operator, caller-group and
// start-up logos and picture images, and the ringtone upload.
//
// Uploads are not answered by the driver's reading of the phone: the message
// goes out, the phone's buzzer sounds twice, and the result says only that
// the message was sent.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "phonelib/drivers/request.h"
#include "records/typendefinitionen.h"

namespace phonelib::nokia {

// --- Requests (pure) ---------------------------------------------------------

// The upload message of a bitmap (kinds 3, 4, 5 and 7; the network code
// already in its six-digit semi-octet form). stDone with the request filled;
// stNotAvailable for another kind or a start-up logo without picture;
// stTooLong when the picture does not fit the record, width, height or name
// do not fit their bytes.
uint8_t logoUploadRequest(const GSMBitmap& bitmap, Request& request);

// Whether a bitmap's picture can go out at all, whatever the family: stDone;
// stNotAvailable for a start-up logo without picture; stTooLong when the
// picture does not fit the record or width and height do not fit a byte.
uint8_t pictureFitsUpload(const GSMBitmap& bitmap);

// The operator logo that stands for "no logo": 72 x 14, all white, network
// code 00 F0 00.
GSMBitmap emptyOperatorLogo();

// Ringtone uploads: type 0x05 into a location (model ids 10 to 13 and 18),
// or type 0x12 (ids 14 to 17). stTooLong when the 0x05 variant's length byte
// cannot hold the ringtone.
uint8_t ringtoneRequest05(std::span<const uint8_t> ringtone, uint8_t location, Request& request);
Request ringtoneRequest12(std::span<const uint8_t> ringtone);

// --- Answers (pure) ------------------------------------------------------------

// Type 0x05 sub-code 0x34, the operator logo: width at 11, height at 12,
// 01, row data from byte 14.
// Sub-code 0x17, the start-up message: a block count at 4, then typed
// blocks: 01 height width stripe data (the start-up logo), 02 length text
// and 03 length text (the notes shown at start-up).
// False, and the bitmap unchanged, when the body is too short for the
// picture's size bytes or holds no logo block; a picture larger than the
// record is cut to it.
bool decodeOperatorLogo(std::span<const uint8_t> body, GSMBitmap& logo);
bool decodeStartupLogo(std::span<const uint8_t> body, GSMBitmap& logo);

void onOperatorLogo(std::span<const uint8_t> body);
void onStartupLogo(std::span<const uint8_t> body);

// --- Driver-table procedures ---------------------------------------------------

uint8_t Sendbitmap(GSMBitmap& bitmap);
uint8_t GetBitmap(GSMBitmap& bitmap);
uint8_t DeleteLogo(std::string& code, uint8_t logoKind);
uint8_t SendRingTone05(std::string& fileName, uint8_t location);
uint8_t SendRingTone12(std::string& fileName, uint8_t location);

}  // namespace phonelib::nokia
