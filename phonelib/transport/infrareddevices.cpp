#include "phonelib/transport/infrareddevices.h"

#include <dirent.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace phonelib {

namespace {

std::vector<std::string> entriesOf(const std::string& folder) {
    std::vector<std::string> names;
    DIR* dir = ::opendir(folder.c_str());
    if (!dir) return names;
    while (const dirent* entry = ::readdir(dir)) {
        if (entry->d_name[0] != '.') names.emplace_back(entry->d_name);
    }
    ::closedir(dir);
    std::sort(names.begin(), names.end());
    return names;
}

// True when a program listens on the socket: a connection is taken (or
// waits in the queue), not refused.
bool accepts(const std::string& path) {
    sockaddr_un address{};
    if (path.size() >= sizeof address.sun_path) return false;
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0) return false;
    const int result = ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address);
    const bool listening = result == 0 || errno == EAGAIN || errno == EINPROGRESS;
    ::close(fd);
    return listening;
}

bool deviceInRange(const std::string& folder) {
    struct stat st {};
    if (::lstat(folder.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) return false;
    for (const std::string& service : entriesOf(folder)) {
        const std::string path = folder + "/" + service;
        if (::lstat(path.c_str(), &st) == 0 && S_ISSOCK(st.st_mode) && accepts(path)) return true;
    }
    return false;
}

// Empty when the folder is a real folder of the user's closed to others.
std::string refusalOf(const std::string& folder, const struct stat& st) {
    char text[160];
    if (!S_ISDIR(st.st_mode)) {
        std::snprintf(text, sizeof text, "is not a folder");
    } else if (st.st_uid != ::getuid()) {
        std::snprintf(text, sizeof text, "belongs to user %u", static_cast<unsigned>(st.st_uid));
    } else if ((st.st_mode & 077) != 0) {
        std::snprintf(text, sizeof text, "is open to others (mode %03o)",
                      static_cast<unsigned>(st.st_mode & 0777));
    } else {
        return {};
    }
    return folder + " " + text;
}

}  // namespace

std::string infraredFolder() {
    if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"); runtime && *runtime == '/') {
        return std::string(runtime) + "/corvina-ir";
    }
    return QFile::encodeName(QDir::tempPath()).toStdString() + "/corvina-ir-" +
           std::to_string(static_cast<unsigned>(::getuid()));
}

std::string infraredServicePath(const std::string& deviceId, const std::string& service) {
    return infraredFolder() + "/" + deviceId + "/" + service;
}

InfraredScan scanInfrared() {
    InfraredScan scan;
    const std::string folder = infraredFolder();
    struct stat st {};
    if (::lstat(folder.c_str(), &st) != 0) return scan;  // no device was ever offered
    scan.refusal = refusalOf(folder, st);
    if (!scan.refusal.empty()) return scan;
    for (const std::string& device : entriesOf(folder)) {
        if (deviceInRange(folder + "/" + device)) scan.devices.push_back(device);
    }
    return scan;
}

}  // namespace phonelib
