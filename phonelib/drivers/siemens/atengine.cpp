#include "phonelib/drivers/siemens/atengine.h"

#include <QByteArray>
#include <algorithm>
#include <vector>

#include "phonelib/api/library.h"

namespace phonelib::siemens {

namespace {

std::string upper(const std::string& text) {
    return QByteArray::fromStdString(text).toUpper().toStdString();
}

bool holdsLine(const std::vector<std::string>& lines, const char* wanted) {
    return std::any_of(lines.begin(), lines.end(),
                       [&](const std::string& line) { return upper(line) == wanted; });
}

// The common pattern of a reply: ERROR gives AtStatus, a reply without an
// answer line gives 18; otherwise the answer (the line after the echo) is
// stored and the flag becomes 1.
template <class Store>
void answer(const std::vector<std::string>& lines, std::atomic<uint8_t>& flag, Store store) {
    const uint8_t atStatus = lib().state.AtStatus;
    if (holdsLine(lines, "ERROR")) {
        flag = atStatus;
    } else if (lines.size() < 2) {
        flag = 18;
    } else {
        store(lines[1]);
        flag = 1;
    }
}

}  // namespace

void atsend(const std::string& command) {
    lib().atLines.clear();
    lib().sendText(command);
}

uint8_t atwait(const std::atomic<uint8_t>& flag, int32_t seconds) {
    lib().state.AtStatus = 1;
    return lib().waitForFlag(flag, seconds);
}

void Dispatch(uint8_t) {
    auto& library = lib();
    auto& lines = library.atLines;
    auto& state = library.state;
    if (lines.empty()) return;
    const std::string echo = upper(lines.front());
    if (!holdsLine(lines, "OK") && !holdsLine(lines, "ERROR")) return;  // not complete yet

    if (echo == "ATE1" || echo.find("AT+IPR") != std::string::npos) {
        state.ReplyState = holdsLine(lines, "ERROR") ? state.AtStatus.load() : uint8_t{1};
    } else if (echo == "AT+CGMM") {
        answer(lines, state.ReplyState, [&](const std::string& model) {
            state.ModelCode = model.find("SL45") != std::string::npos ? "SL45" : model;
        });
    } else if (echo == "AT+CGMR") {
        answer(lines, state.ReplyState,
               [&](const std::string& v) { library.phoneInfo.softwareVersion = v; });
    } else if (echo == "AT+CGSN") {
        answer(lines, state.ReplyState,
               [&](const std::string& v) { library.phoneInfo.serialNumber = v; });
    }
    lines.clear();
}

}  // namespace phonelib::siemens
