// Assembles AT response lines from received bytes.
//
// Each carriage return completes a line: a non-empty line is appended to the
// line list and the dispatch callback runs (also for an empty line). An
// error line ("+CMS ERROR: nnn" of the message commands, or "+CME ERROR: nn",
// the extended error report that "AT+CMEE=1" asks for) additionally appends
// "ERROR", sets the AT status from the error code and dispatches a second
// time, so the reply is complete; any other line sets the AT status to 1.
// The input prompt ">" at the start of a line appends "NOWSENDPDU" and
// dispatches; inside a line (a name holding ">") it is an ordinary character.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace phonelib {

class AtLineAssembler {
  public:
    using Dispatcher = std::function<void()>;

    AtLineAssembler(std::vector<std::string>& lines, std::atomic<uint8_t>& atStatus,
                    Dispatcher dispatch)
        : lines_(lines), atStatus_(atStatus), dispatch_(std::move(dispatch)) {}

    void OnReceiveData(const uint8_t* data, size_t size);

    // Status byte for the three-digit code of a "+CMS ERROR" line.
    static uint8_t cmsErrorStatus(const std::string& code);
    // Status byte for the code of a "+CME ERROR" line.
    static uint8_t cmeErrorStatus(const std::string& code);

  private:
    void lineComplete();

    std::vector<std::string>& lines_;
    std::atomic<uint8_t>& atStatus_;
    Dispatcher dispatch_;
    std::string current_;
};

}  // namespace phonelib
