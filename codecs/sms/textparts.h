// A message text cut into the parts it is sent in (GSM 03.38 / 03.40).
//
// A text whose characters all exist in the GSM default alphabet or its
// extension table goes out in 7-bit coding: one septet per character, two
// (escape 1B and the code) for € [ ] { } \ ~ ^ | and the form feed. Up to
// 160 septets fit one message; a longer text is sent concatenated, 153
// septets per part (the user data header 05 00 03 ref n k takes 6 octets
// and one fill bit), and an escape pair is never split across two parts.
// Any other text goes out as UCS-2 when that is allowed: 70 UTF-16 units in
// one message, 67 per part of a concatenated one, a surrogate pair never
// split. At most 9 parts: the sending progress has one digit for them.
#pragma once

#include <QString>
#include <optional>
#include <string>
#include <vector>

namespace sms {

enum class TextCoding { Gsm7, Ucs2 };

constexpr int kMaxTextParts = 9;

struct TextPlan {
    TextCoding coding = TextCoding::Gsm7;
    // Gsm7: the septet codes of each part, escape pairs included.
    // Ucs2: the big-endian UTF-16 bytes of each part.
    std::vector<std::string> parts;
    // What still fits the last part: septets (Gsm7) or UTF-16 units (Ucs2);
    // for an empty text the room of one message.
    int freeCharacters = 0;
    // Characters that 7-bit coding cannot carry and Unicode was not allowed
    // for: they were sent as '?'.
    int replaced = 0;

    int partCount() const { return static_cast<int>(parts.size()); }
    bool tooLong() const { return partCount() > kMaxTextParts; }
};

// The septet codes of one character: one, or 1B and the extension code;
// nothing when the default alphabet lacks it.
std::optional<std::string> gsmcodes(char16_t character);

// The septet codes of the whole text, escape pairs included; nothing when a
// character has none.
std::optional<std::string> gsmseptets(const QString& text);

// Cuts the text into parts: 7-bit when every character has a GSM code,
// otherwise UCS-2 when `allowUnicode`, else 7-bit with '?' for the others.
TextPlan plantext(const QString& text, bool allowUnicode);

// Septet codes (escape pairs included) cut into the parts they are sent in.
std::vector<std::string> cutseptets(const std::string& septets);
// Big-endian UTF-16 bytes cut into the parts they are sent in.
std::vector<std::string> cutucs2(const std::string& bytes);

// The user data of part `number` (from 1) of `count`: with `count` above 1
// the concatenation header 05 00 03 reference count number leads it (and a
// fill bit aligns 7-bit text to the next septet). `length` is the user
// data length field: septets for 7-bit (header included), octets for UCS-2.
struct PartData {
    std::string octets;
    int length = 0;
};
PartData textuserdata(const std::string& part, bool ucs2, uint8_t reference, int count, int number);

// The septet codes back to text; an escape pair becomes its character, an
// unknown one the plain code's character.
QString gsmtotext(const std::string& septets);

}  // namespace sms
