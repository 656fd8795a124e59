// The loaded library: its state, driver table, frame layer and the library
// thread on which every phone operation runs.
//
// All phone I/O, the tick, the keep-alive and the dispatch of received
// messages run on one library thread with its own Qt event loop. Exports may
// be called from any thread; each runs there as one job at a time (see
// runJob). A driver that waits for an answer processes the library thread's
// events meanwhile, so received bytes and ticks keep flowing.
#pragma once

#include <QObject>
#include <QPointer>
#include <atomic>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include "phonelib/api/drivertable.h"
#include "phonelib/api/groupnames.h"
#include "phonelib/api/librarystate.h"
#include "phonelib/api/linkwatch.h"
#include "phonelib/api/status.h"
#include "phonelib/frames/atlines.h"
#include "phonelib/frames/fbusassembler.h"
#include "phonelib/frames/fbussender.h"
#include "phonelib/frames/receivebuffer.h"
#include "phonelib/transport/transport.h"

class QThread;
class QTimer;

namespace phonelib {

class TCommPortDriver;
class InfraredLink;

class Library {
  public:
    // The library is loaded on first use and unloaded at process exit.
    static Library& instance();

    Library(const Library&) = delete;
    Library& operator=(const Library&) = delete;

    LibraryState state;
    // The phone information record the drivers fill; its model code is
    // kept in state.ModelCode.
    TPhoneInfo phoneInfo;
    TPhoneInfo phoneInfoRecord() const {
        TPhoneInfo info = phoneInfo;
        info.modelCode = state.ModelCode;
        return info;
    }
    DriverTable table;
    ReceiveBuffer receiveBuffer;
    std::vector<std::string> atLines;  // the AT line list, shared with the AT driver
    FbusSender frames{state};
    FbusAssembler fbusAssembler;
    AtLineAssembler atAssembler;
    GroupNames groupNames;
    LinkWatch linkWatch;  // library thread only

    // --- Threading -------------------------------------------------------

    bool onLibraryThread() const;

    // Runs the job on the library thread and returns when it has finished.
    // On the library thread itself the job runs at once. A caller whose Qt
    // event loop is running keeps that loop serviced while it waits; other
    // callers block. A second call from a thread whose first call is still
    // in flight is refused (returns false, the job never runs); calls from
    // other threads wait their turn.
    bool runJob(std::function<void()> job);

    // Runs a status-returning job; a refused call gives stCallInProgress.
    template <class Job>
    uint8_t call(Job&& job) {
        uint8_t result = 0;
        if (!runJob([&] { result = job(); })) return stCallInProgress;
        return result;
    }

    // --- Waiting (library thread only) --------------------------------------

    // The reply wait: TickCount := 0, WaitLimit := limit, then process events
    // until the flag is non-zero or the limit is reached. Returns the flag,
    // or 3 when the time ran out without an answer. A connected phone's
    // request that hears nothing at all counts towards the link watch, which
    // may probe the phone and end the link before this returns; after the
    // end of the link it returns 3 at once.
    uint8_t waitForFlag(const std::atomic<uint8_t>& flag, int32_t limitTicks);
    uint8_t waitForReply(int32_t limitTicks) { return waitForFlag(state.ReplyState, limitTicks); }

    // For a wait of its own (not waitForFlag): tells the link watch that a
    // request has ended, answered or not; heardBefore is
    // linkWatch.heardCount() when it was sent. May probe the phone and end
    // the link before it returns.
    void requestEnded(bool answered, uint64_t heardBefore);

    // Processes events until the condition holds.
    void processEventsUntil(const std::function<bool()>& done);

    // Sleeps for a time given in milliseconds of a 1000 ms tick: it scales
    // with the tick period, so tests that run fast ticks sleep less. Events
    // are processed meanwhile.
    void sleepScaled(int milliseconds);

    // --- Tick ---------------------------------------------------------------

    // Tick period in milliseconds (default 1000). 0 stops the timer for good:
    // ticks then come only from tick(), which tests use as a fake clock.
    void setTickPeriod(int milliseconds);
    int tickPeriod() const { return tickPeriod_; }
    void startTick();
    void stopTick();
    bool tickRunning() const;
    // TickCount + 1, then the keep-alive slot.
    void tick();

    // --- Host notifications ------------------------------------------------

    void setHost(QObject* host);
    // Clears the host if it is this object; no notification reaches it after.
    void detachHost(QObject* host);
    void post(int message, intptr_t wParam = 0, intptr_t lParam = 0);

    // --- Links ---------------------------------------------------------------

    // The link of the current connection; frames and AT text go there.
    void setTransport(Transport* transport);
    Transport* transport() const { return transport_; }
    // Received bytes go to the FBUS assembler or the AT line assembler.
    void receiveWithFbus();
    void receiveWithAt();
    void receive(const uint8_t* data, size_t size);
    // Sends AT text over the current link (dropped on a lost infrared link).
    void sendText(std::string_view text);

    // The phone is gone (the port hung up or failed, or a silent phone did
    // not answer the probe): Connected drops, the serial port is closed, the
    // keep-alive rests and the host hears 0x465 unless the loss was already
    // announced. Until the next connection set-up every export answers
    // "not connected" at once. Does nothing while no phone is connected.
    void endLink();

    // The serial port driver, created at load; library thread only.
    TCommPortDriver& serialPort() { return *serialPort_; }
    // The infrared link, created at load; library thread only.
    InfraredLink& infrared() { return *infrared_; }

    // State, assembler and slots as after loading: not connected, Busy,
    // WaitLimit 3, the Nokia 61xx dispatcher and keep-alive, default
    // calendar info. Loading uses it; so do tests between cases.
    void restoreLoadState();

  private:
    Library();
    ~Library();

    struct PendingJob;
    void enqueue(std::shared_ptr<PendingJob> job);
    void drainJobs();
    void load();
    void unload();
    void processEventsOnce();
    void probeLink();

    QThread* thread_ = nullptr;
    QObject* context_ = nullptr;  // lives on the library thread
    QTimer* tickTimer_ = nullptr;
    TCommPortDriver* serialPort_ = nullptr;  // child of context_
    InfraredLink* infrared_ = nullptr;       // child of context_
    std::atomic<int> tickPeriod_{1000};
    QPointer<QObject> host_;
    std::mutex hostMutex_;
    Transport* transport_ = nullptr;
    bool receiveAt_ = false;

    std::mutex jobMutex_;
    std::deque<std::shared_ptr<PendingJob>> jobs_;
    bool runningJob_ = false;  // library thread only
};

inline Library& lib() {
    return Library::instance();
}

}  // namespace phonelib
