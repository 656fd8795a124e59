// Files a test writes for the code under test, in a temporary folder that
// goes away with the test.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>
#include <string>

namespace testing_support {

class ScratchFiles {
  public:
    // The full name of a file in the folder (it need not exist).
    std::string path(const QString& name) const { return dir_.filePath(name).toStdString(); }

    // Writes the file and returns its full name.
    std::string write(const QString& name, const QByteArray& content) {
        QFile file(dir_.filePath(name));
        if (file.open(QIODevice::WriteOnly)) file.write(content);
        return path(name);
    }

  private:
    QTemporaryDir dir_;
};

}  // namespace testing_support
