// End-to-end tests against a simulated Siemens phone: the library connected
// over an AT cable, and the command lines the phone heard.
#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "phonesim/siemens/atengine.h"
#include "tests/phonelib/e2e/simulatedphone.h"

namespace testing_support {

class SiemensPhoneTest : public SimulatedPhoneTest {
  protected:
    // Starts the phone and connects; the journal starts empty afterwards.
    void connectTo(const phonesim::Fixture& fixture) {
        startPhone(fixture);
        ASSERT_EQ(connect(phonelib::ckAtCable), phonelib::stDone);
        sim->clearJournal();
    }
    void connectTo(const QString& model) { connectTo(phonesim::Fixture::forModel(model)); }

    // Every command line the phone has heard (since the journal was cleared).
    std::vector<std::string> commands() const {
        std::vector<std::string> lines;
        for (const auto& request : sim->requests()) {
            if (request.type == phonesim::siemens::kAtCommandLine) {
                lines.emplace_back(request.body.begin(), request.body.end());
            }
        }
        return lines;
    }
    // The same without the keep-alive's model queries.
    std::vector<std::string> driverCommands() const {
        auto lines = commands();
        std::erase(lines, "AT+CGMM");
        return lines;
    }
    // True when a command line starting with `prefix` was heard.
    bool heard(const std::string& prefix) const {
        const auto lines = commands();
        return std::any_of(lines.begin(), lines.end(),
                           [&](const std::string& line) { return line.starts_with(prefix); });
    }
    // Data the phone took after its prompt.
    std::vector<std::string> inputs() const {
        std::vector<std::string> blocks;
        for (const auto& request : sim->requests()) {
            if (request.type == phonesim::siemens::kAtInputData) {
                blocks.emplace_back(request.body.begin(), request.body.end());
            }
        }
        return blocks;
    }
    // Answers the command with this final result from now on.
    void failCommand(const QString& command, const QString& result) {
        sim->editFixture([&](phonesim::Fixture& f) { f.siemens.errors[command] = result; });
    }
};

}  // namespace testing_support
