#include "phonesim/link/modemprelude.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace phonesim {

namespace {

constexpr size_t kMaxLine = 256;

const std::array<std::string, 6> kAcceptedCommands = {"AT",   "ATZ",  "AT&F",
                                                      "ATE0", "ATE1", "AT*NOKIAFBUS"};

}  // namespace

void ModemPrelude::reset() {
    line_.clear();
    fbus_ = false;
}

std::optional<std::string> ModemPrelude::feed(uint8_t byte) {
    if (fbus_) return std::nullopt;
    if (byte == '\r') {
        std::string command;
        command.swap(line_);
        std::transform(command.begin(), command.end(), command.begin(),
                       [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
        // Only lines that begin with AT are commands; wake-up bytes and other
        // noise before them are not answered.
        if (command.rfind("AT", 0) != 0) return std::nullopt;
        if (command == "AT*NOKIAFBUS") fbus_ = true;
        const bool known = std::find(kAcceptedCommands.begin(), kAcceptedCommands.end(), command) !=
                           kAcceptedCommands.end();
        return known ? "\r\nOK\r\n" : "\r\nERROR\r\n";
    }
    if (byte == '\n') return std::nullopt;
    if (byte < 0x20 || byte > 0x7E || line_.size() >= kMaxLine) {
        line_.clear();  // not command text
        return std::nullopt;
    }
    line_.push_back(static_cast<char>(byte));
    return std::nullopt;
}

}  // namespace phonesim
