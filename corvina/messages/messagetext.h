// The rules of the compose page without widgets: which characters a message
// may hold, what the counters show, and which recipients the list takes.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "codecs/sms/textparts.h"

namespace corvina {

// Whether the character may be typed into a 7-bit message: line breaks,
// blank, the ASCII punctuation the default alphabet holds, "[" and "]"
// (sent as escape pairs), digits, letters and the Latin letters and signs
// of the alphabet. "@" and "£" stay out.
bool allowedInMessage(QChar character);

// The text without the characters that may not be typed; with Unicode
// allowed everything stays. `cursor` (a position in `text`) is moved to the
// same place in the result.
QString filterMessageText(const QString& text, bool allowUnicode, int* cursor = nullptr);

// What the four counters and the coding line show.
struct MessageCounters {
    int freeCharacters = 160;  // "Restzeichen: "
    int messages = 0;          // "Nachrichten: " (parts of one message)
    int total = 0;             // "SMS gesamt: " (parts × recipients)
    int recipients = 0;        // "Empfänger: "
    sms::TextCoding coding = sms::TextCoding::Gsm7;
    bool tooLong = false;  // more than 9 parts: not sent
};

MessageCounters countMessage(const QString& text, int recipients, bool allowUnicode);
QString codingName(sms::TextCoding coding);

// The number a recipient item stands for: the part between the first "["
// and the first "]" when the item holds a "[", otherwise the whole item,
// normalised by the library's number check; nothing when it rejects it.
std::optional<QString> recipientNumber(const QString& item);

// Adds the typed recipient: refused (false) when it holds ":" (the list
// files separate members by it), its number is not usable, or the list
// has a recipient with the same number.
bool addRecipient(QStringList& list, const QString& typed);

}  // namespace corvina
