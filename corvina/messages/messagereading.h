// Reading the phone's stored messages into a new store: the folder list,
// then one message per step, so the window can show progress, stay
// responsive and stop between two messages.
//
// Location phones (Siemens, Nokia 61xx) are read from location 1 upwards:
// an empty location is passed over, the end of the memory (17 on a Nokia,
// 20 on a Siemens) ends the read normally, any other answer ends it early
// and the summary says at which location and why. Folder phones are read
// folder by folder at the locations the folder list names; a failure ends
// the read the same way. When the folder list cannot be read the read ends
// at once and the old store stays as it was (hasStore() is false).
#pragma once

#include <QString>
#include <cstdint>

#include "corvina/messages/messagecalls.h"
#include "corvina/messages/messagestore.h"

namespace corvina {

enum class ReadState { Running, Done, Incomplete, Failed, LinkLost, Cancelled };

class MessageReading {
  public:
    // `inbox` and `outbox`: the folder names of received and outgoing
    // messages on a location phone.
    MessageReading(MessageCalls calls, uint8_t modelNumber, QString inbox, QString outbox);

    // One library call. A call refused because another one of this thread
    // is still running is tried again at the next step (busy() is true).
    ReadState step();
    void cancel() { cancelled_ = true; }
    void linkLost() { linkLost_ = true; }

    ReadState state() const { return state_; }
    bool busy() const { return busy_; }
    bool hasStore() const { return foldersRead_; }
    const MessageStore& store() const { return store_; }
    MessageFamily family() const { return family_; }
    // Progress for the wait window: "Ordner: f / F", "Nr.: k / n" or the
    // growing dots of a location read.
    QString progressText() const;
    // What the status line says and, when the read ended early, why.
    QString summary() const;

  private:
    ReadState finish(ReadState state);
    ReadState readLocation();
    ReadState readFolder();
    bool nextListed();

    MessageCalls calls_;
    MessageFamily family_;
    QString inbox_, outbox_;
    MessageStore store_;
    ReadState state_ = ReadState::Running;
    bool foldersRead_ = false;
    bool busy_ = false;
    bool cancelled_ = false;
    bool linkLost_ = false;
    int location_ = 1;  // location phones: the next location
    int folder_ = 0;    // folder phones: the folder and the index in its list
    int listed_ = 0;
    int stoppedAt_ = 0;  // the location that ended the read early
    QString stoppedFolder_;
    uint8_t stopResult_ = 0;
    int dots_ = 0;
};

// Why a read answered as it did, for the summary.
QString readResultText(uint8_t result);

}  // namespace corvina
