// Short messages in PDU mode: the SMS-SUBMIT the driver sends and the stored
// PDUs it reads (GSM 03.40; the fields are taken apart by sms::decodepdu).
//
// SUBMIT written (hex text):
//   service centre   octets incl. type, 91/81, semi-octets; "00" (the phone's
//                    own centre) when the message names none
//   first octet      11 (SUBMIT, relative validity), 31 with a status report
//                    request; 01 / 21 without a validity period
//   reference 00, destination (digit count, 91/81, semi-octets), PID 00
//   coding           00, F0 for a flash message (class 0)
//   validity         code 1 0B (1 hour), 2 8F (12 hours), 3 A7 (1 day),
//                    4 AD (1 week), 5 FF (63 weeks)
//   user data        length in septets, the text packed 7-bit; a text beyond
//                    one message goes in concatenated parts (first octet
//                    + 40, header 05 00 03 reference parts part); UCS-2
//                    text (data coding 08) counts octets
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "records/typendefinitionen.h"

namespace phonelib::siemens {

struct SubmitPdu {
    // 1; 2 for a smart message (these phones take text only); 9 for a
    // service centre and 10 for a destination that is no phone number; 23
    // for more than nine parts.
    uint8_t status = 1;
    std::string hex;
    int parts = 1;  // how many parts the whole text takes
};

// Part `part` (from 1) of the SUBMITs of a message whose text holds GSM
// codes (escape pairs included), or big-endian UTF-16 when its data coding
// is 08; `reference` ties the parts together.
SubmitPdu buildpdu(const GSMSMS& message, uint8_t reference = 0, int part = 1);

// What "AT+CMGS=" announces: the octets after the service-centre address.
int tpdulength(std::string_view pduHex);

// A stored PDU (the line after "+CMGR: …") into the message: number (or an
// operator's name), text, validity, date and time ("DD.MM.YY",
// "hh:mm:ss"). 7-bit text comes back as GSM codes, UCS-2 text mapped to
// them, 8-bit data as hex text. 1, or 19 when the line is no PDU.
uint8_t readstoredpdu(std::string_view hex, GSMSMS& message);

}  // namespace phonelib::siemens
