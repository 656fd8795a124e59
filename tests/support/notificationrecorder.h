// Collects the notifications the library posts to its host.
#pragma once

#include <QCoreApplication>
#include <QObject>
#include <vector>

#include "phonelib/api/notification.h"

namespace testing_support {

class NotificationRecorder : public QObject {
  public:
    struct Received {
        int message;
        intptr_t wParam;
        intptr_t lParam;
    };

    bool event(QEvent* event) override {
        if (event->type() != phonelib::PhoneNotification::eventType()) return QObject::event(event);
        const auto* n = static_cast<phonelib::PhoneNotification*>(event);
        received_.push_back({n->message(), n->wParam(), n->lParam()});
        return true;
    }

    // Delivers what has been posted so far and returns the message numbers.
    std::vector<int> messages() {
        QCoreApplication::sendPostedEvents(this);
        std::vector<int> result;
        for (const auto& r : received_) result.push_back(r.message);
        return result;
    }
    const std::vector<Received>& received() {
        QCoreApplication::sendPostedEvents(this);
        return received_;
    }
    void clear() {
        QCoreApplication::sendPostedEvents(this);
        received_.clear();
    }

  private:
    std::vector<Received> received_;
};

}  // namespace testing_support
