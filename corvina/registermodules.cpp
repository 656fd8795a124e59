// The modules built into the program. Each module adds its registration here.
#include "corvina/shell/moduleregistry.h"
#include "corvina/shell/tinfoform.h"

namespace corvina {

void registerModules(ModuleRegistry& registry) {
    registerInformationModule(registry);
}

}  // namespace corvina
