// Sending one text to the recipients of the list, one recipient per step,
// so the window stays responsive and the user can stop between two
// recipients.
//
// Every recipient is checked before anything is sent: an item "Name
// [number]" goes out to the number, an item the number check rejects is
// left out and named. A text of more than nine parts is refused whole.
// The library sends the text of one recipient as one (possibly
// concatenated) message and stops at its first failed part; the summary
// names every recipient not reached and why.
#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

#include "corvina/messages/messagecalls.h"

namespace corvina {

struct SendOptions {
    QString centre;  // the message centre's number
    bool flash = false;
    bool statusReport = false;
    int validity = 5;
    bool allowUnicode = false;
};

enum class SendState { Running, Done, Incomplete, Refused, LinkLost, Cancelled };

class MessageSending {
  public:
    MessageSending(MessageCalls calls, QStringList recipients, QString text, SendOptions options);

    SendState step();
    void cancel() { cancelled_ = true; }
    void linkLost() { linkLost_ = true; }

    SendState state() const { return state_; }
    bool busy() const { return busy_; }
    // Recipients with a usable number (those that will be tried) and the
    // position of the next one.
    int recipients() const { return static_cast<int>(targets_.size()); }
    int position() const { return next_; }
    int reached() const { return reached_; }
    // The status line after the last recipient.
    QString statusLine() const;
    // The whole result: who got it, who did not and why.
    QString summary() const;

  private:
    struct Target {
        QString item;
        QString number;
        uint8_t result = 0;  // 0: not tried yet
    };

    SendState finish(SendState state);

    MessageCalls calls_;
    QString text_;
    SendOptions options_;
    std::vector<Target> targets_;
    QStringList unusable_;
    int parts_ = 0;
    bool tooLong_ = false;
    int next_ = 0;
    int reached_ = 0;
    SendState state_ = SendState::Running;
    bool busy_ = false;
    bool cancelled_ = false;
    bool linkLost_ = false;
};

// Why a send failed, for the summary.
QString sendResultText(uint8_t result);

// The message record sent to one number: Windows-1252 text, and the whole
// text as UTF-8 when Unicode is allowed.
GSMSMS messageRecord(const QString& text, const QString& number, const SendOptions& options);

}  // namespace corvina
