#include "corvina/shell/modules.h"

#include <cmath>

#include "corvina/connection/modelnumbers.h"

namespace corvina {

bool moduleAvailable(Module module, uint8_t modelNumber) {
    switch (module) {
        case Module::Diverts:
        case Module::Profiles:
            return !lacksDivertsAndProfiles(modelNumber);
        case Module::Calendar:
            return !lacksCalendar(modelNumber);
        default:
            return true;
    }
}

QRect moduleGeometry(QSize clientArea) {
    const int marginX = static_cast<int>(std::ceil(clientArea.width() * 13.0 / 800.0));
    const int marginY = static_cast<int>(std::ceil(clientArea.height() * 17.0 / 600.0));
    return {marginX, marginY, clientArea.width() - 2 * marginX + 6,
            clientArea.height() - 2 * marginY + 4};
}

}  // namespace corvina
