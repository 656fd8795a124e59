// What a command handler of the simulated Siemens phone works with: the
// fixture, the settings the PC has made on this link, and the outcome it
// hands back (information lines, then OK or an error; or the "> " prompt
// and what to do with the data that follows it).
#pragma once

#include <QString>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "phonesim/fixture/fixture.h"
#include "phonesim/siemens/atcommand.h"

namespace phonesim::siemens {

struct AtError {
    enum class Kind { Plain, Equipment, Message };  // ERROR, +CME ERROR, +CMS ERROR
    Kind kind = Kind::Plain;
    int code = 0;
};

struct AtOutcome {
    std::vector<std::string> lines;  // information lines, as bytes
    std::optional<AtError> error;
    // Set: the phone answers with the prompt; the data the PC sends after it
    // (up to Ctrl-Z) goes here and its outcome ends the command.
    std::function<AtOutcome(const std::string& data)> input;

    static AtOutcome ok(std::vector<std::string> lines = {}) { return {std::move(lines), {}, {}}; }
    static AtOutcome equipmentError(int code) {
        return {{}, AtError{AtError::Kind::Equipment, code}, {}};
    }
    static AtOutcome messageError(int code) {
        return {{}, AtError{AtError::Kind::Message, code}, {}};
    }
    static AtOutcome plainError() { return {{}, AtError{}, {}}; }
};

// Error codes the handlers use (GSM 07.07 / 07.05).
constexpr int kNotAllowed = 3;
constexpr int kNotSupported = 4;
constexpr int kInvalidIndex = 21;
constexpr int kTextTooLong = 24;
constexpr int kInvalidCharacters = 25;
constexpr int kDialStringTooLong = 26;
constexpr int kInvalidDialString = 27;
constexpr int kCmsNotSupported = 303;
constexpr int kCmsInvalidPdu = 304;
constexpr int kCmsInvalidIndex = 321;
constexpr int kCmsNoCentre = 330;

// What the PC sets on the link; a reset (ATZ, AT&F, a new session) brings
// back these defaults.
struct LinkSettings {
    bool echo = true;
    int errorMode = 0;          // +CMEE: 0 plain ERROR, 1 numeric, 2 verbose
    std::string memory = "SM";  // +CPBS
    std::string charset = "GSM";
    int registrationMode = 2;    // +CREG: area and cell are reported
    int operatorFormat = 0;      // +COPS=3,<format>: 0 long name, 2 numeric
    int messageIndications = 0;  // +CNMI=<mode>,<mt>: mt 1 tells "+CMTI" for a new message
    // Object parts received so far, by kind and index.
    std::map<std::pair<std::string, int>, std::vector<std::string>> objectParts = {};
};

struct AtPhone {
    Fixture& fixture;
    LinkSettings link = {};
    int nextReference = 1;  // of the messages sent

    bool isS25() const { return fixture.identity.modelCode == QStringLiteral("S25"); }
};

using AtHandler = AtOutcome (*)(AtPhone& phone, const AtCommand& command);

// Runs one command line and returns what the phone writes back. When a
// command ends with the prompt, *input receives what to do with the data.
std::string runCommandLine(AtPhone& phone, std::string_view line,
                           std::function<AtOutcome(const std::string&)>* input);
// The text of an outcome: its lines and its final result code.
std::string replyText(const AtPhone& phone, const AtOutcome& outcome);

// --- Handlers, grouped as the files that hold them --------------------------

// identity.cpp: basic commands, identity, status, network, data rate, errors
AtOutcome onBasic(AtPhone& phone, const AtCommand& command);
AtOutcome onManufacturer(AtPhone& phone, const AtCommand& command);
AtOutcome onModel(AtPhone& phone, const AtCommand& command);
AtOutcome onRevision(AtPhone& phone, const AtCommand& command);
AtOutcome onSerialNumber(AtPhone& phone, const AtCommand& command);
AtOutcome onBattery(AtPhone& phone, const AtCommand& command);
AtOutcome onSignal(AtPhone& phone, const AtCommand& command);
AtOutcome onRegistration(AtPhone& phone, const AtCommand& command);
AtOutcome onOperator(AtPhone& phone, const AtCommand& command);
AtOutcome onBaudRate(AtPhone& phone, const AtCommand& command);
AtOutcome onErrorMode(AtPhone& phone, const AtCommand& command);
AtOutcome onCharset(AtPhone& phone, const AtCommand& command);
AtOutcome onPinState(AtPhone& phone, const AtCommand& command);
AtOutcome onAccepted(AtPhone& phone, const AtCommand& command);

// phonebooks.cpp: +CPBS, +CPBR, +CPBW, ^SPBG
AtOutcome onSelectMemory(AtPhone& phone, const AtCommand& command);
AtOutcome onReadEntries(AtPhone& phone, const AtCommand& command);
AtOutcome onWriteEntry(AtPhone& phone, const AtCommand& command);
AtOutcome onSortedEntries(AtPhone& phone, const AtCommand& command);

// objects.cpp: ^SBNR, ^SBNW, ^SDBR
AtOutcome onReadObject(AtPhone& phone, const AtCommand& command);
AtOutcome onWriteObject(AtPhone& phone, const AtCommand& command);
AtOutcome onAddressBookUsed(AtPhone& phone, const AtCommand& command);

// messages.cpp: +CMGF, +CPMS, +CMGR, +CMGL, +CMGS, +CMGD, +CSCA
AtOutcome onMessageFormat(AtPhone& phone, const AtCommand& command);
AtOutcome onMessageIndications(AtPhone& phone, const AtCommand& command);
AtOutcome onMessageStorage(AtPhone& phone, const AtCommand& command);
AtOutcome onReadMessage(AtPhone& phone, const AtCommand& command);
AtOutcome onListMessages(AtPhone& phone, const AtCommand& command);
AtOutcome onSendMessage(AtPhone& phone, const AtCommand& command);
AtOutcome onDeleteMessage(AtPhone& phone, const AtCommand& command);
AtOutcome onServiceCentre(AtPhone& phone, const AtCommand& command);

// settings.cpp: +CCFC, ^SRTC, ^SNFV, +CVIB, +CALM
AtOutcome onDivert(AtPhone& phone, const AtCommand& command);
AtOutcome onRingtone(AtPhone& phone, const AtCommand& command);
AtOutcome onEarpieceVolume(AtPhone& phone, const AtCommand& command);
AtOutcome onVibration(AtPhone& phone, const AtCommand& command);
AtOutcome onAlertMode(AtPhone& phone, const AtCommand& command);

}  // namespace phonesim::siemens
