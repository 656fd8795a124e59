// A stored message of the fixture as the Siemens phone keeps it: a PDU with
// the service-centre address first (GSM 03.40).
//
//   centre      octets with the type, type, semi-octets; 00 for none
//   received    first octet 04 (40 with a header), sender (digit count, type,
//               semi-octets; type D0: the name packed as 7-bit text), PID 00,
//               coding, time stamp (7 octets, zone 00), length, user data
//   outgoing    first octet 11 (51 with a header), reference 00, recipient,
//               PID 00, coding, relative validity AD, length, user data
#pragma once

#include <QByteArray>

#include "phonesim/fixture/messagedata.h"

namespace phonesim::siemens {

// Status 0 and 1 give a received message, 2 and 3 an outgoing one.
QByteArray storedPdu(const StoredMessage& message, const MessageCentre& centre);

}  // namespace phonesim::siemens
