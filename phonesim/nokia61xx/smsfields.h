// The fields of GSM short messages as the phone side builds and reads them:
// numbers in semi-octets, 7-bit text behind an optional user data header.
#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <span>
#include <vector>

#include "phonesim/fixture/messagedata.h"

namespace phonesim::nokia61xx {

// The digits of a number ("+" dropped) as semi-octets: 4930 → 94 03.
std::vector<uint8_t> semiOctets(const QString& number);
// Semi-octets back to digits, up to a filler F.
QString digitsOf(std::span<const uint8_t> octets);
// Type byte 91 for a number with "+", else 81.
uint8_t numberType(const QString& number);
// The base offset of a stored message's fields by its status: 3 for
// status 1, 5 for status 2, 4 for any other.
size_t storedFieldsOffset(int status);

// Text to GSM default-alphabet codes as a phone keeps them: characters of
// the extension table (€ [ ] { } \ ~ ^ |) as escape 1B and their code, any
// other unknown character as '?'.
std::string gsmCodes(const QString& text);
// GSM codes back to text, escape pairs included.
QString gsmText(const std::string& codes);
// Big-endian UTF-16 to text and back.
QString ucs2Text(std::span<const uint8_t> bytes);
QByteArray ucs2Bytes(const QString& text);

// User data of a 7-bit message: the header (with its length byte) and then
// the text in the GSM alphabet from the next septet boundary on. `septets`
// is set to the user data length (header septets included).
std::vector<uint8_t> sevenBitUserData(const QByteArray& header, const QString& text,
                                      size_t& septets);
// The text of 7-bit user data of `septets` septets behind a header of
// `headerOctets` octets (0: none).
QString sevenBitText(std::span<const uint8_t> userData, size_t septets, size_t headerOctets);

// What a stored message is kept as, the same on every phone: its data
// coding (the fixture's, else 00 for text and F4 for data), its user data
// (7-bit text with escapes, UCS-2 or 8-bit, behind the header) with `length`
// set to the user data length field, and its number as an address field:
// digit count (or, for type D0, semi-octets of the name packed as 7-bit
// text), type, semi-octets.
uint8_t storedCoding(const StoredMessage& message);
bool isUcs2(uint8_t coding);
std::vector<uint8_t> storedUserData(const StoredMessage& message, size_t& length);
std::vector<uint8_t> addressField(const StoredMessage& message);

}  // namespace phonesim::nokia61xx
