// Benchmarks that start the program's windows: its settings and runtime
// files go to a folder of this run, never the user's, and the windows draw
// offscreen unless a platform is named. Call before the application object
// is made.
#pragma once

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace bench {

inline void usePrivateHome(const QTemporaryDir& home) {
    qputenv("XDG_CONFIG_HOME", (home.path() + "/config").toLocal8Bit());
    qputenv("XDG_RUNTIME_DIR", (home.path() + "/runtime").toLocal8Bit());
    QDir().mkpath(home.path() + "/runtime");
    QFile::setPermissions(home.path() + "/runtime",
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
}

}  // namespace bench
