#include "phonesim/transport/pipetransport.h"

namespace phonesim {

void PipeTransport::write(std::span<const uint8_t> bytes) {
    if (!open_) return;
    output_.insert(output_.end(), bytes.begin(), bytes.end());
    writeSizes_.push_back(bytes.size());
}

}  // namespace phonesim
