// Decoders of the Nokia 61xx answers handled by this driver core. Each works
// on the message body only and never reads past its end; a body too short
// for its fields leaves the mailbox unchanged.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "records/typendefinitionen.h"

namespace phonelib::nokia {

struct VersionText {
    std::string softwareVersion;  // first line, from byte 4
    std::string modelCode;        // third line
};
// Type 0xD2: text lines ended by line feeds.
VersionText decodeVersionText(std::span<const uint8_t> body);

struct Identity64 {
    std::string imei;
    std::string modelCode;
    std::string productionData;
    std::string hardwareVersion;
};
// Type 0x64: NUL-terminated strings from byte 9 on.
Identity64 decodeIdentity64(std::span<const uint8_t> body);

// Type 0x04, sub-code 02; nothing when the body is too short.
std::optional<TPhoneStatus> decodePhoneStatus(std::span<const uint8_t> body);

// Type 0x0A: country and network code, area code and cell id into `info`.
// Returns false (and leaves `info` alone) when the body is too short. A
// number that does not convert keeps its previous value.
bool decodeNetwork(std::span<const uint8_t> body, TNetWorkInfo& info);

// Fills the operator's code text and name from the operator table; an
// operator the table does not know gets its code as text and no name.
void nameOperator(TOperator& networkOperator);

// Handlers of the dispatcher (they fill the mailboxes and set the flags).
void onVersionText(std::span<const uint8_t> body);
void onIdentity64(std::span<const uint8_t> body);
void onPhoneStatus(std::span<const uint8_t> body);
void onNetwork(std::span<const uint8_t> body);
void onDisplayText(std::span<const uint8_t> body);
void onMessageArrived(std::span<const uint8_t> body);  // type 0x02, sub-code 10

}  // namespace phonelib::nokia
