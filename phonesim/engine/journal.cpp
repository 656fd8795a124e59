#include "phonesim/engine/journal.h"

namespace phonesim {

void Journal::changed(const std::function<void(JournalRecord&)>& change) {
    {
        std::lock_guard lock(mutex_);
        change(record_);
    }
    changed_.notify_all();
}

void Journal::logRequest(const Message& request) {
    changed([&](JournalRecord& r) { r.requests.push_back(request); });
}

void Journal::recordPreambleByte(uint8_t byte) {
    std::lock_guard lock(mutex_);
    if (!record_.preambleComplete) record_.preamble.push_back(byte);
}

void Journal::completePreamble() {
    changed([](JournalRecord& r) { r.preambleComplete = true; });
}

void Journal::restartPreamble() {
    changed([](JournalRecord& r) {
        r.preamble.clear();
        r.preambleComplete = false;
    });
}

void Journal::count(uint64_t Counters::*counter) {
    changed([counter](JournalRecord& r) { ++(r.counters.*counter); });
}

void Journal::clear() {
    changed([](JournalRecord& r) {
        r.requests.clear();
        r.counters = Counters{};
    });
}

JournalRecord Journal::snapshot() const {
    std::lock_guard lock(mutex_);
    return record_;
}

bool Journal::waitUntil(const std::function<bool(const JournalRecord&)>& condition,
                        Millis timeout) const {
    std::unique_lock lock(mutex_);
    return changed_.wait_for(lock, timeout, [&] { return condition(record_); });
}

}  // namespace phonesim
