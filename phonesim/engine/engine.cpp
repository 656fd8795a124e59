#include "phonesim/engine/engine.h"

#include "phonesim/link/phonetlink.h"
#include "phonesim/nokia61xx/requests.h"

namespace phonesim {

Engine::Engine(Fixture fixture, Transport& transport, Scheduler& scheduler, Faults& faults,
               Journal& journal, EngineSettings settings)
    : transport_(transport),
      scheduler_(scheduler),
      faults_(faults),
      journal_(journal),
      settings_(settings),
      fixture_(std::move(fixture)),
      output_(transport, scheduler, faults, journal),
      phone_{fixture_, [this](Message m) { answer(std::move(m)); }},
      family_(familyOf(fixture_.identity.modelCode)),
      hooks_(transport, scheduler, faults,
             {[this](std::span<const uint8_t> bytes) { bytesIn(bytes); }, [this] { newSession(); },
              [this] { hangUp(); }}) {
    if (settings.framing == Framing::Cable) {
        link_ = std::make_unique<CableLink>(output_, scheduler, journal, settings.timing);
    } else {
        link_ = std::make_unique<PhonetLink>(output_, journal);
        modem_.switchToFbus();
    }
    link_->setMessageHandler([this](const Message& m) { requestIn(m); });
    link_->setFrameHandler([this] {
        journal_.completePreamble();
        modem_.switchToFbus();
    });
    journal_.restartPreamble();
}

Engine::~Engine() {
    if (statusTimer_) scheduler_.cancel(*statusTimer_);
}

void Engine::bytesIn(std::span<const uint8_t> bytes) {
    if (faults_.silent()) {
        wasSilent_ = true;  // the phone hears nothing
        return;
    }
    if (wasSilent_) {
        wasSilent_ = false;
        link_->dropPartialInput();  // whatever was half-heard is gone
    }
    for (const uint8_t byte : bytes) {
        journal_.recordPreambleByte(byte);
        if (!modem_.inFbusMode()) {
            if (const auto reply = modem_.feed(byte)) {
                output_.writePlain(
                    {reinterpret_cast<const uint8_t*>(reply->data()), reply->size()});
            }
        }
        link_->receiveByte(byte);
        if (!transport_.isOpen()) return;
    }
}

void Engine::requestIn(const Message& request) {
    journal_.logRequest(request);
    if (trace_) trace_("PC", request);
    family_.dispatch(phone_, request);
    arrivals_.schedule(fixture_, [this](const StoredMessage& m) { deliverMessage(m); });
    if (family_.statusMessages && !statusTimer_) {
        statusTimer_ = scheduler_.after(settings_.statusInterval, [this] { sendStatus(); });
    }
}

void Engine::sendStatus() {
    // A silent phone says nothing, also of its own accord.
    if (!faults_.silent()) {
        for (const Message& message : family_.statusMessages(fixture_)) send(message);
    }
    statusTimer_ = scheduler_.after(settings_.statusInterval, [this] { sendStatus(); });
}

void Engine::deliverMessage(const StoredMessage& message) {
    if (const auto announcement = family_.storeArrival(fixture_, message)) send(*announcement);
}

void Engine::answer(Message message) {
    delayedAnswers_.deliver([this, message = std::move(message)] { send(message); });
}

void Engine::send(const Message& message) {
    if (trace_) trace_("Telefon", message);
    link_->send(message);
}

void Engine::sendDisplayText(const QString& text) {
    send(nokia61xx::displayTextMessage(text));
}

void Engine::dropPending() {
    delayedAnswers_.cancelAll();
    if (statusTimer_) scheduler_.cancel(*statusTimer_);
    statusTimer_.reset();
    link_->reset();
    output_.reset();
}

void Engine::newSession() {
    dropPending();
    if (settings_.framing == Framing::Cable) modem_.reset();
    journal_.restartPreamble();
}

void Engine::hangUp() {
    dropPending();
    transport_.close();
}

}  // namespace phonesim
