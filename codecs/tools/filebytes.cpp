#include "codecs/tools/filebytes.h"

#include <QFile>
#include <QSaveFile>

#include "codecs/tools/localpath.h"

namespace tools {

std::optional<std::string> readfilebytes(const std::string& path, long long maxBytes) {
    QFile file(localpath(path));
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    const QByteArray bytes = file.read(maxBytes + 1);
    if (file.error() != QFileDevice::NoError || bytes.size() > maxBytes) return std::nullopt;
    return bytes.toStdString();
}

std::optional<std::string> readfirstline(const std::string& path) {
    QFile file(localpath(path));
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    QByteArray line = file.readLine();
    while (line.endsWith('\n') || line.endsWith('\r')) line.chop(1);
    return line.toStdString();
}

bool writefileatomically(const std::string& path, const std::string& bytes) {
    QSaveFile file(localpath(path));
    if (!file.open(QIODevice::WriteOnly)) return false;
    const auto size = static_cast<qint64>(bytes.size());
    return file.write(bytes.data(), size) == size && file.commit();
}

}  // namespace tools
