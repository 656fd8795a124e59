// Profiles and call diverts:
//
//   AT^SRTC?    ^SRTC: <ringtone>,<volume>     AT^SRTC=<ringtone>,<volume>
//   AT^SRTC=?   ^SRTC: (0-<last ringtone>),(0-4)
//   AT^SNFV?    ^SNFV: <earpiece volume>       AT^SNFV=<volume>
//   AT+CVIB?    +CVIB: <0|1>                   AT+CVIB=<0|1>
//   AT+CALM?    +CALM: <0 normal|1 silent|2 single beep>   AT+CALM=<mode>
//   AT+CCFC=<reason>,2,,,<class>          +CCFC: <active>,<class>,"<number>",<type>,,,<time>
//   AT+CCFC=<reason>,3,"<number>",<type>,<class>,,,<time>   register
//   AT+CCFC=<reason>,4,,,<class>          erase
// Only the active profile can be read and written.
#include "codecs/tools/phonenumbers.h"
#include "phonelib/api/library.h"
#include "phonelib/drivers/siemens/answers.h"
#include "phonelib/drivers/siemens/atdriver.h"
#include "phonelib/drivers/siemens/procedures.h"
#include "phonelib/drivers/siemens/replies.h"

namespace phonelib::siemens {

namespace {

constexpr int32_t kProfileTicks = 3;
constexpr int32_t kDivertTicks = 10;

uint8_t profileCommand(const std::string& command) {
    return atcommand(atdriver().profileFlag, command, kProfileTicks);
}

bool isS25() {
    return lib().state.ModelId == 0;
}

// Call class and reason as the network codes them.
int classCode(uint8_t callClass) {
    return callClass == 1 ? 2 : callClass == 2 ? 4 : 1;
}

int reasonCode(uint8_t reason) {
    return reason == 2 ? 3 : reason == 3 ? 2 : reason;
}

}  // namespace

void onProfileQuery(const Lines& lines) {
    auto& driver = atdriver();
    auto& profile = driver.profile;
    const std::string echo = upper(lines.front());
    if (const auto* line = lineContaining(lines, "SRTC:")) {
        if (echo.find("=?") != std::string::npos) {
            readRingtoneCount(*line, profile);
        } else {
            readRingtoneSetting(*line, lib().state.ModelCode, profile);
        }
    } else if (const auto* volume = lineContaining(lines, "SNFV:")) {
        readEarpieceVolume(*volume, profile);
    } else if (const auto* alert = lineContaining(lines, "CALM:")) {
        readAlertMode(*alert, profile);
    } else if (const auto* vibration = lineContaining(lines, "CVIB:")) {
        readVibration(*vibration, profile);
    }
    driver.profileFlag = 1;
}

void onProfileSet(const Lines& lines) {
    atdriver().profileFlag = holdsLine(lines, "ERROR") ? writeErrorFlag() : uint8_t{1};
}

void onDivert(const Lines& lines) {
    auto& driver = atdriver();
    if (holdsLine(lines, "ERROR")) {
        driver.divertFlag = writeErrorFlag();
        return;
    }
    const bool query = lines.front().size() >= 11 && lines.front()[10] == '2';
    if (query) {
        if (lines.size() < 3 || lines[1].size() < 8) {
            driver.divertFlag = 18;
            return;
        }
        readDivert(lines[1], driver.divert);
    }
    driver.divertFlag = 1;
}

uint8_t GetProfile(TProfile& profile) {
    auto& driver = atdriver();
    if (profile.profileNumber != 0) {
        driver.profileFlag = stNotAvailable;
        return stNotAvailable;
    }
    driver.profile = profile;
    profileCommand("AT^SRTC?\r");
    profileCommand("AT^SRTC=?\r");
    const uint8_t result = profileCommand("AT^SNFV?\r");
    if (isS25()) {
        driver.profile.vibration = -1;
    } else {
        profileCommand("AT+CVIB?\r");
        profileCommand("AT+CALM?\r");
    }
    driver.profileFlag = 1;
    profile = driver.profile;
    return result;
}

uint8_t SetProfile(TProfile& profile) {
    const bool silent = profile.ringingMode == 1 || (profile.ringingMode == 5 && isS25());
    const int32_t volume = silent ? 0 : profile.volume;
    uint8_t result = profileCommand("AT^SRTC=" + std::to_string(profile.ringtoneNumber) + "," +
                                    std::to_string(volume) + "\r");
    result = profileCommand("AT^SNFV=" + std::to_string(profile.earpieceVolume) + "\r");
    if (isS25()) return result;
    switch (profile.ringingMode) {
        case 3:
            profileCommand("AT+CALM=2\r");
            break;
        case 5:
            profileCommand("AT+CALM=1\r");
            break;
        case 0:
            profileCommand("AT+CALM=0\r");
            break;
        default:
            break;
    }
    return profileCommand(std::string("AT+CVIB=") + (profile.vibration == 1 ? "1" : "0") + "\r");
}

uint8_t GetDiverts(TDivert& divert) {
    auto& driver = atdriver();
    driver.divert = divert;
    const uint8_t result =
        atcommand(driver.divertFlag,
                  "AT+CCFC=" + std::to_string(reasonCode(divert.reason)) + ",2,,," +
                      std::to_string(classCode(divert.callClass)) + "\r",
                  kDivertTicks);
    divert = driver.divert;
    return result;
}

uint8_t SetDiverts(TDivert& divert) {
    const std::string reason = std::to_string(reasonCode(divert.reason));
    const std::string callClass = std::to_string(classCode(divert.callClass));
    std::string command;
    if (divert.active) {
        std::string number = divert.number;
        const int8_t kind = tools::formatnumber(number);
        if (kind < 0) return stBadNumber;
        command = "AT+CCFC=" + reason + ",3,\"" + number + "\"," + (kind == 0 ? "145" : "129") +
                  "," + callClass + ",,," + std::to_string(divert.delay) + "\r";
    } else {
        command = "AT+CCFC=" + reason + ",4,,," + callClass + "\r";
    }
    return atcommand(atdriver().divertFlag, command, kDivertTicks);
}

}  // namespace phonelib::siemens
