// phonesim::Simulator — a simulated phone for end-to-end tests: a Nokia
// phone speaking FBUS, or a Siemens phone speaking AT commands when the
// fixture's model code names one (S45, S25, C35i, …; see siemens/atengine.h,
// whose journal entries are command lines).
//
// The phone runs on a thread of its own with its own event loop, so the
// code under test may block its own thread while the phone keeps answering.
// Every member function may be called from any thread except the
// simulator's own (for example from inside a trace callback).
//
//   phonesim::Simulator sim(phonesim::Fixture::forModel("NSE-3"));
//   const QString port = sim.startPty();        // "/dev/pts/7"; empty on failure
//   // … the library opens `port` with connection kind 1 or 2 …
//   sim.waitForRequest(0xD1, std::chrono::seconds(5));
//   sim.faults().setCorruptionRate(0.05);        // see faults/faults.h
//   sim.sendDisplayText("Hallo");
//   sim.deliverMessage(message);                 // a short message comes in
//   sim.fixture().identity.imei;                 // what the phone holds now
//   sim.requests();                              // every request so far
//   sim.counters().badChecksums;                 // link counters
//   sim.stop();                                  // also done by the destructor
//
// startPty(linkPath) also makes a symbolic link with a stable name to the
// device (removed again at stop). addInfrared(id) offers the phone as a
// device in infrared range as well (see transport/infrareddevice.h), or
// alone when no pseudo-terminal runs. The phone's content goes with the PC
// that spoke last, whichever link it uses. stop() ends every link, and the
// simulator can start again.
//
// Link timing: an answer frame the PC does not acknowledge within
// timing.ackTimeout (default 100 ms) is sent again, timing.tries sends in all
// (default 3).
#pragma once

#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "phonesim/engine/engine.h"
#include "phonesim/engine/journal.h"
#include "phonesim/faults/faults.h"
#include "phonesim/fixture/fixture.h"

class QObject;
class QThread;

namespace phonesim {

class Simulator {
  public:
    explicit Simulator(Fixture fixture = Fixture::forModel(QStringLiteral("NSE-3")),
                       LinkTiming timing = {});
    ~Simulator();
    Simulator(const Simulator&) = delete;
    Simulator& operator=(const Simulator&) = delete;

    // The device path of the pseudo-terminal's slave; empty on failure (see
    // errorString()). With a link path, a symbolic link to it is made too.
    QString startPty(const QString& linkPath = {});
    // Offers the phone as infrared device `deviceId` with the service of its
    // protocol ("Nokia:PhoNet"); false on failure (see errorString()).
    bool addInfrared(const QString& deviceId);
    // The socket of the infrared service; empty while none is offered.
    QString infraredServicePath() const;
    // Closes every link (and removes the symbolic link and infrared device).
    void stop();
    bool isRunning() const;
    // False once every link is closed (stop, or the hang-up fault).
    bool isLinkOpen() const;
    QString errorString() const { return error_; }

    Faults& faults() { return faults_; }

    void sendDisplayText(const QString& text);
    // A message comes in now: the phone stores it and tells the PC (see
    // fixture/messagedata.h, "arriving").
    void deliverMessage(const StoredMessage& message);
    // A copy of what the phone holds now.
    Fixture fixture() const;
    // Changes what the phone holds (for example the battery level) while it runs.
    void editFixture(const std::function<void(Fixture&)>& edit);
    bool saveFixture(const QString& path, QString* error) const;

    // Called on the simulator thread for every request and answer; set
    // before starting.
    void setTrace(PhoneEngine::Trace trace) { trace_ = std::move(trace); }
    // How often a phone of the 7110 family sends battery and signal by
    // itself (default 2 s); set before starting.
    void setStatusInterval(Millis interval) { statusInterval_ = interval; }

    std::vector<Message> requests() const { return journal_.snapshot().requests; }
    // Raw bytes of the session before and up to its first good frame.
    std::vector<uint8_t> preamble() const { return journal_.snapshot().preamble; }
    Counters counters() const { return journal_.snapshot().counters; }
    const Journal& journal() const { return journal_; }
    // Forgets the requests and counters so far.
    void clearJournal() { journal_.clear(); }
    // Waits until the phone has received `count` requests of the type.
    bool waitForRequest(uint8_t type, Millis timeout, size_t count = 1) const;

  private:
    struct Runtime;

    void onSimulatorThread(const std::function<void()>& work) const;
    void addLink(Runtime& runtime, std::unique_ptr<Transport> transport, Framing framing);

    SteadyClock clock_;
    Faults faults_{clock_};
    Journal journal_;
    LinkTiming timing_;
    Millis statusInterval_{2000};
    Fixture fixture_;  // used while no link is open
    PhoneEngine::Trace trace_;
    QString error_;
    std::unique_ptr<QThread> thread_;
    QObject* context_ = nullptr;  // lives on the simulator thread
    std::unique_ptr<Runtime> runtime_;
};

}  // namespace phonesim
