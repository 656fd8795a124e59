// Notifications the library posts to its host object (the object given to
// initport). They arrive as Qt events in the host's thread.
#pragma once

#include <QEvent>
#include <cstdint>

#include "phonelib/api/export.h"

namespace phonelib {

enum Notification : int {
    nfLinkLost = 0x465,        // the keep-alive declares the link lost
    nfLinkUp = 0x466,          // the phone answers again, or for the first time
    nfDisplayText = 0x467,     // Nokia 61xx: display text arrived
    nfKeepAliveCycle = 0x468,  // end of every keep-alive cycle that ran
    nfSmsProgress = 0x469,     // sending progress: wParam progress value, lParam state
    nfSmsArrived = 0x46B,      // the phone stored a message that just came in:
                               // wParam location, lParam folder id (0: no folders)
};

class PHONELIB_EXPORT PhoneNotification : public QEvent {
  public:
    PhoneNotification(int message, intptr_t wParam, intptr_t lParam);

    // The event type shared by every notification; hosts test event->type()
    // against it in their event() handler.
    static QEvent::Type eventType();

    int message() const { return message_; }
    intptr_t wParam() const { return wParam_; }
    intptr_t lParam() const { return lParam_; }

  private:
    int message_;
    intptr_t wParam_;
    intptr_t lParam_;
};

}  // namespace phonelib
