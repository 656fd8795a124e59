// The faults the simulated phone can be told to show. Every setter may be
// called from any thread while the simulator runs; 0 switches a fault off.
//
//   silenceFor(d)        hear nothing and say nothing for d: no acknowledgements,
//                        no answers, received bytes are lost; then back to normal
//   setDropEvery(n)      every n-th frame of an answer is not sent (the resend
//                        after the acknowledgement time-out repairs it)
//   setCorruptEvery(n)   every n-th frame of an answer goes out with one byte
//                        changed, so its checksums fail
//   setCorruptionRate(p) each frame of an answer is corrupted with probability p
//   setChunking(max)     everything written goes out in pieces of 1 to max bytes,
//                        1 ms apart
//   setAnswerDelay(d)    each answer is sent d after its request came in
//   setSeed(s)           seeds the random choices (corruption, piece sizes)
//   hangUp()             closes the link for good
//
// Drop and corruption apply to the frames of answers (first sends and
// resends alike), not to acknowledgements: only those frames are resent.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <mutex>

#include "phonesim/link/scheduler.h"

namespace phonesim {

class Faults {
  public:
    // The clock measures the silence.
    explicit Faults(const Clock& clock) : clock_(clock) {}

    void silenceFor(Millis duration);
    bool silent() const { return clock_.now() < Millis(silentUntil_.load()); }

    void setDropEvery(int n) { dropEvery_ = n; }
    int dropEvery() const { return dropEvery_; }
    void setCorruptEvery(int n) { corruptEvery_ = n; }
    int corruptEvery() const { return corruptEvery_; }
    void setCorruptionRate(double probability) { corruptionRate_ = probability; }
    double corruptionRate() const { return corruptionRate_; }
    void setChunking(int maxChunk) { maxChunk_ = maxChunk; }
    int maxChunk() const { return maxChunk_; }
    void setAnswerDelay(Millis delay) { answerDelay_ = delay.count(); }
    Millis answerDelay() const { return Millis(answerDelay_.load()); }

    void setSeed(uint32_t seed);
    // Changes whenever setSeed is called, so users of the seed can reseed.
    uint64_t seedGeneration() const { return seedGeneration_; }
    uint32_t seed() const { return seed_; }

    // Asks the simulator to hang up; it does so on its own thread right after.
    void hangUp();
    // Installed by the engine; hangUp() calls it.
    void setHangUpHandler(std::function<void()> handler);

  private:
    const Clock& clock_;
    std::atomic<int64_t> silentUntil_{0};
    std::atomic<int> dropEvery_{0};
    std::atomic<int> corruptEvery_{0};
    std::atomic<double> corruptionRate_{0};
    std::atomic<int> maxChunk_{0};
    std::atomic<int64_t> answerDelay_{0};
    std::atomic<uint32_t> seed_{1};
    std::atomic<uint64_t> seedGeneration_{0};
    std::mutex handlerMutex_;
    std::function<void()> hangUpHandler_;
};

}  // namespace phonesim
