#include "corvina/shell/modules.h"

#include "corvina/shell/modelnumbers.h"

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

}  // namespace corvina
