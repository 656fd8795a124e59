// Reading the phone's calendar note by note into a new table: one library
// call per step, so the window can show progress, stay responsive and stop
// between two notes.
//
// The old table stays untouched until the caller takes the new one; when
// the calendar information cannot be read nothing is taken at all. A note
// that does not read after three tries is named in the summary, as are the
// notes a lost link or a cancel left unread.
#pragma once

#include <QString>
#include <vector>

#include "corvina/calendar/calendarcalls.h"
#include "corvina/calendar/notetable.h"

namespace corvina {

enum class TransferState {
    Running,     // call step() again
    Done,        // everything went through
    Incomplete,  // ended, but notes failed (see summary)
    Failed,      // nothing done (the calendar information, or too many notes)
    LinkLost,
    Cancelled,
};

bool transferOver(TransferState state);

class CalendarDownload {
  public:
    CalendarDownload(CalendarCalls calls, uint8_t modelNumber, int shownYear);

    // One library call. A call refused because another one of this thread
    // is still running is tried again at the next step (busy() is then true).
    TransferState step();
    // Ends the download before the next note.
    void cancel() { cancelled_ = true; }
    // The phone went away (notification 0x465).
    void linkLost() { linkLost_ = true; }

    TransferState state() const { return state_; }
    bool busy() const { return busy_; }
    // Notes read so far out of the listed ones.
    int position() const { return next_; }
    int total() const { return total_; }
    const NoteTable& table() const { return table_; }
    // Locations that held a note (for writing beside them).
    const std::vector<int32_t>& usedLocations() const { return used_; }
    int32_t maximum() const { return info_.maximum; }
    // Whether the calendar information was read, so the table counts.
    bool hasTable() const { return infoStatus_ == 1; }
    // The status line text and, when something went wrong, what.
    QString summary() const;

  private:
    enum class Phase { Info, Notes, LastAgain, Over };

    TransferState finish(TransferState state);
    TransferState readNext();
    QString unreadText() const;

    CalendarCalls calls_;
    uint8_t model_;
    int shownYear_;
    TCalendarInfo info_;
    Phase phase_ = Phase::Info;
    TransferState state_ = TransferState::Running;
    NoteTable table_;
    std::vector<int32_t> used_;
    std::vector<int32_t> failed_;
    int total_ = 0;
    int next_ = 0;  // index of the next listed location
    int tries_ = 0;
    uint8_t lastResult_ = 0;
    uint8_t infoStatus_ = 0;
    bool busy_ = false;
    bool cancelled_ = false;
    bool linkLost_ = false;
    bool tableFull_ = false;
};

}  // namespace corvina
