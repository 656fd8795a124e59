// SMS PDUs as phones store and deliver them (GSM 03.40), taken apart into
// their fields. Pure functions on hex text: nothing here talks to a phone,
// and no field is read past the end of the PDU.
//
//   service-centre address   length in octets (type included), type, semi-octets
//   first octet              bits 0-1 kind: 0 DELIVER, 1 SUBMIT, 2 STATUS-REPORT;
//                            bits 3-4 validity format (SUBMIT); bit 5 report
//                            request (SUBMIT) or indication; bit 6 header present
//   message reference        SUBMIT and STATUS-REPORT only
//   address                  digit count, type, semi-octets; type D0 (alphanumeric):
//                            GSM 7-bit text packed into the semi-octets
//   protocol identifier, data coding scheme      DELIVER and SUBMIT
//   validity period          SUBMIT: none, 1 octet (relative) or 7 (absolute, enhanced)
//   time stamp               DELIVER and STATUS-REPORT: 7 octets of swapped digits
//   discharge time, status   STATUS-REPORT
//   user-data length, data   septets (7-bit) or octets (8-bit, UCS-2); the header
//                            (length octet first) leads the data when bit 6 is set
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace sms {

enum class PduKind { Deliver, Submit, StatusReport };
enum class Alphabet { Gsm7, EightBit, Ucs2 };
enum class ValidityFormat { None, Relative, Absolute, Enhanced };

struct PduAddress {
    uint8_t type = 0;
    // Digits (with a leading '+' for an international number) or, for an
    // alphanumeric address, GSM default-alphabet codes.
    std::string text;
    bool alphanumeric() const { return (type & 0x70) == 0x50; }
};

struct PduTime {
    bool present = false;
    int year = 0;  // two digits as sent: 0..99
    int month = 0, day = 0, hour = 0, minute = 0, second = 0;
    int zoneQuarters = 0;  // quarters of an hour from GMT, signed
};

struct DecodedPdu {
    PduAddress serviceCentre;
    uint8_t firstOctet = 0;
    PduKind kind = PduKind::Deliver;
    int reference = -1;  // SUBMIT and STATUS-REPORT
    PduAddress address;  // sender (DELIVER), recipient (SUBMIT, STATUS-REPORT)
    uint8_t protocolId = 0;
    uint8_t dataCoding = 0;
    ValidityFormat validityFormat = ValidityFormat::None;
    uint8_t relativeValidity = 0;
    PduTime validityTime;  // absolute validity period
    PduTime timestamp;     // service-centre time stamp
    PduTime discharge;     // STATUS-REPORT: when the message reached its recipient
    uint8_t reportStatus = 0;
    Alphabet alphabet = Alphabet::Gsm7;
    int messageClass = -1;  // 0..3; -1: none given
    std::string header;     // user data header without its length octet
    // The user data after the header: GSM codes (7-bit), octets (8-bit) or
    // big-endian UTF-16 code units (UCS-2).
    std::string userData;
    // False when the PDU ends before the user data it announces.
    bool complete = true;

    bool statusReportRequested() const { return (firstOctet & 0x20) != 0; }
};

// Alphabet and message class of a data coding scheme (GSM 03.38 clause 4);
// reserved codings read as the default alphabet, compressed text as 8-bit.
Alphabet alphabetof(uint8_t dataCoding);
int messageclassof(uint8_t dataCoding);

// An address from its type and semi-octets: digits ("+" in front only for
// the international type) or, for the alphanumeric type, GSM codes.
PduAddress decodeaddress(uint8_t type, std::span<const uint8_t> octets, size_t semiOctets);

// User data by its coding: `length` as the length field gives it (septets
// or octets), `octets` from the first user-data octet on (more may follow).
struct UserData {
    Alphabet alphabet = Alphabet::Gsm7;
    std::string header;    // without its length octet
    std::string userData;  // GSM codes, octets or big-endian UTF-16, after the header
};
UserData decodeuserdata(uint8_t dataCoding, bool hasHeader, size_t length,
                        std::span<const uint8_t> octets);

// Takes a PDU apart. Upper- or lower-case hex; nothing when the text is not
// hex or too short to hold a first octet.
std::optional<DecodedPdu> decodepdu(std::string_view hex);

// UCS-2 user data (big-endian) as Windows-1252 bytes; characters the code
// page lacks become '?'.
std::string ucs2tocp1252(std::string_view bigEndian);

}  // namespace sms
