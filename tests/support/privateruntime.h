// Points XDG_RUNTIME_DIR at a fresh private folder for the lifetime of the
// object, so phones that a test offers in infrared range are seen by this
// test (and the programs it starts) only.
#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
#include <cstdlib>
#include <optional>

namespace testing_support {

class PrivateRuntime {
  public:
    PrivateRuntime() {
        if (const char* old = std::getenv("XDG_RUNTIME_DIR")) old_ = QByteArray(old);
        qputenv("XDG_RUNTIME_DIR", folder_.path().toLocal8Bit());
    }
    ~PrivateRuntime() {
        if (old_) {
            qputenv("XDG_RUNTIME_DIR", *old_);
        } else {
            qunsetenv("XDG_RUNTIME_DIR");
        }
    }
    PrivateRuntime(const PrivateRuntime&) = delete;
    PrivateRuntime& operator=(const PrivateRuntime&) = delete;

    QString path() const { return folder_.path(); }
    // The folder that holds the devices in infrared range.
    QString infraredFolder() const { return path() + QStringLiteral("/corvina-ir"); }

  private:
    QTemporaryDir folder_;
    std::optional<QByteArray> old_;
};

}  // namespace testing_support
