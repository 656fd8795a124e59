#include "phonelib/drivers/siemens/atengine.h"

#include <QByteArray>
#include <algorithm>
#include <cstdlib>

#include "phonelib/api/library.h"
#include "phonelib/api/notification.h"
#include "phonelib/drivers/siemens/atdriver.h"
#include "phonelib/drivers/siemens/replies.h"

namespace phonelib::siemens {

namespace {

constexpr int32_t kPromptTicks = 4;

// A branch of the dispatcher: the echo equals or contains `text` (and does
// not contain `unless`).
struct Branch {
    bool whole;
    std::string_view text;
    std::string_view unless;
    void (*handle)(const Lines& lines);
};

// First match wins; the order matters where one command text contains
// another ("AT^SRTC=" and "AT^SRTC=?").
constexpr Branch kBranches[] = {
    {false, "AT+CPBR=", "AT+CPBR=?", onPhonebookRead},
    {false, "AT+CPBW=", {}, onPhonebookWritten},
    {false, "AT+CPBS=", {}, onMemorySelected},
    {true, "ATE1", {}, onLinkSetting},
    {true, "AT+CGMM", {}, onModel},
    {true, "AT+CGMR", {}, onSoftwareVersion},
    {true, "AT+CGSN", {}, onSerialNumber},
    {true, "AT+CREG?", {}, onRegistration},
    {true, "AT+COPS?", {}, onOperator},
    {true, "AT+CBC", {}, onBattery},
    {true, "AT+CSQ", {}, onSignal},
    {true, "AT+CPBR=?", {}, onPhonebookSize},
    {true, "AT^SPBG=?", {}, onPhonebookUsed},
    {false, "AT^SBNR=\"VCS\"", "AT^SBNR=?", onCalendarRead},
    {false, "AT^SBNW=\"VCS\"", "AT^SBNW=?", onCalendarWritten},
    {false, "AT^SBNW=\"BMP\"", "AT^SBNW=?", onLogoWritten},
    {false, "AT^SBNW=\"MID\"", "AT^SBNW=?", onRingtoneWritten},
    {false, "AT+CMGR=", {}, onMessageRead},
    {false, "AT+CMGD=", {}, onMessageDeleted},
    {false, "AT+CMGS=", {}, onMessageSent},
    {true, "AT+CSCA?", {}, onServiceCentre},
    {false, "AT+CCFC=", {}, onDivert},
    {false, "AT+CVIB?", {}, onProfileQuery},
    {false, "AT+CALM?", {}, onProfileQuery},
    {false, "AT^SRTC=", "AT^SRTC=?", onProfileSet},
    {false, "AT^SRTC=?", {}, onProfileQuery},
    {false, "AT^SRTC?", {}, onProfileQuery},
    {false, "AT^SNFV?", {}, onProfileQuery},
    {false, "AT^SNFV=", {}, onProfileSet},
    // Silent mode and vibration are written too; without these two rows a
    // profile write would wait for an answer nothing takes.
    {false, "AT+CALM=", {}, onProfileSet},
    {false, "AT+CVIB=", {}, onProfileSet},
    {false, "AT^SBNR=\"BMP\"", {}, onLogoRead},
    {false, "AT^SBNR=?", {}, onObjectSizes},
    {false, "AT^SDBR=?", {}, onAddressBookUsed},
    {false, "AT+IPR", {}, onLinkSetting},
    {false, "AT^SBNR=\"VCF\"", {}, onAddressBookRead},
    {false, "AT^SBNW=\"VCF\"", {}, onAddressBookWritten},
    // The settings of connection set-up end their wait as soon as the phone
    // has answered them.
    {false, "AT+CMEE=", {}, onLinkSetting},
    {false, "AT+CSCS=", {}, onLinkSetting},
    {false, "AT+CMGF=", {}, onLinkSetting},
    {false, "AT+CNMI=", {}, onLinkSetting},
};

bool matches(const Branch& branch, const std::string& echo) {
    if (!branch.unless.empty() && echo.find(branch.unless) != std::string::npos) return false;
    return branch.whole ? echo == branch.text : echo.find(branch.text) != std::string::npos;
}

// "+CMTI: "SM",<index>": the phone has stored a message that just came in.
// The line may come between any two lines of an answer, so it is taken out
// before the answer is looked at; the host is told the location.
void takeArrivals(Lines& lines) {
    std::erase_if(lines, [](const std::string& line) {
        if (!line.starts_with("+CMTI:")) return false;
        const size_t comma = line.rfind(',');
        const int location = comma == std::string::npos ? 0 : std::atoi(line.c_str() + comma + 1);
        if (location > 0) lib().post(nfSmsArrived, location, 0);
        return true;
    });
}

}  // namespace

std::string upper(std::string_view text) {
    return QByteArray(text.data(), static_cast<qsizetype>(text.size())).toUpper().toStdString();
}

bool holdsLine(const Lines& lines, std::string_view wanted) {
    return std::any_of(lines.begin(), lines.end(),
                       [&](const std::string& line) { return upper(line) == wanted; });
}

const std::string* lineContaining(const Lines& lines, std::string_view key) {
    const auto found = std::find_if(lines.begin(), lines.end(), [&](const std::string& line) {
        return line.find(key) != std::string::npos;
    });
    return found == lines.end() ? nullptr : &*found;
}

uint8_t errorFlag() {
    return lib().state.AtStatus;
}

uint8_t writeErrorFlag() {
    const uint8_t status = errorFlag();
    return status == stDone ? uint8_t{stRefused} : status;
}

void atsend(const std::string& command) {
    lib().atLines.clear();
    lib().sendText(command);
}

uint8_t atwait(const std::atomic<uint8_t>& flag, int32_t seconds) {
    lib().state.AtStatus = 1;
    return lib().waitForFlag(flag, seconds);
}

uint8_t atcommand(std::atomic<uint8_t>& flag, const std::string& command, int32_t seconds) {
    flag = 0;
    atsend(command);
    return atwait(flag, seconds);
}

uint8_t atsendprompt(const std::string& command, const std::string& data,
                     std::atomic<uint8_t>& flag, int32_t seconds) {
    auto& library = lib();
    auto& prompt = atdriver().promptFlag;
    prompt = 0;
    flag = 0;
    const uint64_t heardBefore = library.linkWatch.heardCount();
    atsend(command);
    library.state.AtStatus = 1;
    library.state.TickCount = 0;
    library.state.WaitLimit = kPromptTicks;
    library.processEventsUntil([&] {
        return prompt != 0 || flag != 0 || library.state.TickCount >= kPromptTicks ||
               library.linkWatch.ended();
    });
    library.requestEnded(prompt != 0 || flag != 0, heardBefore);
    if (prompt != 1) {
        // No prompt: the phone answered the command itself, or nothing came.
        flag = flag == 0 ? uint8_t{stNoAnswer} : flag == 1 ? uint8_t{stRefused} : flag.load();
        return flag;
    }
    flag = 0;
    library.sendText(data);
    const uint8_t result = atwait(flag, seconds);
    flag = result;
    return result;
}

void Dispatch(uint8_t) {
    auto& lines = lib().atLines;
    takeArrivals(lines);
    if (lines.empty()) return;
    const std::string echo = upper(lines.front());
    if (holdsLine(lines, "NOWSENDPDU")) atdriver().promptFlag = 1;
    if (!holdsLine(lines, "OK") && !holdsLine(lines, "ERROR")) return;  // not complete yet

    const auto* branch = std::find_if(std::begin(kBranches), std::end(kBranches),
                                      [&](const Branch& b) { return matches(b, echo); });
    if (branch != std::end(kBranches)) branch->handle(lines);
    lines.clear();
}

}  // namespace phonelib::siemens
