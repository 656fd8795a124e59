// Library calls of a module window, one after the other from the event loop,
// so the window stays responsive between them.
//
// A call the library refuses because another call of this thread is still
// running (status 200, stCallInProgress) is tried again a moment later;
// nothing else is repeated. Every other outcome goes to the call's
// continuation, which may add further calls (a write, then its read-back).
#pragma once

#include <QObject>
#include <cstdint>
#include <deque>
#include <functional>

namespace corvina {

class CallSequence : public QObject {
    Q_OBJECT

  public:
    using Call = std::function<uint8_t()>;             // one library call and its status
    using Then = std::function<void(uint8_t status)>;  // what follows it

    explicit CallSequence(QObject* parent = nullptr);

    void add(Call call, Then then = {});
    // Drops the calls not made yet; the one in flight still reaches its
    // continuation, which should check whether to go on.
    void cancel();
    bool running() const { return running_; }

    void setRetryInterval(int milliseconds) { retryMs_ = milliseconds; }

  signals:
    // The last continuation has run and added nothing more.
    void finished();

  private:
    struct Step {
        Call call;
        Then then;
    };

    void schedule(int milliseconds);
    void runNext();

    std::deque<Step> steps_;
    bool running_ = false;
    int retryMs_ = 200;
};

}  // namespace corvina
