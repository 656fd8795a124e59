#include "corvina/shell/singleinstance.h"

#include <QDir>
#include <QStandardPaths>

namespace corvina {

SingleInstance::SingleInstance(const QString& directory) {
    QString folder = directory;
    if (folder.isEmpty())
        folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty()) folder = QDir::tempPath();
    lock_ = std::make_unique<QLockFile>(QDir(folder).filePath(QStringLiteral("Corvina")));
    // A running program holds it for good; never let it go stale by age.
    lock_->setStaleLockTime(0);
}

bool SingleInstance::acquire() {
    return lock_->tryLock(0);
}

}  // namespace corvina
