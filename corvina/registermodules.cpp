// The modules built into the program. Each module adds its registration here.
#include "corvina/info/tinfoform.h"
#include "corvina/shell/moduleregistry.h"

namespace corvina {

void registerModules(ModuleRegistry& registry) {
    registerInformationModule(registry);
}

}  // namespace corvina
