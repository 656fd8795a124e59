#include "corvina/language/languagefiles.h"

#include <QDir>
#include <QFileInfo>

#include "codecs/tools/datafile.h"

namespace corvina {

QString languageFolder() {
    const std::string german = tools::finddatafile("german.lng");
    if (german.empty()) return {};
    return QFileInfo(QFile::decodeName(QByteArray::fromStdString(german))).absolutePath();
}

QStringList languageNames() {
    const QString folder = languageFolder();
    if (folder.isEmpty()) return {};
    QStringList names;
    for (const QFileInfo& file : QDir(folder).entryInfoList(QDir::Files, QDir::Name)) {
        if (file.suffix().toUpper() == QLatin1String("LNG")) names << file.completeBaseName();
    }
    return names;
}

QString languagePath(const QString& fileName) {
    const QString folder = languageFolder();
    return folder.isEmpty() ? QString() : QDir(folder).filePath(fileName);
}

}  // namespace corvina
