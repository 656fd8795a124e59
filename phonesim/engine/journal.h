// What the simulated phone has seen and done, for tests to inspect from any
// thread: every complete request, the raw bytes that came before the first
// good frame of a session, and counters of the link.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <vector>

#include "phonesim/link/scheduler.h"
#include "phonesim/wire/message.h"

namespace phonesim {

struct Counters {
    uint64_t framesReceived =
        0;                      // frames from the PC with good checksums, acknowledgements included
    uint64_t badChecksums = 0;  // frames from the PC that failed a checksum (not acknowledged)
    uint64_t acksSent = 0;
    uint64_t acksReceived = 0;   // acknowledgements that matched the frame in flight
    uint64_t framesSent = 0;     // answer frames sent for the first time
    uint64_t resends = 0;        // answer frames sent again after the acknowledgement time-out
    uint64_t framesGivenUp = 0;  // answer frames still unacknowledged after the last try
    uint64_t framesDropped = 0;  // answer frames swallowed by the drop fault
    uint64_t framesCorrupted = 0;

    bool operator==(const Counters&) const = default;
};

struct JournalRecord {
    std::vector<Message> requests;  // acknowledgements are not requests
    // From the start of the session (the PC opening the device) up to and
    // including the first good frame: wake-up bytes, modem commands, …
    std::vector<uint8_t> preamble;
    bool preambleComplete = false;
    Counters counters;
};

class Journal {
  public:
    void logRequest(const Message& request);
    void recordPreambleByte(uint8_t byte);
    void completePreamble();
    void restartPreamble();
    void count(uint64_t Counters::*counter);
    // Forgets the requests and counters; the preamble belongs to the session.
    void clear();

    JournalRecord snapshot() const;
    // Blocks until the condition holds for the journal or the timeout ends;
    // true when it held.
    bool waitUntil(const std::function<bool(const JournalRecord&)>& condition,
                   Millis timeout) const;

  private:
    void changed(const std::function<void(JournalRecord&)>& change);

    mutable std::mutex mutex_;
    mutable std::condition_variable changed_;
    JournalRecord record_;
};

}  // namespace phonesim
