// The simulated phone on one link: bytes from the transport go through the
// DLR-3 modem prelude and the link layer to the request table of the phone;
// answers go back through the link layer and the output faults.
//
// An engine runs on one thread (the simulator thread, or the test's own
// thread with a ManualScheduler and a PipeTransport); only Faults and
// Journal may be touched from elsewhere.
#pragma once

#include <QString>
#include <functional>
#include <memory>
#include <optional>

#include "phonesim/engine/answerdelay.h"
#include "phonesim/engine/arrivals.h"
#include "phonesim/engine/family.h"
#include "phonesim/engine/journal.h"
#include "phonesim/engine/linkhooks.h"
#include "phonesim/engine/phoneengine.h"
#include "phonesim/faults/faults.h"
#include "phonesim/fixture/fixture.h"
#include "phonesim/link/cablelink.h"
#include "phonesim/link/linkoutput.h"
#include "phonesim/link/messagelink.h"
#include "phonesim/link/modemprelude.h"
#include "phonesim/link/scheduler.h"
#include "phonesim/nokia61xx/phone.h"
#include "phonesim/transport/transport.h"

namespace phonesim {

enum class Framing {
    Cable,   // FBUS on the serial cable (pseudo-terminal, pipe)
    Phonet,  // PhoNet, the infrared stand-in (Unix socket)
};

struct EngineSettings {
    Framing framing = Framing::Cable;
    LinkTiming timing;
    // How often a phone of the 7110 family tells battery and signal by
    // itself, once the PC has sent its first request.
    Millis statusInterval{2000};
};

class Engine : public PhoneEngine {
  public:
    Engine(Fixture fixture, Transport& transport, Scheduler& scheduler, Faults& faults,
           Journal& journal, EngineSettings settings = {});
    ~Engine() override;

    const Fixture& fixture() const override { return fixture_; }
    Fixture& fixture() override { return fixture_; }

    // Unsolicited display text (type 0x0D, sub-code 0x50).
    void sendDisplayText(const QString& text) override;
    void deliverMessage(const StoredMessage& message) override;
    void hangUp() override;
    void setTrace(Trace trace) override { trace_ = std::move(trace); }

  private:
    void bytesIn(std::span<const uint8_t> bytes);
    void requestIn(const Message& request);
    void answer(Message message);
    void send(const Message& message);
    void dropPending();
    void newSession();
    void sendStatus();

    Transport& transport_;
    Scheduler& scheduler_;
    Faults& faults_;
    Journal& journal_;
    EngineSettings settings_;
    Fixture fixture_;
    LinkOutput output_;
    std::unique_ptr<MessageLink> link_;
    ModemPrelude modem_;
    nokia61xx::Phone phone_;
    PhoneFamily family_;
    std::optional<Scheduler::TimerId> statusTimer_;
    Arrivals arrivals_{scheduler_};
    AnswerDelay delayedAnswers_{scheduler_, faults_};
    bool wasSilent_ = false;
    Trace trace_;
    LinkHooks hooks_;  // last: unhooked first
};

}  // namespace phonesim
