// The modules built into the program. Each module adds its registration here.
#include "corvina/calendar/tkalendarform.h"
#include "corvina/diverts/tumleitform.h"
#include "corvina/info/tinfoform.h"
#include "corvina/logos/tlogoform.h"
#include "corvina/phonebook/tphonebook_grid.h"
#include "corvina/profiles/tprofilform.h"
#include "corvina/shell/moduleregistry.h"

namespace corvina {

void registerModules(ModuleRegistry& registry) {
    registerInformationModule(registry);
    registerPhonebookModule(registry);
    registerLogoModule(registry);
    registerProfileModule(registry);
    registerDivertModule(registry);
    registerCalendarModule(registry);
}

}  // namespace corvina
