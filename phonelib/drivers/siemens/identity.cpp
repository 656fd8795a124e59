// Identity, battery, signal, network registration and data rate:
//
//   AT+CGMM / +CGMR / +CGSN   model, firmware, IMEI: the line after the echo
//   AT+CBC                    +CBC: <status>,<percent>
//   AT+CSQ                    +CSQ: <rssi>,<ber>
//   AT+CREG?                  +CREG: <n>,<stat>,"<area>","<cell>"
//   AT+COPS?                  +COPS: <mode>,<format>,"<name>"
//   AT+IPR=<baud>             OK
#include "phonelib/api/library.h"
#include "phonelib/drivers/siemens/answers.h"
#include "phonelib/drivers/siemens/atdriver.h"
#include "phonelib/drivers/siemens/procedures.h"
#include "phonelib/drivers/siemens/replies.h"

namespace phonelib::siemens {

namespace {

constexpr int32_t kIdentityTicks = 2;
constexpr int32_t kBaudTicks = 5;

// The identity group's flag is the library's ReplyState.
uint8_t ask(const char* command) {
    return atcommand(lib().state.ReplyState, command, kIdentityTicks);
}

// Waits for a model query of the keep-alive that may still be on its way.
void letKeepAliveFinish() {
    atwait(lib().state.ReplyState, kIdentityTicks);
}

uint8_t askInto(std::atomic<uint8_t>& flag, const char* command) {
    return atcommand(flag, command, kIdentityTicks);
}

}  // namespace

void onLinkSetting(const Lines& lines) {
    lib().state.ReplyState = holdsLine(lines, "ERROR") ? errorFlag() : uint8_t{1};
}

void onModel(const Lines& lines) {
    auto& state = lib().state;
    answer(lines, state.ReplyState, [&](const std::string& model) {
        state.ModelCode = model.find("SL45") != std::string::npos ? "SL45" : model;
    });
}

void onSoftwareVersion(const Lines& lines) {
    answer(lines, lib().state.ReplyState,
           [](const std::string& version) { lib().phoneInfo.softwareVersion = version; });
}

void onSerialNumber(const Lines& lines) {
    answer(lines, lib().state.ReplyState,
           [](const std::string& imei) { lib().phoneInfo.serialNumber = imei; });
}

void onBattery(const Lines& lines) {
    answer(lines, atdriver().statusFlag,
           [](const std::string& line) { readBattery(line, atdriver().status); });
}

void onSignal(const Lines& lines) {
    answer(lines, atdriver().statusFlag,
           [](const std::string& line) { readSignal(line, atdriver().status); });
}

void onRegistration(const Lines& lines) {
    answer(lines, atdriver().networkFlag, [](const std::string& line) {
        readRegistration(line, lib().state.ModelCode == "S25", atdriver().network);
    });
}

void onOperator(const Lines& lines) {
    answer(lines, atdriver().networkFlag,
           [](const std::string& line) { readOperator(line, atdriver().network); });
}

uint8_t GetPhoneInfos(TPhoneInfo& info) {
    letKeepAliveFinish();
    ask("AT+CGMR\r");
    const uint8_t result = ask("AT+CGSN\r");
    auto& phone = lib().phoneInfo;
    phone.manufacturer = "SIEMENS";
    phone.hardwareVersion = "n.a.";
    phone.productionData = "n.a.";
    info = lib().phoneInfoRecord();
    return result;
}

uint8_t GetPhoneStatus(TPhoneStatus& status) {
    auto& driver = atdriver();
    letKeepAliveFinish();
    askInto(driver.statusFlag, "AT+CBC\r");
    const uint8_t result = askInto(driver.statusFlag, "AT+CSQ\r");
    status = driver.status;
    return result;
}

uint8_t GetNetworkInfo(TNetWorkInfo& info) {
    auto& driver = atdriver();
    letKeepAliveFinish();
    askInto(driver.networkFlag, "AT+CREG?\r");
    const uint8_t result = askInto(driver.networkFlag, "AT+COPS?\r");
    info = driver.network;
    return result;
}

uint8_t changeconnectionspeed(int32_t baud) {
    return atcommand(lib().state.ReplyState, "AT+IPR=" + std::to_string(baud) + "\r", kBaudTicks);
}

}  // namespace phonelib::siemens
