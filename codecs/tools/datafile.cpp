#include "codecs/tools/datafile.h"

#include <dlfcn.h>

#include <filesystem>
#include <system_error>

namespace tools {
namespace {

std::string binaryDirectory() {
    Dl_info info{};
    if (dladdr(reinterpret_cast<void*>(&finddatafile), &info) == 0 || !info.dli_fname) return {};
    return std::filesystem::path(info.dli_fname).parent_path().string();
}

}  // namespace

std::string finddatafile(const std::string& name) {
    for (const std::string& dir : {binaryDirectory(), std::string(CORVINA_DATA_INSTALL_DIR),
                                   std::string(CORVINA_DATA_BUILD_DIR)}) {
        if (dir.empty()) continue;
        const std::filesystem::path candidate = std::filesystem::path(dir) / name;
        std::error_code error;
        if (std::filesystem::is_regular_file(candidate, error)) return candidate.string();
    }
    return {};
}

}  // namespace tools
