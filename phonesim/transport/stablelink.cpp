#include "phonesim/transport/stablelink.h"

#include <unistd.h>

#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace phonesim {

StableLink::~StableLink() {
    remove();
}

bool StableLink::create(const QString& linkPath, const QString& target, QString* error) {
    remove();
    const QFileInfo existing(linkPath);
    if (existing.exists() && !existing.isSymLink()) {
        *error = QStringLiteral("%1 gibt es schon und ist kein symbolischer Link").arg(linkPath);
        return false;
    }
    // Made under a private name first, then renamed over the old link.
    const QByteArray finalName = QFile::encodeName(linkPath);
    const QByteArray tempName = finalName + ".phonesim-" + QByteArray::number(getpid());
    ::unlink(tempName.constData());
    if (::symlink(QFile::encodeName(target).constData(), tempName.constData()) != 0 ||
        ::rename(tempName.constData(), finalName.constData()) != 0) {
        *error = QStringLiteral("Link %1 lässt sich nicht anlegen: %2")
                     .arg(linkPath, QString::fromLocal8Bit(strerror(errno)));
        ::unlink(tempName.constData());
        return false;
    }
    linkPath_ = linkPath;
    target_ = target;
    return true;
}

void StableLink::remove() {
    if (linkPath_.isEmpty()) return;
    const QByteArray name = QFile::encodeName(linkPath_);
    char pointsTo[4096];
    const ssize_t n = ::readlink(name.constData(), pointsTo, sizeof pointsTo);
    if (n > 0 && QByteArray(pointsTo, n) == QFile::encodeName(target_)) ::unlink(name.constData());
    linkPath_.clear();
    target_.clear();
}

}  // namespace phonesim
