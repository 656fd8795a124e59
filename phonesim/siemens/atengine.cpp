#include "phonesim/siemens/atengine.h"

#include "phonesim/siemens/storedpdu.h"

namespace phonesim::siemens {

namespace {

constexpr uint8_t kCtrlZ = 0x1A;
constexpr uint8_t kEscape = 0x1B;

Message messageOf(uint8_t type, const std::string& text) {
    return {type, std::vector<uint8_t>(text.begin(), text.end())};
}

}  // namespace

AtEngine::AtEngine(Fixture fixture, Transport& transport, Scheduler& scheduler, Faults& faults,
                   Journal& journal)
    : transport_(transport),
      scheduler_(scheduler),
      faults_(faults),
      journal_(journal),
      fixture_(std::move(fixture)),
      output_(transport, scheduler, faults, journal),
      phone_{fixture_},
      hooks_(transport, scheduler, faults,
             {[this](std::span<const uint8_t> bytes) { bytesIn(bytes); }, [this] { newSession(); },
              [this] { hangUp(); }}) {
    journal_.restartPreamble();
}

AtEngine::~AtEngine() = default;

void AtEngine::bytesIn(std::span<const uint8_t> bytes) {
    if (faults_.silent()) {
        wasSilent_ = true;  // the phone hears nothing
        return;
    }
    if (wasSilent_) {
        wasSilent_ = false;
        line_.clear();  // whatever was half-heard is gone
    }
    for (const uint8_t byte : bytes) {
        journal_.recordPreambleByte(byte);
        byteIn(byte);
        if (!transport_.isOpen()) return;
    }
}

void AtEngine::byteIn(uint8_t byte) {
    if (input_) {
        if (byte == kCtrlZ) {
            dataIn();
        } else if (byte == kEscape) {
            input_ = nullptr;
            data_.clear();
            answer("\r\nOK\r\n");
        } else {
            data_.push_back(static_cast<char>(byte));
            if (phone_.link.echo) write(std::string(1, static_cast<char>(byte)));
        }
        return;
    }
    if (phone_.link.echo) write(std::string(1, static_cast<char>(byte)));
    if (byte == '\r') {
        lineIn();
    } else if (byte != '\n') {
        line_.push_back(static_cast<char>(byte));
    }
}

void AtEngine::lineIn() {
    const std::string line = std::exchange(line_, {});
    if (line.empty()) return;
    journal_.completePreamble();
    const Message request = messageOf(kAtCommandLine, line);
    journal_.logRequest(request);
    if (trace_) trace_("PC", request);
    answer(runCommandLine(phone_, line, &input_));
    arrivals_.schedule(fixture_, [this](const StoredMessage& m) { deliverMessage(m); });
}

void AtEngine::deliverMessage(const StoredMessage& message) {
    auto& data = fixture_.siemens;
    int location = 1;
    while (location <= data.messageCapacity && data.messages.contains(location)) ++location;
    if (location > data.messageCapacity) return;
    StoredMessage arrived = message;
    arrived.status = 0;
    data.messages[location] = {0, storedPdu(arrived, fixture_.messages.centre)};
    if (phone_.link.messageIndications == 1)
        write("\r\n+CMTI: \"SM\"," + std::to_string(location) + "\r\n");
}

void AtEngine::dataIn() {
    const std::string data = std::exchange(data_, {});
    const auto input = std::exchange(input_, nullptr);
    const Message request = messageOf(kAtInputData, data);
    journal_.logRequest(request);
    if (trace_) trace_("PC", request);
    answer(replyText(phone_, input(data)));
}

void AtEngine::answer(std::string text) {
    if (text.empty()) return;
    delayedAnswers_.deliver([this, text = std::move(text)] { write(text); });
}

void AtEngine::write(const std::string& text) {
    if (trace_ && text.size() > 1) trace_("Telefon", messageOf(kAtAnswer, text));
    output_.writePlain({reinterpret_cast<const uint8_t*>(text.data()), text.size()});
}

void AtEngine::newSession() {
    delayedAnswers_.cancelAll();
    output_.reset();
    line_.clear();
    data_.clear();
    input_ = nullptr;
    phone_.link = {};  // a PC that comes anew finds the phone's defaults
    journal_.restartPreamble();
}

void AtEngine::hangUp() {
    newSession();
    transport_.close();
}

}  // namespace phonesim::siemens
