// A short message in the form the 7110 family stores it and sends it in its
// read answer, and takes it back in a write (the stored form):
//
//   0       status: 0 received, 1 status report, 2 outgoing
//   1-12    message centre: length in octets with the type, type, semi-octets
//   13      first octet (bit 6: the user data begin with a header)
//   then, from the base offset o (4 received, 3 report, 5 outgoing):
//   o+11    data coding scheme (F4: 8-bit data), o+12 user data length
//   o+13    digits of the remote number, o+14 its type, semi-octets from o+15
//   o+25    time stamp (7 octets; outgoing messages: validity)
//   o+32    user data (header length byte first when there is a header)
//
// The fields lie where the 61xx family's read answer has them, seven bytes
// earlier.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "phonesim/fixture/messagedata.h"

namespace phonesim::nokia7110 {

std::vector<uint8_t> storedForm(const StoredMessage& message, const MessageCentre& centre);
// Nothing when the bytes are not a readable stored form.
std::optional<StoredMessage> messageFromStoredForm(std::span<const uint8_t> form);

}  // namespace phonesim::nokia7110
