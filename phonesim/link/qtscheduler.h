// Scheduler on Qt timers, for a simulator that runs in an event loop.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <map>

#include "phonesim/link/scheduler.h"

class QTimer;

namespace phonesim {

class QtScheduler : public Scheduler {
  public:
    // The timers live in the thread of context, and posted functions run there.
    explicit QtScheduler(QObject* context);
    ~QtScheduler() override;

    Millis now() const override;
    TimerId after(Millis delay, std::function<void()> fn) override;
    void cancel(TimerId id) override;
    void post(std::function<void()> fn) override;

  private:
    QObject* context_;
    QElapsedTimer clock_;
    std::map<TimerId, QTimer*> timers_;
    TimerId nextId_ = 1;
};

}  // namespace phonesim
