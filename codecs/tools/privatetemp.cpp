#include "codecs/tools/privatetemp.h"

#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <cerrno>
#include <cstdlib>

#include "codecs/tools/localpath.h"

namespace tools {
namespace {

bool ownedDirectory(const std::string& path) {
    struct stat st {};
    return lstat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == getuid();
}

// Makes `path` a directory of mode 0700 owned by the user, or fails.
bool makePrivate(const std::string& path) {
    if (mkdir(path.c_str(), 0700) != 0 && errno != EEXIST) return false;
    if (!ownedDirectory(path)) return false;
    struct stat st {};
    if (lstat(path.c_str(), &st) != 0) return false;
    return (st.st_mode & 077) == 0 || chmod(path.c_str(), 0700) == 0;
}

// Removes the folders of processes that have ended (a crash leaves its files).
void sweepEndedProcesses(const std::string& dir) {
    QDir base(QString::fromLocal8Bit(dir.c_str()));
    const QStringList folders =
        base.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::NoSymLinks);
    for (const QString& folder : folders) {
        bool number = false;
        const long pid = folder.toLong(&number);
        if (!number || pid <= 0 || pid == getpid()) continue;
        if (kill(static_cast<pid_t>(pid), 0) == 0 || errno != ESRCH) continue;
        QDir(base.filePath(folder)).removeRecursively();
    }
}

}  // namespace

std::string privatetempdir() {
    if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"); runtime && *runtime) {
        if (ownedDirectory(runtime)) {
            const std::string dir = std::string(runtime) + "/corvina";
            if (makePrivate(dir)) return dir;
        }
    }
    const std::string dir =
        localname(QDir::tempPath()) + "/corvina-" + std::to_string(static_cast<unsigned>(getuid()));
    return makePrivate(dir) ? dir : std::string();
}

std::string privatetempfile(const std::string& name) {
    const std::string dir = privatetempdir();
    if (dir.empty()) return {};
    const std::string own = dir + "/" + std::to_string(static_cast<long>(getpid()));
    if (!ownedDirectory(own)) {
        sweepEndedProcesses(dir);
        if (!makePrivate(own)) return {};
    }
    return own + "/" + name;
}

}  // namespace tools
