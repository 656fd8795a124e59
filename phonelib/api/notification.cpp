#include "phonelib/api/notification.h"

namespace phonelib {

PhoneNotification::PhoneNotification(int message, intptr_t wParam, intptr_t lParam)
    : QEvent(eventType()), message_(message), wParam_(wParam), lParam_(lParam) {}

QEvent::Type PhoneNotification::eventType() {
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

}  // namespace phonelib
