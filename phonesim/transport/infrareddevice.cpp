#include "phonesim/transport/infrareddevice.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <cerrno>
#include <cstring>

namespace phonesim {

namespace {

// Makes the folder, or takes an existing one of the user's, with mode 0700.
bool makePrivateFolder(const QString& folder, QString* error) {
    const QByteArray path = QFile::encodeName(folder);
    if (::mkdir(path.constData(), 0700) != 0 && errno != EEXIST) {
        *error = QStringLiteral("%1 lässt sich nicht anlegen: %2")
                     .arg(folder, QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    }
    struct stat st {};
    if (::lstat(path.constData(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != ::getuid()) {
        *error = QStringLiteral("%1 ist kein eigener Ordner").arg(folder);
        return false;
    }
    if ((st.st_mode & 077) != 0 && ::chmod(path.constData(), 0700) != 0) {
        *error = QStringLiteral("%1 lässt sich nicht für andere sperren").arg(folder);
        return false;
    }
    return true;
}

}  // namespace

InfraredDevice::~InfraredDevice() {
    if (!folder_.isEmpty()) QDir().rmdir(folder_);  // only when empty
}

bool InfraredDevice::validId(const QString& id) {
    static const QRegularExpression pattern(QStringLiteral("^[A-Za-z0-9_-][A-Za-z0-9._-]{0,31}$"));
    return pattern.match(id).hasMatch();
}

QString InfraredDevice::infraredFolder() {
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (runtime.startsWith(QLatin1Char('/'))) return runtime + QStringLiteral("/corvina-ir");
    return QDir::tempPath() + QStringLiteral("/corvina-ir-") + QString::number(::getuid());
}

bool InfraredDevice::create(const QString& id, QString* error) {
    if (!validId(id)) {
        *error = QStringLiteral(
                     "Ungültige Geräte-Kennung \"%1\" (1 bis 32 Buchstaben, Ziffern, "
                     "'-', '_' oder '.')")
                     .arg(id);
        return false;
    }
    const QString folder = infraredFolder() + QLatin1Char('/') + id;
    if (!makePrivateFolder(infraredFolder(), error) || !makePrivateFolder(folder, error)) {
        return false;
    }
    folder_ = folder;
    return true;
}

QString InfraredDevice::servicePath(const QString& service) const {
    return folder_ + QLatin1Char('/') + service;
}

}  // namespace phonesim
