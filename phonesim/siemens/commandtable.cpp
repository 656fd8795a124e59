// The commands the simulated Siemens phone knows, and how a command line
// runs: each command in turn, the first error ends the line. A command the
// fixture's "errors" names is answered with that final result instead.
// The rows mirror the reply branches of the library's AT driver.
#include <array>

#include "phonesim/siemens/atphone.h"

namespace phonesim::siemens {

namespace {

struct Row {
    const char* name;
    AtHandler handle;
};

constexpr std::array<Row, 46> kCommands = {{
    {"E", onBasic},
    {"Z", onBasic},
    {"&F", onBasic},
    {"V", onBasic},
    {"Q", onBasic},
    {"I", onModel},
    {"+CGMI", onManufacturer},
    {"+GMI", onManufacturer},
    {"+CGMM", onModel},
    {"+GMM", onModel},
    {"+CGMR", onRevision},
    {"+GMR", onRevision},
    {"+CGSN", onSerialNumber},
    {"+GSN", onSerialNumber},
    {"+CBC", onBattery},
    {"+CSQ", onSignal},
    {"+CREG", onRegistration},
    {"+COPS", onOperator},
    {"+IPR", onBaudRate},
    {"+CMEE", onErrorMode},
    {"+CSCS", onCharset},
    {"+CPIN", onPinState},
    {"+CPBS", onSelectMemory},
    {"+CPBR", onReadEntries},
    {"+CPBW", onWriteEntry},
    {"^SPBG", onSortedEntries},
    {"^SBNR", onReadObject},
    {"^SBNW", onWriteObject},
    {"^SDBR", onAddressBookUsed},
    {"+CMGF", onMessageFormat},
    {"+CPMS", onMessageStorage},
    {"+CMGR", onReadMessage},
    {"+CMGL", onListMessages},
    {"+CMGS", onSendMessage},
    {"+CMGD", onDeleteMessage},
    {"+CSCA", onServiceCentre},
    {"+CNMI", onMessageIndications},
    {"+CSMS", onAccepted},
    {"+CMMS", onAccepted},
    {"+CCFC", onDivert},
    {"^SRTC", onRingtone},
    {"^SNFV", onEarpieceVolume},
    {"+CVIB", onVibration},
    {"+CALM", onAlertMode},
    {"+CFUN", onAccepted},
    {"&C", onBasic},
}};

AtOutcome run(AtPhone& phone, const AtCommand& command) {
    for (const Row& row : kCommands) {
        if (command.name == row.name) return row.handle(phone, command);
    }
    return AtOutcome::plainError();
}

std::string line(const std::string& text) {
    return "\r\n" + text + "\r\n";
}

std::string informationText(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& information : lines) text += line(information);
    return text;
}

}  // namespace

std::string replyText(const AtPhone& phone, const AtOutcome& outcome) {
    const std::string text = informationText(outcome.lines);
    if (!outcome.error) return text + line("OK");
    const AtError& error = *outcome.error;
    switch (error.kind) {
        case AtError::Kind::Message:
            return text + line("+CMS ERROR: " + std::to_string(error.code));
        case AtError::Kind::Equipment:
            if (phone.link.errorMode == 1)
                return text + line("+CME ERROR: " + std::to_string(error.code));
            if (phone.link.errorMode == 2) return text + line("+CME ERROR: unknown");
            [[fallthrough]];
        default:
            return text + line("ERROR");
    }
}

std::string runCommandLine(AtPhone& phone, std::string_view commandLine,
                           std::function<AtOutcome(const std::string&)>* input) {
    const auto commands = parseCommandLine(commandLine);
    if (!commands) return {};
    AtOutcome all;
    const auto& errors = phone.fixture.siemens.errors;
    for (const AtCommand& command : *commands) {
        if (const auto demanded = errors.find(QString::fromStdString(command.name));
            demanded != errors.end()) {
            return informationText(all.lines) + line(demanded->second.toStdString());
        }
        AtOutcome outcome = run(phone, command);
        all.lines.insert(all.lines.end(), outcome.lines.begin(), outcome.lines.end());
        if (outcome.error) {
            all.error = outcome.error;
            break;
        }
        if (outcome.input) {
            *input = std::move(outcome.input);
            return informationText(all.lines) + "\r\n> ";
        }
    }
    return replyText(phone, all);
}

}  // namespace phonesim::siemens
