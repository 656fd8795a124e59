// The request handlers of the Nokia 61xx family, one file per message type.
// Each answers through phone.answer, or not at all for a sub-command the
// phone does not know.
#pragma once

#include <QString>
#include <optional>
#include <span>
#include <vector>

#include "phonesim/nokia61xx/phone.h"

namespace phonesim::nokia61xx {

// 0xD1 → 0xD2 version text (versiontext.cpp)
void onVersionRequest(Phone& phone, std::span<const uint8_t> body);
// "V " + software version, LF, date, LF, model code, LF, copyright.
std::vector<uint8_t> versionText(const Identity& identity);

// 0x64 00 01 00 10 → 0x64 identity strings at fixed places (identity64.cpp)
void onIdentityRequest(Phone& phone, std::span<const uint8_t> body);

// 0x40 extended commands, sub-command in byte 2 (extended40.cpp)
void onExtendedCommandsSwitch(Phone& phone, std::span<const uint8_t> body);  // 64
void onImeiRequest(Phone& phone, std::span<const uint8_t> body);             // 66
void onVersionQuery(Phone& phone, std::span<const uint8_t> body);            // C8
void onProductionDataRequest(Phone& phone, std::span<const uint8_t> body);   // CA
void onMakerDetails(Phone& phone, std::span<const uint8_t> body);            // CC
void onSimLockRequest(Phone& phone, std::span<const uint8_t> body);          // 8A
void onSecurityIdRequest(Phone& phone, std::span<const uint8_t> body);       // B4
void onBuzzer(Phone& phone, std::span<const uint8_t> body);                  // 8F
// 0x40 7E the network monitor's screens (netmonitor40.cpp)
void onNetMonitor(Phone& phone, std::span<const uint8_t> body);

// 0x01 20 → 21 the calls in progress: none (calls01.cpp)
void onActiveCallsRequest(Phone& phone, std::span<const uint8_t> body);

// Link set-up of 6110-class phones (startup.cpp)
void onHandshakeStart(Phone& phone, std::span<const uint8_t> body);   // 0x02 0D → 0E
void onCellBroadcast(Phone& phone, std::span<const uint8_t> body);    // 0x02 20 → 21
void onKeyTableRequest(Phone& phone, std::span<const uint8_t> body);  // 0x0C 40 → 41

// 0x04 00 01 00 01 → 0x04 status: signal and battery (phonestatus.cpp)
void onStatusRequest(Phone& phone, std::span<const uint8_t> body);

// 0x0A 00 01 00 70 → 0x0A network: cell, area and network code (network.cpp)
void onNetworkRequest(Phone& phone, std::span<const uint8_t> body);

// 0x03 phonebook: entries and memory status (phonebook03.cpp)
void onPhonebookRead(Phone& phone, std::span<const uint8_t> body);        // 01
void onPhonebookWrite(Phone& phone, std::span<const uint8_t> body);       // 04
void onMemoryStatusRequest(Phone& phone, std::span<const uint8_t> body);  // 07
// 0x03 caller groups and speed dials (groups03.cpp)
void onCallerGroupRead(Phone& phone, std::span<const uint8_t> body);   // 10
void onCallerGroupWrite(Phone& phone, std::span<const uint8_t> body);  // 13
void onSpeedDialRead(Phone& phone, std::span<const uint8_t> body);     // 16
void onSpeedDialWrite(Phone& phone, std::span<const uint8_t> body);    // 19

// 0x02 and 0x14 stored messages (storedmessages.cpp)
void onMessageRead(Phone& phone, std::span<const uint8_t> body);    // 0x02 07
void onMessageDelete(Phone& phone, std::span<const uint8_t> body);  // 0x14 0A
// The body of the 0x14 answer that carries a stored message.
std::vector<uint8_t> storedMessageBody(int location, const StoredMessage& message,
                                       const MessageCentre& centre);
// 0x14 36 → 37 how many messages the SIM holds (smsstatus.cpp)
void onMessageStatusRequest(Phone& phone, std::span<const uint8_t> body);
// 0x11 the clock: 62 → 63 read, 60 → 61 set (clock11.cpp)
void onClockRead(Phone& phone, std::span<const uint8_t> body);
void onClockSet(Phone& phone, std::span<const uint8_t> body);
// 0x02 33 → 34 the message centre (messagecentre.cpp)
void onCentreRequest(Phone& phone, std::span<const uint8_t> body);
void onCentreWrite(Phone& phone, std::span<const uint8_t> body);  // 30 → 31
// 0x02 01: a message to send (submit02.cpp)
void onSubmit(Phone& phone, std::span<const uint8_t> body);
// What a SUBMIT body says; nothing when it cannot be read.
std::optional<IncomingPart> parseSubmit(std::span<const uint8_t> body);

// 0x05 logos and 0x47 picture images (logos05.cpp)
void onOperatorLogoUpload(Phone& phone, std::span<const uint8_t> body);  // 30
// An operator logo in the form smart messages carry it: network code, 00,
// width, height, 01, rows.
void keepOperatorLogo(Phone& phone, std::span<const uint8_t> data);
void onOperatorLogoRequest(Phone& phone, std::span<const uint8_t> body);  // 33 → 34
void onStartupLogoUpload(Phone& phone, std::span<const uint8_t> body);    // 18
void onStartupLogoRequest(Phone& phone, std::span<const uint8_t> body);   // 16 → 17
void onPictureImageUpload(Phone& phone, std::span<const uint8_t> body);   // 0x47 03

// Ringtones: 0x05 36 upload into a location, 0x40 9E read a location; 0x12
// smart messages routed by their port (ringtones.cpp)
void onRingtoneUpload05(Phone& phone, std::span<const uint8_t> body);
void onRingtoneRead(Phone& phone, std::span<const uint8_t> body);
void onSmartMessage12(Phone& phone, std::span<const uint8_t> body);

// 0x05 profiles (profiles05.cpp)
void onProfileNameRequest(Phone& phone, std::span<const uint8_t> body);     // 1A → 1B
void onProfileFeatureRequest(Phone& phone, std::span<const uint8_t> body);  // 13 → 14
void onProfileNameWrite(Phone& phone, std::span<const uint8_t> body);       // 1C → 1D
void onProfileFeatureWrite(Phone& phone, std::span<const uint8_t> body);    // 10 → 11

// 0x06 call diverts: query, register, erase → 02 state or 03 refused (diverts06.cpp)
void onDivertRequest(Phone& phone, std::span<const uint8_t> body);

// 0x13 calendar (calendar13.cpp)
void onCalendarRead(Phone& phone, std::span<const uint8_t> body);    // 66 → 67
void onCalendarWrite(Phone& phone, std::span<const uint8_t> body);   // 64 → 65
void onCalendarDelete(Phone& phone, std::span<const uint8_t> body);  // 68 → 69

// 0x3F WAP bookmarks, sub-command in byte 3 (wap3f.cpp)
void onWapOpen(Phone& phone, std::span<const uint8_t> body);        // 00 → 01
void onBookmarkRead(Phone& phone, std::span<const uint8_t> body);   // 06 → 07 / 08
void onBookmarkClear(Phone& phone, std::span<const uint8_t> body);  // 0C → 0D / 0E
void onBookmarkWrite(Phone& phone, std::span<const uint8_t> body);  // 09 → 0A / 0B

// Unsolicited 0x0D 00 01 00 50: text on the phone's display (displaytext.cpp)
Message displayTextMessage(const QString& text);
// A message comes in: stored at the first free location as received and not
// read; the announcement 0x02: 00 01 00 10 02 L. Nothing when the phone is full.
std::optional<Message> storeArrival(Fixture& fixture, const StoredMessage& message);

// Latin-1 bytes of a fixture text.
std::vector<uint8_t> latin1(const QString& text);

}  // namespace phonesim::nokia61xx
