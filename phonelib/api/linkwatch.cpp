#include "phonelib/api/linkwatch.h"

namespace phonelib {

bool LinkWatch::requestEnded(bool answered, uint64_t heardBefore) {
    if (answered || heard_ != heardBefore) {
        silentRequests_ = 0;
        return false;
    }
    if (++silentRequests_ < kSilentRequests) return false;
    silentRequests_ = 0;
    return true;
}

void LinkWatch::restart() {
    silentRequests_ = 0;
    ended_ = false;
}

}  // namespace phonelib
