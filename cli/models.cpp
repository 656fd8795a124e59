#include "cli/models.h"

#include "phonelib/api/phonelib.h"

namespace cli {

namespace {

uint8_t modelId() {
    uint8_t id = 0;
    phonelib::GetModelName(id);
    return id;
}

}  // namespace

bool foldersAndNotesOf7110() {
    const uint8_t id = modelId();
    return id >= 18 && id <= 21;
}

bool phonebookOf7110() {
    const uint8_t id = modelId();
    return id >= 19 && id <= 21;
}

int32_t highestLocation(bool sevenTenWay) {
    return sevenTenWay ? 0xFFFF : 0xFF;
}

}  // namespace cli
