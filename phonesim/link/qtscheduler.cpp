#include "phonesim/link/qtscheduler.h"

#include <QMetaObject>
#include <QTimer>

namespace phonesim {

QtScheduler::QtScheduler(QObject* context) : context_(context) {
    clock_.start();
}

QtScheduler::~QtScheduler() {
    for (auto& [id, timer] : timers_) delete timer;
}

Millis QtScheduler::now() const {
    return Millis(clock_.elapsed());
}

Scheduler::TimerId QtScheduler::after(Millis delay, std::function<void()> fn) {
    const TimerId id = nextId_++;
    auto* timer = new QTimer(context_);
    timer->setSingleShot(true);
    timer->setTimerType(Qt::PreciseTimer);
    QObject::connect(timer, &QTimer::timeout, context_, [this, id, fn = std::move(fn)] {
        cancel(id);
        fn();
    });
    timers_[id] = timer;
    timer->start(delay);
    return id;
}

void QtScheduler::cancel(TimerId id) {
    const auto it = timers_.find(id);
    if (it == timers_.end()) return;
    it->second->stop();
    it->second->deleteLater();
    timers_.erase(it);
}

void QtScheduler::post(std::function<void()> fn) {
    QMetaObject::invokeMethod(context_, std::move(fn), Qt::QueuedConnection);
}

}  // namespace phonesim
