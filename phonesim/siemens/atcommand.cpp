#include "phonesim/siemens/atcommand.h"

#include <cctype>
#include <charconv>

namespace phonesim::siemens {

namespace {

std::string upper(std::string_view text) {
    std::string result(text);
    for (char& c : result) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return result;
}

int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// The end of an extended command: the next ';' outside quotes.
size_t commandEnd(std::string_view text) {
    bool quoted = false;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '"') quoted = !quoted;
        if (text[i] == ';' && !quoted) return i;
    }
    return text.size();
}

AtCommand extendedCommand(std::string_view text) {
    AtCommand command;
    size_t nameEnd = 1;
    while (nameEnd < text.size() && std::isalnum(static_cast<unsigned char>(text[nameEnd]))) {
        ++nameEnd;
    }
    command.name = upper(text.substr(0, nameEnd));
    const std::string_view rest = text.substr(nameEnd);
    if (rest == "?") {
        command.form = AtCommand::Form::Query;
    } else if (rest == "=?") {
        command.form = AtCommand::Form::Test;
    } else if (!rest.empty() && rest.front() == '=') {
        command.form = AtCommand::Form::Set;
        command.arguments = std::string(rest.substr(1));
    }
    return command;
}

}  // namespace

std::optional<std::vector<AtCommand>> parseCommandLine(std::string_view line) {
    if (line.size() < 2 || upper(line.substr(0, 2)) != "AT") return std::nullopt;
    std::vector<AtCommand> commands;
    std::string_view rest = line.substr(2);
    while (!rest.empty()) {
        if (rest.front() == ';' || rest.front() == ' ') {
            rest.remove_prefix(1);
            continue;
        }
        if (rest.front() == '+' || rest.front() == '^') {
            const size_t end = commandEnd(rest);
            commands.push_back(extendedCommand(rest.substr(0, end)));
            rest.remove_prefix(end);
            continue;
        }
        // A basic command: a letter (after '&' for the ampersand set) and its digits.
        AtCommand command;
        size_t length = rest.front() == '&' && rest.size() > 1 ? 2 : 1;
        command.name = upper(rest.substr(0, length));
        while (length < rest.size() && std::isdigit(static_cast<unsigned char>(rest[length]))) {
            command.arguments.push_back(rest[length++]);
        }
        commands.push_back(command);
        rest.remove_prefix(length);
    }
    return commands;
}

std::vector<AtArgument> splitArguments(std::string_view arguments) {
    std::vector<AtArgument> result;
    if (arguments.empty()) return result;
    AtArgument current;
    bool inQuotes = false;
    for (size_t i = 0; i < arguments.size(); ++i) {
        const char c = arguments[i];
        if (c == '"') {
            inQuotes = !inQuotes;
            current.quoted = true;
        } else if (c == ',' && !inQuotes) {
            result.push_back(current);
            current = {};
        } else if (c == '\\' && inQuotes && i + 2 < arguments.size() &&
                   hexValue(arguments[i + 1]) >= 0 && hexValue(arguments[i + 2]) >= 0) {
            current.text.push_back(
                static_cast<char>(hexValue(arguments[i + 1]) * 16 + hexValue(arguments[i + 2])));
            i += 2;
        } else if (inQuotes || c != ' ') {
            current.text.push_back(c);
        }
    }
    result.push_back(current);
    return result;
}

std::optional<int> numberArgument(const std::vector<AtArgument>& arguments, size_t i) {
    if (i >= arguments.size() || arguments[i].text.empty()) return std::nullopt;
    const std::string& text = arguments[i].text;
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

}  // namespace phonesim::siemens
