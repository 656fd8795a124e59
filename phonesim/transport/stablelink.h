// A symbolic link with a fixed name to a device whose name changes from run
// to run (/tmp/phone -> /dev/pts/7). Replaced atomically when it exists
// already as a symbolic link; removed again on destruction if it still
// points where this object put it.
#pragma once

#include <QString>

namespace phonesim {

class StableLink {
  public:
    StableLink() = default;
    StableLink(const StableLink&) = delete;
    StableLink& operator=(const StableLink&) = delete;
    ~StableLink();

    // False with a reason when the link cannot be made (for example because
    // a file that is not a symbolic link already has that name).
    bool create(const QString& linkPath, const QString& target, QString* error);
    void remove();

  private:
    QString linkPath_;
    QString target_;
};

}  // namespace phonesim
