#include "phonelib/drivers/siemens/pdu.h"

#include <QString>
#include <algorithm>
#include <optional>

#include "codecs/sms/messagefields.h"
#include "codecs/sms/smspdu.h"
#include "codecs/sms/textparts.h"
#include "codecs/tools/gsmtext.h"
#include "codecs/tools/hextext.h"
#include "codecs/tools/phonenumbers.h"
#include "codecs/tools/semioctets.h"
#include "codecs/tools/septets.h"
#include "phonelib/api/status.h"

namespace phonelib::siemens {

namespace {

constexpr uint8_t kUcs2Coding = 0x08;

std::string hexByte(int value) {
    return tools::bytestohex(std::string(1, static_cast<char>(value)));
}

// Validity codes 1..5 as relative validity periods: 1 hour, 12 hours,
// 1 day, 1 week, 63 weeks.
constexpr uint8_t kValidityPeriods[] = {0x0B, 0x8F, 0xA7, 0xAD, 0xFF};

// Nothing for codes outside 1..5.
std::string validityOctet(int32_t code) {
    if (code < 1 || code > 5) return {};
    return hexByte(kValidityPeriods[code - 1]);
}

// The code of a relative validity period: the shortest of the periods
// above that is not shorter, so what was written reads back the same.
int validityCode(uint8_t relative) {
    const auto* longer = std::find_if(std::begin(kValidityPeriods), std::end(kValidityPeriods),
                                      [&](uint8_t period) { return relative <= period; });
    return static_cast<int>(longer - std::begin(kValidityPeriods)) + 1;
}

// The number as a PDU address body: type and semi-octets; nothing when it
// is no phone number.
struct AddressDigits {
    std::string digits;
    std::string type;
};

std::optional<AddressDigits> addressDigits(std::string number) {
    const int8_t kind = tools::formatnumber(number);
    if (kind < 0) return std::nullopt;
    if (number.front() == '+') number.erase(0, 1);
    return AddressDigits{number, kind == 0 ? "91" : "81"};
}

std::string dateText(const sms::PduTime& t) {
    return QString::asprintf("%02d.%02d.%02d", t.day, t.month, t.year).toStdString();
}

std::string timeText(const sms::PduTime& t) {
    return QString::asprintf("%02d:%02d:%02d", t.hour, t.minute, t.second).toStdString();
}

// Windows-1252 text as GSM codes that the export maps back unchanged: a
// character the default alphabet lacks ('[', '{', …) becomes '?' rather
// than a letter it would be read as.
std::string asGsmCodes(std::string text) {
    for (char& c : text) {
        const auto byte = static_cast<uint8_t>(c);
        if (byte < 0x80 && std::find(tools::kGsmAlphabet.begin(), tools::kGsmAlphabet.end(),
                                     byte) == tools::kGsmAlphabet.end()) {
            c = '?';
        }
    }
    tools::latintogsm(text);
    return text;
}

std::string reportText(uint8_t status) {
    if (status < 0x20) return asGsmCodes("Sendebericht: zugestellt");
    if (status < 0x40) return asGsmCodes("Sendebericht: Zustellung l\xE4uft noch");
    return asGsmCodes("Sendebericht: nicht zugestellt");
}

void setText(const sms::DecodedPdu& pdu, GSMSMS& message) {
    sms::settextfields(message, pdu.dataCoding, {pdu.alphabet, pdu.header, pdu.userData});
}

void setTime(const sms::PduTime& t, GSMSMS& message) {
    message.date = t.present ? dateText(t) : std::string();
    message.time = t.present ? timeText(t) : std::string();
}

}  // namespace

SubmitPdu buildpdu(const GSMSMS& message, uint8_t reference, int part) {
    if (message.smartKind != skText) return {stNotAvailable, {}};
    const bool ucs2 = message.dataCoding == kUcs2Coding;
    std::vector<std::string> cut =
        ucs2 ? sms::cutucs2(message.text) : sms::cutseptets(message.text);
    if (cut.empty()) cut.emplace_back();
    const int parts = static_cast<int>(cut.size());
    if (parts > sms::kMaxTextParts || part < 1 || part > parts) return {stTooLong, {}};
    const sms::PartData data =
        sms::textuserdata(cut[static_cast<size_t>(part) - 1], ucs2, reference, parts, part);
    std::string pdu;
    if (message.serviceCentre.empty()) {
        pdu = "00";
    } else {
        const auto centre = addressDigits(message.serviceCentre);
        if (!centre) return {stNoServiceCentre, {}};
        pdu = hexByte(static_cast<int>((centre->digits.size() + 1) / 2 + 1)) + centre->type +
              tools::semioctetencode(centre->digits);
    }
    const auto destination =
        message.remoteNumber.empty() ? std::nullopt : addressDigits(message.remoteNumber);
    if (!destination) return {stBadNumber, {}};
    const std::string validity = validityOctet(message.validity);
    const int firstOctet = (message.statusReport ? 0x21 : 0x01) | (validity.empty() ? 0 : 0x10) |
                           (parts > 1 ? 0x40 : 0);
    pdu += hexByte(firstOctet) + "00";
    pdu += hexByte(static_cast<int>(destination->digits.size())) + destination->type +
           tools::semioctetencode(destination->digits);
    pdu += "00";
    if (ucs2)
        pdu += message.flash ? "18" : "08";
    else
        pdu += message.flash ? "F0" : "00";
    pdu += validity;
    pdu += hexByte(data.length) + tools::bytestohex(data.octets);
    return {stDone, pdu, parts};
}

int tpdulength(std::string_view pduHex) {
    const std::string first = tools::hextobytes(pduHex.substr(0, 2));
    const int centre = first.empty() ? 0 : static_cast<uint8_t>(first[0]);
    return static_cast<int>((pduHex.size() + 1) / 2) - (centre + 1);
}

uint8_t readstoredpdu(std::string_view hex, GSMSMS& message) {
    const auto pdu = sms::decodepdu(hex);
    if (!pdu) return stInvalidPdu;
    message.serviceCentre = pdu->serviceCentre.text;
    message.remoteNumber = sms::addresstext(pdu->address);
    message.flash = pdu->messageClass == 0 ? 1 : 0;
    switch (pdu->kind) {
        case sms::PduKind::Submit:
            message.statusReport = pdu->statusReportRequested() ? 1 : 0;
            message.validity = pdu->validityFormat == sms::ValidityFormat::Relative
                                   ? validityCode(pdu->relativeValidity)
                                   : 5;
            setTime(pdu->validityTime, message);
            setText(*pdu, message);
            break;
        case sms::PduKind::StatusReport:
            message.validity = 3;
            setTime(pdu->discharge, message);
            message.text = reportText(pdu->reportStatus);
            message.utf8Text.clear();
            message.eightBit = 0;
            break;
        case sms::PduKind::Deliver:
            message.validity = 3;
            setTime(pdu->timestamp, message);
            setText(*pdu, message);
            break;
    }
    return stDone;
}

}  // namespace phonelib::siemens
