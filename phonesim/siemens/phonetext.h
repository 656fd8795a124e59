// Texts of the simulated Siemens phone on the wire, in the character set the
// PC chose with AT+CSCS: "GSM" (the default alphabet, one byte per
// character) or "UCS2" (four hex digits per character).
#pragma once

#include <QString>
#include <string>

namespace phonesim::siemens {

std::string encodeText(const QString& text, const std::string& charset);
QString decodeText(const std::string& bytes, const std::string& charset);

// Bytes as upper-case hex text and back (invalid digits give nothing).
bool isHexText(const std::string& text);  // pairs of hex digits, either case
std::string hexText(const std::string& bytes);
std::string bytesOfHex(const std::string& hex);

}  // namespace phonesim::siemens
