// Writing a note table to the phone, one library call per step.
//
// Replace (the window's upload): the phone is emptied first (the Nokia
// families; Siemens phones are written over location by location and
// their surplus notes deleted afterwards), then every note is written.
// Nothing is deleted when the table holds more notes than the phone
// reports it can keep, or when the calendar information cannot be read.
// Append (the command-line import): the notes are written beside those
// the phone holds.
//
// Every result but "done" counts as a note not written; the summary names
// each one.
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include "corvina/calendar/calendardownload.h"

namespace corvina {

class CalendarUpload {
  public:
    enum class Mode { Replace, Append };

    // Append: `usedLocations` are the phone's occupied locations (Siemens
    // phones are written at the first free ones).
    CalendarUpload(CalendarCalls calls, uint8_t modelNumber, std::vector<CalendarNote> notes,
                   Mode mode = Mode::Replace, std::vector<int32_t> usedLocations = {});

    TransferState step();
    void cancel() { cancelled_ = true; }
    void linkLost() { linkLost_ = true; }

    TransferState state() const { return state_; }
    bool busy() const { return busy_; }
    bool clearing() const { return phase_ == Phase::Clear; }
    // "i / n" of the running phase.
    QString progressText() const;
    int written() const { return written_; }
    int total() const { return static_cast<int>(notes_.size()); }
    QString summary() const;

  private:
    enum class Phase { Info, Clear, Write, Tail, Over };

    TransferState finish(TransferState state);
    TransferState clearNext();
    TransferState writeNext();
    TransferState deleteSurplus();
    // A result that ends the step machine; nothing when it goes on.
    bool handled(uint8_t result, TransferState& out);
    int32_t writeLocation(int32_t nextLocation);

    CalendarCalls calls_;
    uint8_t model_;
    std::vector<CalendarNote> notes_;
    Mode mode_;
    std::vector<int32_t> used_;
    TCalendarInfo info_;
    Phase phase_ = Phase::Info;
    TransferState state_ = TransferState::Running;
    int cleared_ = 0;
    int clearTotal_ = 0;
    int next_ = 0;
    int written_ = 0;
    int32_t surplus_ = 0;
    uint8_t lastWrite_ = 0;
    uint8_t failure_ = 0;  // the status that stopped the upload
    QString failureText_;
    QStringList notWritten_;
    bool busy_ = false;
    bool cancelled_ = false;
    bool linkLost_ = false;
};

}  // namespace corvina
