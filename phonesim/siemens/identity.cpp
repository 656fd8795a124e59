// Basic commands, identity, battery, signal, network and link settings:
//
//   ATE0/ATE1, ATZ, AT&F, ATV1, ATQ0     echo off/on; back to the defaults
//                                        (echo on, GSM characters, …); accepted
//   AT+CGMI / +GMI    SIEMENS
//   AT+CGMM / +GMM    the model code      AT+CGMR / +GMR   the software version
//   AT+CGSN / +GSN    the IMEI
//   AT+CBC            +CBC: 0,<percent>   AT+CSQ   +CSQ: <rssi>,99
//   AT+CREG?          +CREG: <n>,1,"<area>","<cell>" (the S25 without quotes);
//                     +CREG: <n>,1 while AT+CREG=0 or 1 is set
//   AT+COPS?          +COPS: 0,0,"<name>" (AT+COPS=3,2: +COPS: 0,2,"<mcc><mnc>")
//   AT+IPR=<baud>, AT+CMEE=<n>, AT+CSCS="GSM"|"UCS2", AT+CPIN?
#include "phonesim/siemens/atphone.h"

namespace phonesim::siemens {

namespace {

std::string hex4(uint16_t value) {
    return QStringLiteral("%1").arg(value, 4, 16, QLatin1Char('0')).toUpper().toStdString();
}

AtOutcome text(const QString& value) {
    return AtOutcome::ok({value.toStdString()});
}

}  // namespace

AtOutcome onBasic(AtPhone& phone, const AtCommand& command) {
    if (command.name == "E") phone.link.echo = command.arguments != "0";
    if (command.name == "Z" || command.name == "&F") phone.link = {};
    return AtOutcome::ok();
}

AtOutcome onManufacturer(AtPhone&, const AtCommand&) {
    return text(QStringLiteral("SIEMENS"));
}

AtOutcome onModel(AtPhone& phone, const AtCommand&) {
    return text(phone.fixture.identity.modelCode);
}

AtOutcome onRevision(AtPhone& phone, const AtCommand&) {
    return text(phone.fixture.identity.softwareVersion);
}

AtOutcome onSerialNumber(AtPhone& phone, const AtCommand&) {
    return text(phone.fixture.identity.imei);
}

AtOutcome onBattery(AtPhone& phone, const AtCommand& command) {
    if (command.form == AtCommand::Form::Test) return AtOutcome::ok({"+CBC: (0-2),(0-100)"});
    return AtOutcome::ok({"+CBC: 0," + std::to_string(phone.fixture.siemens.batteryPercent)});
}

AtOutcome onSignal(AtPhone& phone, const AtCommand& command) {
    if (command.form == AtCommand::Form::Test) return AtOutcome::ok({"+CSQ: (0-31,99),(99)"});
    return AtOutcome::ok({"+CSQ: " + std::to_string(phone.fixture.siemens.rssi) + ",99"});
}

AtOutcome onRegistration(AtPhone& phone, const AtCommand& command) {
    switch (command.form) {
        case AtCommand::Form::Set: {
            const auto mode = numberArgument(splitArguments(command.arguments), 0);
            if (!mode || *mode < 0 || *mode > 2) return AtOutcome::equipmentError(kNotSupported);
            phone.link.registrationMode = *mode;
            return AtOutcome::ok();
        }
        case AtCommand::Form::Test:
            return AtOutcome::ok({"+CREG: (0-2)"});
        default:
            break;
    }
    const std::string head = "+CREG: " + std::to_string(phone.link.registrationMode) + ",1";
    if (phone.link.registrationMode != 2) return AtOutcome::ok({head});
    const auto& cell = phone.fixture.network;
    const std::string quote = phone.isS25() ? "" : "\"";
    return AtOutcome::ok(
        {head + "," + quote + hex4(cell.lac) + quote + "," + quote + hex4(cell.cell) + quote});
}

AtOutcome onOperator(AtPhone& phone, const AtCommand& command) {
    if (command.form == AtCommand::Form::Set) {
        const auto arguments = splitArguments(command.arguments);
        if (numberArgument(arguments, 0) == 3) {
            phone.link.operatorFormat = numberArgument(arguments, 1).value_or(0);
        }
        return AtOutcome::ok();
    }
    if (command.form == AtCommand::Form::Test)
        return AtOutcome::ok({"+COPS: (2,\"\",,\"\"),,(0-4),(0,2)"});
    const auto& network = phone.fixture.network;
    const QString name = phone.link.operatorFormat == 2 ? network.mcc + network.mnc
                                                        : phone.fixture.siemens.operatorName;
    return AtOutcome::ok({"+COPS: 0," + std::to_string(phone.link.operatorFormat == 2 ? 2 : 0) +
                          ",\"" + name.toStdString() + "\""});
}

AtOutcome onBaudRate(AtPhone&, const AtCommand& command) {
    if (command.form == AtCommand::Form::Query) return AtOutcome::ok({"+IPR: 19200"});
    if (command.form == AtCommand::Form::Test) {
        return AtOutcome::ok({"+IPR: (),(0,2400,4800,9600,19200,38400,57600,115200)"});
    }
    const auto baud = numberArgument(splitArguments(command.arguments), 0);
    if (!baud) return AtOutcome::equipmentError(kNotSupported);
    return AtOutcome::ok();
}

AtOutcome onErrorMode(AtPhone& phone, const AtCommand& command) {
    if (command.form == AtCommand::Form::Query) {
        return AtOutcome::ok({"+CMEE: " + std::to_string(phone.link.errorMode)});
    }
    if (command.form == AtCommand::Form::Test) return AtOutcome::ok({"+CMEE: (0-2)"});
    const auto mode = numberArgument(splitArguments(command.arguments), 0);
    if (!mode || *mode < 0 || *mode > 2) return AtOutcome::equipmentError(kNotSupported);
    phone.link.errorMode = *mode;
    return AtOutcome::ok();
}

AtOutcome onCharset(AtPhone& phone, const AtCommand& command) {
    switch (command.form) {
        case AtCommand::Form::Query:
            return AtOutcome::ok({"+CSCS: \"" + phone.link.charset + "\""});
        case AtCommand::Form::Test:
            return AtOutcome::ok({"+CSCS: (\"GSM\",\"UCS2\")"});
        case AtCommand::Form::Set: {
            const auto arguments = splitArguments(command.arguments);
            const std::string name = arguments.empty() ? std::string() : arguments[0].text;
            if (name != "GSM" && name != "UCS2") return AtOutcome::equipmentError(kNotSupported);
            phone.link.charset = name;
            return AtOutcome::ok();
        }
        default:
            return AtOutcome::plainError();
    }
}

AtOutcome onPinState(AtPhone&, const AtCommand& command) {
    if (command.form == AtCommand::Form::Query) return AtOutcome::ok({"+CPIN: READY"});
    return AtOutcome::equipmentError(kNotAllowed);
}

AtOutcome onAccepted(AtPhone&, const AtCommand&) {
    return AtOutcome::ok();
}

}  // namespace phonesim::siemens
