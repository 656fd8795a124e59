// The three call lists of the phone ("Angenommene", "Verpasste",
// "Gewählte"), read anew each time their tab shows. Nokia phones number the
// calls from 1 to the list size; the Siemens driver counts from 0 and adds
// one itself. A read that fails ends the list there, and the user learns at
// which call it stopped.
#pragma once

#include <QString>
#include <functional>
#include <map>
#include <vector>

#include "corvina/common/callsequence.h"
#include "corvina/phonebook/phonebookcalls.h"

namespace corvina {

struct CallListRow {
    int number = 0;  // "Nr. ", from 1
    QString name;
    QString phoneNumber;
    QString group;
    bool operator==(const CallListRow&) const = default;
};

class CallLists {
  public:
    CallLists(PhonebookCalls calls, std::function<uint8_t()> modelNumber);

    // Reads the list of this memory code (5, 6 or 7); `done` runs at the end
    // with a message for the user, blank when the list was read completely.
    void read(uint8_t memory, std::function<void(const QString& notice)> done);
    // Ends the read before the next call.
    void cancel() { cancelled_ = true; }
    bool running() const { return running_; }

    const std::vector<CallListRow>& rows(uint8_t memory) { return rows_[memory]; }

    // Calls read and the calls the list holds.
    std::function<void(int done, int total)> progress;

    void setRetryInterval(int milliseconds) { sequence_.setRetryInterval(milliseconds); }

  private:
    void readNext(int location, int last, int used, int found);
    void finish(const QString& notice);

    PhonebookCalls calls_;
    std::function<uint8_t()> modelNumber_;
    CallSequence sequence_;
    std::map<uint8_t, std::vector<CallListRow>> rows_;
    uint8_t memory_ = 0;
    bool running_ = false;
    bool cancelled_ = false;
    int shift_ = 0;  // added to a location to give "Nr. "
    TCapacity capacity_;
    TPhoneBookEntry entry_;
    std::function<void(const QString&)> done_;
};

}  // namespace corvina
