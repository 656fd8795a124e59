// The simulated Siemens phone on one link: it hears AT command lines (up to
// the carriage return), echoes what it hears while echo is on, answers each
// line with information lines and a final result code, and after a "> "
// prompt takes data up to Ctrl-Z (ESC drops it). Answers go through the
// output faults (silence, pieces, delay); there are no frames to drop or
// corrupt.
//
// The journal records every command line as a message of type
// kAtCommandLine and every block of prompted data as kAtInputData, with the
// bytes as body; the trace shows answers as kAtAnswer.
#pragma once

#include <memory>
#include <string>

#include "phonesim/engine/answerdelay.h"
#include "phonesim/engine/arrivals.h"
#include "phonesim/engine/journal.h"
#include "phonesim/engine/linkhooks.h"
#include "phonesim/engine/phoneengine.h"
#include "phonesim/faults/faults.h"
#include "phonesim/link/linkoutput.h"
#include "phonesim/link/scheduler.h"
#include "phonesim/siemens/atphone.h"
#include "phonesim/transport/transport.h"

namespace phonesim::siemens {

constexpr uint8_t kAtCommandLine = 'A';
constexpr uint8_t kAtInputData = '>';
constexpr uint8_t kAtAnswer = 'R';

class AtEngine : public PhoneEngine {
  public:
    AtEngine(Fixture fixture, Transport& transport, Scheduler& scheduler, Faults& faults,
             Journal& journal);
    ~AtEngine() override;

    const Fixture& fixture() const override { return fixture_; }
    Fixture& fixture() override { return fixture_; }
    void sendDisplayText(const QString&) override {}
    // Stored at the first free location, then "+CMTI: "SM",<location>" when
    // the PC asked for it (AT+CNMI=…,1).
    void deliverMessage(const StoredMessage& message) override;
    void setTrace(Trace trace) override { trace_ = std::move(trace); }
    void hangUp() override;

  private:
    void bytesIn(std::span<const uint8_t> bytes);
    void byteIn(uint8_t byte);
    void lineIn();
    void dataIn();
    void answer(std::string text);
    void write(const std::string& text);
    void newSession();

    Transport& transport_;
    Scheduler& scheduler_;
    Faults& faults_;
    Journal& journal_;
    Fixture fixture_;
    LinkOutput output_;
    AtPhone phone_;
    std::string line_;
    std::string data_;
    std::function<AtOutcome(const std::string&)> input_;  // set while the prompt waits
    AnswerDelay delayedAnswers_{scheduler_, faults_};
    Arrivals arrivals_{scheduler_};
    bool wasSilent_ = false;
    Trace trace_;
    LinkHooks hooks_;  // last: unhooked first
};

}  // namespace phonesim::siemens
