// The result of a codec operation that the program used to report in a message
// box. The library never shows a window: it hands the text to its caller, who
// decides how to show it.
#pragma once

#include <string>
#include <utility>

namespace tools {

struct Outcome {
    enum class Status { Ok, Failed, Cancelled };

    Status status = Status::Ok;
    // Text for the user in UTF-8. On success it may hold notices (several are
    // joined by CR, the line break of message texts); on failure the reason.
    std::string message;
    // Caption of the message box the program shows; empty for its default.
    std::string caption;

    bool ok() const { return status == Status::Ok; }

    static Outcome success() { return {}; }
    static Outcome failure(std::string message, std::string caption = {}) {
        return {Status::Failed, std::move(message), std::move(caption)};
    }
    static Outcome cancelled() { return {Status::Cancelled, {}, {}}; }

    // Adds a notice for the user, once per distinct text.
    void addnotice(const std::string& text);
};

}  // namespace tools
