// A link that records every byte written to it.
#pragma once

#include <mutex>
#include <vector>

#include "phonelib/transport/transport.h"

namespace testing_support {

class FakeTransport : public phonelib::Transport {
  public:
    int64_t write(const uint8_t* data, size_t size) override {
        std::lock_guard lock(mutex_);
        written_.insert(written_.end(), data, data + size);
        return static_cast<int64_t>(size);
    }
    std::vector<uint8_t> written() const {
        std::lock_guard lock(mutex_);
        return written_;
    }
    std::vector<uint8_t> take() {
        std::lock_guard lock(mutex_);
        return std::exchange(written_, {});
    }

  private:
    mutable std::mutex mutex_;
    std::vector<uint8_t> written_;
};

}  // namespace testing_support
