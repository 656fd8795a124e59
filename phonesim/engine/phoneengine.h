// What the simulator needs of a phone on an open link, whatever it speaks:
// the Nokia phones FBUS (engine.h), the Siemens phones AT commands
// (siemens/atengine.h).
#pragma once

#include <QString>
#include <functional>

#include "phonesim/fixture/fixture.h"
#include "phonesim/wire/message.h"

namespace phonesim {

class PhoneEngine {
  public:
    // direction: "PC" for requests, "Telefon" for answers.
    using Trace = std::function<void(const char* direction, const Message& message)>;

    virtual ~PhoneEngine() = default;

    virtual const Fixture& fixture() const = 0;
    virtual Fixture& fixture() = 0;
    // Unsolicited display text; phones without one ignore it.
    virtual void sendDisplayText(const QString& text) = 0;
    // A message comes in: the phone stores it and tells the PC.
    virtual void deliverMessage(const StoredMessage& message) = 0;
    virtual void setTrace(Trace trace) = 0;
    // Closes the link for good (the hang-up fault).
    virtual void hangUp() = 0;
};

}  // namespace phonesim
