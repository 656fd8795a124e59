#include "corvina/phonebook/calllists.h"

#include "codecs/tools/cp1252.h"
#include "corvina/connection/modelnumbers.h"
#include "corvina/language/language.h"
#include "corvina/phonebook/phonebooktransfer.h"
#include "phonelib/api/status.h"

namespace corvina {

CallLists::CallLists(PhonebookCalls calls, std::function<uint8_t()> modelNumber)
    : calls_(std::move(calls)), modelNumber_(std::move(modelNumber)) {}

void CallLists::read(uint8_t memory, std::function<void(const QString&)> done) {
    if (running_) return;
    running_ = true;
    cancelled_ = false;
    memory_ = memory;
    done_ = std::move(done);
    rows_[memory].clear();
    capacity_ = TCapacity{.memory = memory};
    sequence_.add(
        [this] { return calls_.capacity(capacity_); },
        [this](uint8_t result) {
            // Nokia phones give the list size without asking the
            // phone and say "not available" for it.
            if (result != phonelib::stDone && result != phonelib::stNotAvailable) {
                return finish(tx("anrufliste_1", "Die Anrufliste konnte nicht gelesen werden (%1).")
                                  .arg(statusReason(result)));
            }
            const int total = capacity_.total;
            const int used = capacity_.used >= 0 ? capacity_.used : total;
            const bool siemens = isSiemens(modelNumber_());
            shift_ = siemens ? 1 : 0;
            const int first = siemens ? 0 : 1;
            readNext(first, first + total - 1, used, 0);
        });
}

void CallLists::readNext(int location, int last, int used, int found) {
    if (cancelled_ || location > last || found >= used) return finish({});
    if (progress) progress(found, used);
    sequence_.add(
        [this, location] {
            entry_ = TPhoneBookEntry{};
            entry_.memory = memory_;
            entry_.location = location;
            return calls_.read(entry_);
        },
        [this, location, last, used, found](uint8_t result) {
            const int number = location + shift_;
            if (result == phonelib::stEmptyLocation)
                return readNext(location + 1, last, used, found);
            if (result != phonelib::stDone) {
                return finish(tx("anrufliste_2", "Die Anrufliste endet bei Eintrag %1 (%2).")
                                  .arg(number)
                                  .arg(statusReason(result)));
            }
            if (entry_.empty != 0) return readNext(location + 1, last, used, found);
            CallListRow row;
            row.number = number;
            row.name = tools::fromCp1252(entry_.name);
            row.group = tools::fromCp1252(entry_.group.groupName).trimmed();
            if (entry_.numberCount > 0 && !entry_.numbers.empty())
                row.phoneNumber = tools::fromCp1252(entry_.numbers.front().number);
            rows_[memory_].push_back(row);
            readNext(location + 1, last, used, found + 1);
        });
}

void CallLists::finish(const QString& notice) {
    running_ = false;
    if (progress) progress(int(rows_[memory_].size()), int(rows_[memory_].size()));
    auto done = std::move(done_);
    done_ = {};
    if (done) done(notice);
}

}  // namespace corvina
