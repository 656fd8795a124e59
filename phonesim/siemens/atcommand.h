// AT command lines as the simulated Siemens phone reads them: "AT" followed
// by one or more commands, basic ones ("E1", "Z", "&F") or extended ones
// ("+CPBR=1", "^SBNR=?", "+CREG?") separated by ';'.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace phonesim::siemens {

struct AtCommand {
    enum class Form { Action, Set, Query, Test };  // "+X", "+X=…", "+X?", "+X=?"
    std::string name;                              // upper case: "+CPBR", "^SBNW", "E"
    Form form = Form::Action;
    std::string arguments;  // after '=' (Set), or the digits of a basic command
};

// The commands of one line; nothing when the line does not start with "AT".
std::optional<std::vector<AtCommand>> parseCommandLine(std::string_view line);

struct AtArgument {
    std::string text;  // quoted strings without quotes, "\HH" decoded to a byte
    bool quoted = false;
    bool empty() const { return text.empty() && !quoted; }
};

// The arguments separated by commas outside quotes.
std::vector<AtArgument> splitArguments(std::string_view arguments);

// Argument i as a whole number; nothing when it is missing or no number.
std::optional<int> numberArgument(const std::vector<AtArgument>& arguments, size_t i);

}  // namespace phonesim::siemens
