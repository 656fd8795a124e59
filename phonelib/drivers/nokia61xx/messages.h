// Short messages of the Nokia 61xx family: stored messages (type 0x14), the
// message centre and sending text and smart messages (type 0x02).
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "records/typendefinitionen.h"

namespace phonelib::nokia {

// --- Answers (pure; they read only what the body holds) ---------------------

// Type 0x14, sub-code 08: status, unread flag, number, date, time and text of
// a stored message. Messages of status 1 keep everything but status and
// unread flag. False (message unchanged) when the body ends before the status.
// `shift`: how many bytes later than in this family's answer every field from
// the status on lies (the 7110 family's answer has one more byte before it);
// the unread flag stays at byte 4.
bool decodeStoredMessage(std::span<const uint8_t> body, GSMSMS& message, size_t shift = 0);

// Type 0x14, sub-code 09: 16 for an empty location, 17 for a location the
// phone does not have; nothing for other codes.
std::optional<uint8_t> decodeReadError(std::span<const uint8_t> body);

// Type 0x02, sub-code 34: the message-centre number, with "+" for an
// international one; nothing when its type byte is neither 91 nor 81.
std::optional<std::string> decodeMessageCentre(std::span<const uint8_t> body);

// --- Sending (pure) ---------------------------------------------------------------

// Relative validity byte of a validity code 0..5; other codes count as 5
// (no validity chosen).
uint8_t validityByte(int32_t code);

constexpr size_t kSmartDataBytes = 801;  // most data one smart message carries
constexpr uint8_t kUcs2Coding = 0x08;

// The SUBMIT bodies of a text message, one per part: the text holds GSM
// codes (escape pairs included), or big-endian UTF-16 when the record's
// data coding is 08. More than one part are tied together by `reference`.
// 1; 23 for more than nine parts or a number of more than 20 digits.
uint8_t buildTextSubmits(const GSMSMS& message, uint8_t reference,
                         std::vector<std::vector<uint8_t>>& parts);

// The SUBMIT bodies of a smart message carrying `data`, one per part; more
// than one part are tied together by `reference`. 1; 2 for a smart kind
// without a port; 23 for data beyond 801 bytes, a number of more than 20
// digits, or a picture text that leaves no room for data.
uint8_t buildSmartSubmits(const GSMSMS& message, std::span<const uint8_t> data, uint8_t reference,
                          std::vector<std::vector<uint8_t>>& parts);

// The data a smart message carries: the ringtone from its file (5, 6 or 8
// when the file cannot be used), or the picture's row data (23 when its size
// is outside the row data).
uint8_t smartData(const GSMSMS& message, std::string& data);

// The first parameter of the sending-progress notifications.
int32_t progressTag(int part, int parts, int32_t recipient, int32_t recipients);
// Their second parameter after a part was sent: 1 sent, 2 refused, 3 no
// answer, 0 anything else.
int32_t progressOutcome(uint8_t flag);

// --- Handlers of the dispatcher ---------------------------------------------------

void onMessageSent(std::span<const uint8_t> body);
void onMessageRefused(std::span<const uint8_t> body);
void onMessageCentre(std::span<const uint8_t> body);
void onStoredMessage(std::span<const uint8_t> body);
void onMessageReadError(std::span<const uint8_t> body);
void onMessageDeleted(std::span<const uint8_t> body);

// --- Procedures of the driver table -------------------------------------------------

uint8_t GetSMS(uint8_t folder, int32_t location, GSMSMS& message);
uint8_t deletesms(uint8_t folder, int32_t location);
uint8_t getsmsinfos(tsmsinfo& info);
uint8_t GetSMSCenter(std::string& number);
// Sends every part of the message from `part` on (two hex digits, "01" for
// the whole message) and stops at the first part not confirmed.
uint8_t SendSMS(GSMSMS& message, const std::string& part, int32_t recipient, int32_t recipients);

}  // namespace phonelib::nokia
