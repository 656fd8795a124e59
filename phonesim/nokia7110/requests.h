// The request handlers of the Nokia 7110 family (7110, 6210, 6310 and, for
// its messages, calendar and profiles, the 8310), one file per message type
// or topic. They mirror the 7110 driver's reply table; identity, the buzzer,
// sending, the message centre, call diverts and WAP bookmarks are answered
// as the 61xx family answers them.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "phonesim/nokia61xx/phone.h"

namespace phonesim::nokia7110 {

using Phone = nokia61xx::Phone;

// The request table (requesttable.cpp). The 8310 (NHM-7) takes phonebook
// and logo requests in the 61xx layout and answers them so.
bool dispatchRequest(Phone& phone, const Message& request);

// 0x1B identity, asked by other FBUS clients (identity1b.cpp)
void onIdentityRequest(Phone& phone, std::span<const uint8_t> body);  // 01 → 02, 03 → 04

// 0x0A network, signal and operator logo; 0x17 battery (status.cpp)
void onNetworkRequest(Phone& phone, std::span<const uint8_t> body);      // 70 → 71
void onSignalRequest(Phone& phone, std::span<const uint8_t> body);       // 81 → 82
void onOperatorLogoUpload(Phone& phone, std::span<const uint8_t> body);  // A3
// What the phone sends by itself every few seconds: 0x17 battery and 0x0A
// 82 signal.
std::vector<Message> statusMessages(const Fixture& fixture);
// A message comes in: stored as received and not read at the first free
// location of the first folder (the inbox); the announcement 0x02: 00 01 00
// 10 F L_hi L_lo. Nothing for a phone without folders.
std::optional<Message> storeArrival(Fixture& fixture, const StoredMessage& message);

// 0x03 phonebook as typed blocks (phonebook03.cpp)
void onEntryRead(Phone& phone, std::span<const uint8_t> body);     // 07 → 08
void onEntryWrite(Phone& phone, std::span<const uint8_t> body);    // 0B → 0C
void onEntryDelete(Phone& phone, std::span<const uint8_t> body);   // 0F → 10
void onMemoryStatus(Phone& phone, std::span<const uint8_t> body);  // 03 → 04

// 0x14 stored messages and folders (messages14.cpp)
void onMessageRead(Phone& phone, std::span<const uint8_t> body);    // 07 → 08 / 09
void onMessageDelete(Phone& phone, std::span<const uint8_t> body);  // 0A → 0B / 0C
void onMessageWrite(Phone& phone, std::span<const uint8_t> body);   // 04 → 05 / 03
void onFolderList(Phone& phone, std::span<const uint8_t> body);     // 7A → 7B
void onFolderStatus(Phone& phone, std::span<const uint8_t> body);   // 6B → 6C
void onFolderCreate(Phone& phone, std::span<const uint8_t> body);   // 77 → 78
// 0x14 50 picture image upload (pictures14.cpp)
void onPictureImageUpload(Phone& phone, std::span<const uint8_t> body);

// 0x7A start-up logo (startuplogo7a.cpp)
void onStartupLogoUpload(Phone& phone, std::span<const uint8_t> body);   // EC
void onStartupLogoRequest(Phone& phone, std::span<const uint8_t> body);  // EE

// Ringtone uploads: 0x1F note pairs (model NSE-5), 0x00 Smart Messaging
// bytes (ringtones.cpp)
void onBinaryRingtoneUpload(Phone& phone, std::span<const uint8_t> body);
void onRingtoneUpload00(Phone& phone, std::span<const uint8_t> body);

// 0x13 calendar (calendar13.cpp)
void onCalendarInfo(Phone& phone, std::span<const uint8_t> body);    // 3A → 3B
void onNextLocation(Phone& phone, std::span<const uint8_t> body);    // 31 → 32
void onCalendarRead(Phone& phone, std::span<const uint8_t> body);    // 19 → 1A
void onCalendarWrite(Phone& phone, std::span<const uint8_t> body);   // 01 03 05 07 → +1 / 65
void onCalendarDelete(Phone& phone, std::span<const uint8_t> body);  // 0B → 0C / 69

// 0x39 profiles (profiles39.cpp)
void onProfileRead(Phone& phone, std::span<const uint8_t> body);   // 01 → 02
void onProfileWrite(Phone& phone, std::span<const uint8_t> body);  // 03 → 04

// The 16-bit number at `at` (most significant byte first); the caller has
// checked that both bytes are there.
inline uint16_t wordAt(std::span<const uint8_t> body, size_t at) {
    return static_cast<uint16_t>(body[at] << 8 | body[at + 1]);
}

// 16-bit characters (00 c) of a Latin-1 text, and back up to a 00 00
// character or the end.
std::vector<uint8_t> wide(const QString& text);
QString fromWide(std::span<const uint8_t> bytes);

}  // namespace phonesim::nokia7110
