#include "corvina/shell/moduleregistry.h"

namespace corvina {

void ModuleRegistry::add(ModuleDescriptor descriptor) {
    const Module module = descriptor.module;
    modules_[module] = std::move(descriptor);
}

const ModuleDescriptor* ModuleRegistry::find(Module module) const {
    const auto found = modules_.find(module);
    return found == modules_.end() ? nullptr : &found->second;
}

}  // namespace corvina
