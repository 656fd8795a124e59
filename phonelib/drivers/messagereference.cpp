#include "phonelib/drivers/messagereference.h"

#include <QRandomGenerator>

namespace phonelib {

namespace {

constexpr uint32_t kReferences = 255;  // 0 to 254

}  // namespace

uint8_t nextReference() {
    // Only the library thread sends messages.
    static uint32_t next = QRandomGenerator::global()->bounded(kReferences);
    const auto reference = static_cast<uint8_t>(next);
    next = (next + 1) % kReferences;
    return reference;
}

}  // namespace phonelib
