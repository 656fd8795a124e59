#include "corvina/settings/tipstate.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include "corvina/language/language.h"
#include "corvina/language/languagefile.h"

namespace corvina {

namespace {

const QString kSection = QStringLiteral("CurrentTip");
const QString kNumber = QStringLiteral("Nummer");

}  // namespace

QString tipStatePath() {
    return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) +
           QStringLiteral("/tipofday.ini");
}

int readTipNumber(const QString& path) {
    const auto file = LanguageFile::read(path);
    if (!file) return 1;
    bool ok = false;
    const int number = file->value(kSection, kNumber).value_or(QString()).trimmed().toInt(&ok);
    return ok && number >= 0 ? number : 1;
}

bool writeTipNumber(int number, QString* error, const QString& path) {
    LanguageFile file = LanguageFile::read(path).value_or(LanguageFile{});
    file.setValue(kSection, kNumber, QString::number(std::max(0, number)));
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile out(path);
    if (out.open(QIODevice::WriteOnly)) {
        out.write(file.serialize());
        if (out.commit()) return true;
    }
    if (error) {
        *error = tx("tip_1",
                    "Die Einstellung \"Tip des Tages\" konnte nicht in %1 gespeichert "
                    "werden: %2")
                     .arg(path, out.errorString());
    }
    return false;
}

}  // namespace corvina
