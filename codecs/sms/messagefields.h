// The fields of a message record taken from a decoded message, the same for
// every phone family: the text in every form the record keeps, and the
// sender or recipient.
#pragma once

#include <string>

#include "codecs/sms/smspdu.h"
#include "records/typendefinitionen.h"

namespace sms {

// Text, whole text (UTF-8), coding, header and 8-bit flag from the user
// data. 7-bit text reads escape pairs as their characters; UCS-2 text is
// kept whole in the UTF-8 text; 8-bit data stay hex text in both. The
// Windows-1252 text has '?' for what the code page lacks.
void settextfields(GSMSMS& message, uint8_t dataCoding, const UserData& data);

// The address as the record holds it (Windows-1252): the digits with "+"
// for an international number, or the name of an alphanumeric sender.
std::string addresstext(const PduAddress& address);

}  // namespace sms
