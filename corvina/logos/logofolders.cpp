#include "corvina/logos/logofolders.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <algorithm>

#include "codecs/tools/datafile.h"
#include "corvina/language/language.h"

namespace corvina {

namespace {

constexpr qint64 kCopyChunk = 1 << 20;

QString appDataFolder(const QString& name) {
    const QString base = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (base.isEmpty()) return {};
    const QString folder = QDir(base).filePath(name);
    return QDir().mkpath(folder) ? folder : QString();
}

FileResult failed(const QString& text) {
    return {{}, text};
}

QString quoted(const QString& path) {
    return QStringLiteral("\"") + QDir::toNativeSeparators(path) + QStringLiteral("\"");
}

// Streams the source into a temporary file beside the target, then puts it
// in the target's place.
FileResult copyThrough(const QString& source, const QString& target) {
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly)) {
        return failed(
            tx("logos_36", "Die Datei %1 kann nicht gelesen werden.").arg(quoted(source)));
    }
    QSaveFile out(target);
    if (!out.open(QIODevice::WriteOnly)) {
        return failed(
            tx("logos_37", "Die Datei %1 kann nicht angelegt werden.").arg(quoted(target)));
    }
    while (!in.atEnd()) {
        const QByteArray chunk = in.read(kCopyChunk);
        if (chunk.isEmpty() && in.error() != QFileDevice::NoError) break;
        if (out.write(chunk) != chunk.size()) break;
    }
    if (in.error() != QFileDevice::NoError || !out.commit()) {
        out.cancelWriting();
        return failed(
            tx("logos_38", "Die Datei %1 konnte nicht geschrieben werden.").arg(quoted(target)));
    }
    return {target, {}};
}

}  // namespace

bool isSameFile(const QString& a, const QString& b) {
    const QString ca = QFileInfo(a).canonicalFilePath();
    return !ca.isEmpty() && ca == QFileInfo(b).canonicalFilePath();
}

QString favouritesFolder() {
    return appDataFolder(QStringLiteral("CorvinaFavoriten"));
}

QString sampleLogoFolder() {
    for (const auto& dir : tools::datafiledirectories()) {
        const QString folder = QDir(QString::fromStdString(dir.string())).filePath("logos");
        if (QFileInfo(folder).isDir()) return folder;
    }
    return {};
}

QString collectionFolder(const QString& settingsFolder) {
    if (!settingsFolder.isEmpty() && QFileInfo(settingsFolder).isDir()) return settingsFolder;
    const QString base = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (base.isEmpty()) return QDir::homePath();
    const QString folder = QDir(base).filePath(QStringLiteral("logos"));
    if (QFileInfo(folder).isDir()) return folder;
    if (!QDir().mkpath(folder)) return QDir::homePath();
    const QString samples = sampleLogoFolder();
    if (!samples.isEmpty()) {
        for (const QFileInfo& sample : QDir(samples).entryInfoList(QDir::Files)) {
            QFile::copy(sample.filePath(), QDir(folder).filePath(sample.fileName()));
        }
    }
    return folder;
}

QStringList listFiles(const QString& folder, const QStringList& nameFilters,
                      const QString& searchWords) {
    const QStringList words = searchWords.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    QStringList files;
    if (words.isEmpty()) {
        const QDir dir(folder);
        for (const QString& name : dir.entryList(nameFilters, QDir::Files | QDir::Readable,
                                                 QDir::Name | QDir::IgnoreCase))
            files << dir.filePath(name);
        return files;
    }
    QDirIterator it(folder, nameFilters, QDir::Files | QDir::Readable,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString name = QFileInfo(path).fileName();
        if (std::all_of(words.begin(), words.end(),
                        [&](const QString& w) { return name.contains(w, Qt::CaseInsensitive); }))
            files << path;
    }
    std::sort(files.begin(), files.end(), [](const QString& a, const QString& b) {
        return a.compare(b, Qt::CaseInsensitive) < 0;
    });
    return files;
}

FileResult copyFileTo(const QString& file, const QString& folder, bool overwrite) {
    const QString target = QDir(folder).filePath(QFileInfo(file).fileName());
    if (isSameFile(file, target)) {
        return failed(tx("logos_39", "Eine Datei kann nicht auf sich selbst kopiert werden."));
    }
    if (QFileInfo::exists(target) && !overwrite) {
        return failed(tx("logos_40", "Die Datei %1 existiert schon.").arg(quoted(target)));
    }
    return copyThrough(file, target);
}

FileResult moveFileTo(const QString& file, const QString& folder, bool overwrite) {
    FileResult copied = copyFileTo(file, folder, overwrite);
    if (!copied.ok()) return copied;
    if (!QFile::remove(file)) {
        return failed(
            tx("logos_41", "Die Datei wurde kopiert, aber %1 konnte nicht gelöscht werden.")
                .arg(quoted(file)));
    }
    return copied;
}

FileResult renameFile(const QString& file, const QString& newName) {
    const QString name = newName.trimmed();
    const QString invalid = tx("logos_42", "Ungültiger Dateiname oder Datei ist schon vorhanden!");
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String("..") ||
        name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\')) ||
        name.contains(QChar(0))) {
        return failed(invalid);
    }
    const QString target = QFileInfo(file).dir().filePath(name);
    if (QFileInfo::exists(target) || !QFile::rename(file, target)) return failed(invalid);
    return {target, {}};
}

FileResult deleteFile(const QString& file) {
    if (!QFile::remove(file)) {
        return failed(tx("logos_43", "Datei \"") + QDir::toNativeSeparators(file) +
                      tx("logos_44", " konnte nicht gelöscht werden!"));
    }
    return {file, {}};
}

FileResult addToFavourites(const QString& file, const QString& favourites) {
    if (favourites.isEmpty()) {
        return failed(tx("logos_45", "Der Ordner der Favoriten kann nicht angelegt werden."));
    }
    const QString suffix = QFileInfo(file).suffix();
    const QString extension = suffix.isEmpty() ? QString() : QLatin1Char('.') + suffix;
    const QDir dir(favourites);
    for (int n = 1;; ++n) {
        const QString target = dir.filePath(QStringLiteral("Favorit%1%2").arg(n).arg(extension));
        if (QFileInfo::exists(target)) continue;
        return copyThrough(file, target);
    }
}

}  // namespace corvina
