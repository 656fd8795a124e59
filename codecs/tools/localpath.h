// File names travel as byte strings (the records hold them that way); Qt wants
// QString. Both directions use the platform's file name encoding, so any name
// the system gave us comes back byte for byte.
#pragma once

#include <QFile>
#include <QString>
#include <string>

namespace tools {

inline QString localpath(const std::string& name) {
    return QFile::decodeName(QByteArray(name.data(), static_cast<qsizetype>(name.size())));
}

inline std::string localname(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

}  // namespace tools
