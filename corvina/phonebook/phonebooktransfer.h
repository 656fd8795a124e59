// Download and upload of one memory table, as a step machine: each step
// makes at most one library call (through a CallSequence), and the next
// step runs from the event loop, so the window stays responsive, the wait window can show "r / n",
// and a cancel takes effect between two entries. Questions to the user are
// handed to UserDialogs and the transfer goes on with the answer.
//
// A call refused because another call of this thread is still in flight is
// tried again a moment later. A lost link (status 14, or the 0x465
// notification through linkLost()) ends the transfer at once with one
// message; what was read stays in the table.
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

#include "corvina/common/callsequence.h"
#include "corvina/common/userdialogs.h"
#include "corvina/phonebook/phonebookcalls.h"
#include "corvina/phonebook/phonebookseams.h"
#include "corvina/phonebook/phonebooktable.h"

namespace corvina {

class PhonebookTransfer : public QObject {
    Q_OBJECT

  public:
    enum class Kind { Download, Upload };
    Q_ENUM(Kind)
    enum class End { Done, Failed, Cancelled, LinkLost };
    Q_ENUM(End)

    PhonebookTransfer(PhonebookCalls calls, UserDialogs dialogs, PhonebookSeams seams,
                      QObject* parent = nullptr);

    // Start a transfer of the table for the phone of this model number; the
    // table must outlive the transfer. Nothing happens while one runs.
    void download(PhonebookTable& table, uint8_t modelNumber);
    void upload(PhonebookTable& table, uint8_t modelNumber);
    bool running() const { return active_; }
    Kind kind() const { return kind_; }
    // The memory of the table the last transfer worked on.
    uint8_t memory() const { return table_ ? table_->memory() : uint8_t{memSim}; }

    // Ends the transfer before the next entry.
    void cancel() { cancelled_ = true; }
    // The library lost the link (0x465).
    void linkLost();

    void setRetryInterval(int milliseconds) { sequence_.setRetryInterval(milliseconds); }

  signals:
    // The first phone call is about to be made (show the wait window).
    void started();
    void progress(int done, int total);
    // A text for the main window's status line.
    void status(const QString& text);
    // Total, free and used locations of the memory.
    void capacityText(const QString& text);
    void tableChanged();
    void finished(corvina::PhonebookTransfer::End end);

  private:
    void begin(PhonebookTable& table, uint8_t modelNumber, Kind kind);
    void ask(const Question& question, std::function<void(Answer)> then);
    // Queues a library call; its continuation runs with the status unless
    // the transfer ended meanwhile. A lost link ends the transfer instead.
    void request(std::function<uint8_t()> libraryCall, std::function<void(uint8_t)> then);
    // Whether the step may go on (no cancel, no lost link); ends the
    // transfer otherwise.
    bool proceed();
    void stop();
    void end(End how);
    void endLinkLost();
    void reportCapacityFailure();
    void showCapacity(int total, int free, int used);

    // Reads (before a download) or writes (after an upload) the speed dials
    // of the SIM or the phone memory, then goes on unless the transfer ended.
    void withSpeedDials(bool reading, std::function<void()> then);
    // Download
    void downloadGroupNames();
    void downloadCapacity();
    void downloadCapacityQuery();
    void downloadIdentity();
    void downloadNext();
    void downloadRead(int location, uint8_t result);
    void downloadFinish();
    void keepRow(PhonebookRow row);
    // Upload
    void uploadCapacity();
    void uploadFit();
    void uploadCheck();
    void uploadAskInvalidLocations(size_t from);
    void uploadAskUnencodable();
    void uploadConfirm();
    void uploadIdentity();
    void uploadPad(bool identified);
    void uploadNext();
    void uploadWritten(int location, uint8_t result);
    void uploadFinish();
    void uploadReport();

    PhonebookCalls calls_;
    UserDialogs dialogs_;
    PhonebookSeams seams_;
    CallSequence sequence_;

    PhonebookTable* table_ = nullptr;
    uint8_t model_ = 0;
    Kind kind_ = Kind::Download;
    bool active_ = false;
    bool cancelled_ = false;
    bool linkLost_ = false;
    bool waitingForAnswer_ = false;
    unsigned run_ = 0;

    TCapacity capacity_;
    TPhoneInfo info_;
    TPhoneBookEntry entry_;  // read or written by the call in flight
    PhonebookRow row_;       // the row of the entry being written
    // Download
    int location_ = 0;
    int found_ = 0;
    int emptyInARow_ = 0;
    bool complete_ = true;
    // Upload
    std::vector<int> invalidRows_;  // occupied rows whose location is no number
    QStringList unencodable_;       // characters the phone's character set lacks
    std::vector<int> toWrite_;      // locations, in order
    size_t written_ = 0;
    QStringList failures_;
};

// The reason behind a status, for messages that name a failed location.
QString statusReason(uint8_t status);

}  // namespace corvina
