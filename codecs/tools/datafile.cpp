#include "codecs/tools/datafile.h"

#include <dlfcn.h>
#include <link.h>

#include <cstdlib>
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

void addonce(std::vector<std::filesystem::path>& directories, std::filesystem::path directory) {
    if (directory.empty()) return;
    directory = directory.lexically_normal();
    for (const auto& known : directories) {
        if (known == directory) return;
    }
    directories.push_back(std::move(directory));
}

}  // namespace

std::filesystem::path userdatadirectory() {
    if (const char* data = std::getenv("XDG_DATA_HOME"); data && *data == '/')
        return std::filesystem::path(data) / "corvina";
    if (const char* home = std::getenv("HOME"); home && *home)
        return std::filesystem::path(home) / ".local/share/corvina";
    return {};
}

std::vector<std::filesystem::path> datafiledirectories() {
    std::vector<std::filesystem::path> directories;
    addonce(directories, userdatadirectory());
    const std::filesystem::path module = moduledirectory();
    if (!module.empty()) {
        addonce(directories, module);
        // Programs sit in bin/, the library in lib/ (or lib/<triplet>/).
        addonce(directories, module / CORVINA_DATA_FROM_BINDIR);
        addonce(directories, module / CORVINA_DATA_FROM_LIBDIR);
    }
    addonce(directories, CORVINA_DATA_INSTALL_DIR);
    addonce(directories, CORVINA_DATA_BUILD_DIR);
    return directories;
}

std::string finddatafile(const std::string& name) {
    for (const auto& directory : datafiledirectories()) {
        const auto candidate = directory / name;
        std::error_code error;
        if (std::filesystem::is_regular_file(candidate, error)) return candidate.string();
    }
    return {};
}

std::string missingdatafiletext(const std::string& name) {
    std::string text = "Datei " + name + " nicht gefunden; gesucht in: ";
    bool first = true;
    for (const auto& directory : datafiledirectories()) {
        if (!first) text += ", ";
        text += directory.string();
        first = false;
    }
    return text;
}

}  // namespace tools
