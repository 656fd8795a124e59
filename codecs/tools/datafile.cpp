#include "codecs/tools/datafile.h"

#include <dlfcn.h>
#include <link.h>

#include <filesystem>
#include <system_error>

namespace tools {
namespace {

// The directory of the shared library or program file this code was linked into.
std::filesystem::path moduledirectory() {
    Dl_info info{};
    link_map* map = nullptr;
    if (dladdr1(reinterpret_cast<void*>(&moduledirectory), &info, reinterpret_cast<void**>(&map),
                RTLD_DL_LINKMAP) == 0 ||
        map == nullptr) {
        return {};
    }
    std::error_code error;
    // The program itself has an empty name in the link map.
    const std::filesystem::path file = map->l_name[0] != '\0'
                                           ? std::filesystem::path(map->l_name)
                                           : std::filesystem::read_symlink("/proc/self/exe", error);
    if (error || file.empty()) return {};
    return std::filesystem::weakly_canonical(file, error).parent_path();
}

}  // namespace

std::string finddatafile(const std::string& name) {
    const std::filesystem::path directories[] = {moduledirectory(), CORVINA_DATA_INSTALL_DIR,
                                                 CORVINA_DATA_BUILD_DIR};
    for (const auto& directory : directories) {
        if (directory.empty()) continue;
        const auto candidate = directory / name;
        std::error_code error;
        if (std::filesystem::is_regular_file(candidate, error)) return candidate.string();
    }
    return {};
}

}  // namespace tools
