// One running program per user: a lock file named "Corvina" in the user's
// runtime directory. A stale lock of a crashed program is taken over.
#pragma once

#include <QLockFile>
#include <memory>

namespace corvina {

class SingleInstance {
  public:
    // The lock in `directory`; empty = the user's runtime directory.
    explicit SingleInstance(const QString& directory = QString());
    // True when this process now holds the lock.
    bool acquire();

  private:
    std::unique_ptr<QLockFile> lock_;
};

}  // namespace corvina
