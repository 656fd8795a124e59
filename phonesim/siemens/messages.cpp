// Short messages in PDU mode, stored on the SIM ("SM", locations 1..capacity):
//
//   AT+CMGF=0           PDU mode (text mode 1: +CMS ERROR 303)
//   AT+CPMS?            +CPMS: "SM",<used>,<total>,"SM",<used>,<total>,"SM",<used>,<total>
//   AT+CMGR=<i>         +CMGR: <stat>,,<length>, then the PDU as hex; an empty
//                       location answers +CMGR: 0,,0 and no PDU; an unread
//                       message is read from then on
//   AT+CMGL=<stat>      +CMGL: <i>,<stat>,,<length> and the PDU, per message (4: all)
//   AT+CMGS=<length>    "> ", the PDU (service-centre address first) and Ctrl-Z:
//                       +CMGS: <reference>
//   AT+CMGD=<i>         delete       AT+CSCA? / AT+CSCA="<number>"   the centre
//   AT+CNMI=<mode>,<mt> mt 1: a message that comes in is announced as
//                       +CMTI: "SM",<i> (0, the default: not announced)
// <length> counts the octets after the service-centre address. A SUBMIT
// whose length or fields do not add up gets +CMS ERROR 304, one without a
// centre while the phone has none 330; locations outside the store 321.
#include <QByteArray>

#include "phonesim/siemens/atphone.h"
#include "phonesim/siemens/phonetext.h"

namespace phonesim::siemens {

namespace {

const std::string kStorage = "\"SM\"";

// Octets after the service-centre address.
int tpduLength(const QByteArray& pdu) {
    if (pdu.isEmpty()) return 0;
    return pdu.size() - 1 - static_cast<uint8_t>(pdu[0]);
}

std::string counts(const SiemensData& data) {
    return std::to_string(data.messages.size()) + "," + std::to_string(data.messageCapacity);
}

bool validLocation(const SiemensData& data, std::optional<int> location) {
    return location && *location >= 1 && *location <= data.messageCapacity;
}

// The octets a SUBMIT takes after the service-centre address, read field by
// field; nothing when it is no SUBMIT or a field runs past the end.
std::optional<size_t> submitOctets(const std::string& pdu, size_t start) {
    const auto at = [&](size_t i) -> std::optional<uint8_t> {
        if (i >= pdu.size()) return std::nullopt;
        return static_cast<uint8_t>(pdu[i]);
    };
    const auto first = at(start);
    if (!first || (*first & 0x03) != 0x01) return std::nullopt;
    const auto digits = at(start + 2);
    if (!digits) return std::nullopt;
    size_t position = start + 4 + (*digits + 1u) / 2;  // past type and digits
    const auto coding = at(position + 1);
    if (!coding) return std::nullopt;
    position += 2;
    const int validity = (*first >> 3) & 0x03;
    position += validity == 2 ? 1 : validity == 0 ? 0 : 7;
    const auto length = at(position);
    if (!length) return std::nullopt;
    const bool septets = (*coding & 0x0C) == 0 || (*coding & 0xF4) == 0xF0;
    const size_t userOctets = septets ? (*length * 7u + 7) / 8 : *length;
    return position + 1 + userOctets - start;
}

AtOutcome sent(AtPhone& phone, int announced, const std::string& hex) {
    if (!isHexText(hex) || hex.empty()) return AtOutcome::messageError(kCmsInvalidPdu);
    const std::string pdu = bytesOfHex(hex);
    const size_t centre = static_cast<uint8_t>(pdu[0]);
    const auto octets = submitOctets(pdu, centre + 1);
    if (!octets || *octets != pdu.size() - centre - 1 || static_cast<int>(*octets) != announced) {
        return AtOutcome::messageError(kCmsInvalidPdu);
    }
    if (centre == 0 && phone.fixture.messages.centre.number.isEmpty()) {
        return AtOutcome::messageError(kCmsNoCentre);
    }
    phone.fixture.siemens.sent.push_back(QByteArray::fromStdString(pdu));
    const int reference = phone.nextReference++ % 256;
    return AtOutcome::ok({"+CMGS: " + std::to_string(reference)});
}

}  // namespace

AtOutcome onMessageFormat(AtPhone&, const AtCommand& command) {
    switch (command.form) {
        case AtCommand::Form::Query:
            return AtOutcome::ok({"+CMGF: 0"});
        case AtCommand::Form::Test:
            return AtOutcome::ok({"+CMGF: (0)"});
        case AtCommand::Form::Set:
            return numberArgument(splitArguments(command.arguments), 0) == 0
                       ? AtOutcome::ok()
                       : AtOutcome::messageError(kCmsNotSupported);
        default:
            return AtOutcome::plainError();
    }
}

AtOutcome onMessageIndications(AtPhone& phone, const AtCommand& command) {
    switch (command.form) {
        case AtCommand::Form::Query:
            return AtOutcome::ok({"+CNMI: 1," + std::to_string(phone.link.messageIndications)});
        case AtCommand::Form::Test:
            return AtOutcome::ok({"+CNMI: (0-2),(0-1)"});
        case AtCommand::Form::Set: {
            const auto mt = numberArgument(splitArguments(command.arguments), 1).value_or(0);
            if (mt < 0 || mt > 1) return AtOutcome::messageError(kCmsNotSupported);
            phone.link.messageIndications = mt;
            return AtOutcome::ok();
        }
        default:
            return AtOutcome::plainError();
    }
}

AtOutcome onMessageStorage(AtPhone& phone, const AtCommand& command) {
    const std::string used = counts(phone.fixture.siemens);
    switch (command.form) {
        case AtCommand::Form::Query:
            return AtOutcome::ok({"+CPMS: " + kStorage + "," + used + "," + kStorage + "," + used +
                                  "," + kStorage + "," + used});
        case AtCommand::Form::Test:
            return AtOutcome::ok(
                {"+CPMS: (" + kStorage + "),(" + kStorage + "),(" + kStorage + ")"});
        case AtCommand::Form::Set:
            for (const AtArgument& storage : splitArguments(command.arguments)) {
                if (storage.text != "SM") return AtOutcome::messageError(kCmsNotSupported);
            }
            return AtOutcome::ok({"+CPMS: " + used + "," + used + "," + used});
        default:
            return AtOutcome::plainError();
    }
}

AtOutcome onReadMessage(AtPhone& phone, const AtCommand& command) {
    if (command.form == AtCommand::Form::Test) return AtOutcome::ok();
    auto& data = phone.fixture.siemens;
    const auto location = numberArgument(splitArguments(command.arguments), 0);
    if (!validLocation(data, location)) return AtOutcome::messageError(kCmsInvalidIndex);
    const auto found = data.messages.find(*location);
    if (found == data.messages.end()) return AtOutcome::ok({"+CMGR: 0,,0"});
    StoredPdu& message = found->second;
    AtOutcome outcome = AtOutcome::ok({"+CMGR: " + std::to_string(message.status) + ",," +
                                           std::to_string(tpduLength(message.pdu)),
                                       hexText(message.pdu.toStdString())});
    if (message.status == 0) message.status = 1;
    return outcome;
}

AtOutcome onListMessages(AtPhone& phone, const AtCommand& command) {
    if (command.form == AtCommand::Form::Test) return AtOutcome::ok({"+CMGL: (0-4)"});
    const int wanted = numberArgument(splitArguments(command.arguments), 0).value_or(0);
    AtOutcome outcome;
    for (auto& [location, message] : phone.fixture.siemens.messages) {
        if (wanted != 4 && message.status != wanted) continue;
        outcome.lines.push_back("+CMGL: " + std::to_string(location) + "," +
                                std::to_string(message.status) + ",," +
                                std::to_string(tpduLength(message.pdu)));
        outcome.lines.push_back(hexText(message.pdu.toStdString()));
        if (message.status == 0) message.status = 1;
    }
    return outcome;
}

AtOutcome onSendMessage(AtPhone& phone, const AtCommand& command) {
    if (command.form == AtCommand::Form::Test) return AtOutcome::ok();
    const auto announced = numberArgument(splitArguments(command.arguments), 0);
    if (!announced || *announced < 1) return AtOutcome::messageError(kCmsInvalidPdu);
    AtOutcome prompt;
    prompt.input = [&phone, length = *announced](const std::string& hex) {
        return sent(phone, length, hex);
    };
    return prompt;
}

AtOutcome onDeleteMessage(AtPhone& phone, const AtCommand& command) {
    auto& data = phone.fixture.siemens;
    const auto location = numberArgument(splitArguments(command.arguments), 0);
    if (!validLocation(data, location)) return AtOutcome::messageError(kCmsInvalidIndex);
    data.messages.erase(*location);
    return AtOutcome::ok();
}

AtOutcome onServiceCentre(AtPhone& phone, const AtCommand& command) {
    auto& centre = phone.fixture.messages.centre;
    if (command.form == AtCommand::Form::Set) {
        const auto arguments = splitArguments(command.arguments);
        centre.number = arguments.empty() ? QString() : QString::fromStdString(arguments[0].text);
        return AtOutcome::ok();
    }
    const std::string number = centre.number.toStdString();
    const std::string type = number.starts_with('+') ? "145" : "129";
    return AtOutcome::ok({"+CSCA: \"" + number + "\"," + type});
}

}  // namespace phonesim::siemens
