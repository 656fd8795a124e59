#include "corvina/phonebook/files/columnwidths.h"

#include <QSettings>
#include <QStandardPaths>

namespace corvina {
namespace {

const QString kSection = QStringLiteral("Spaltenbreiten");

}  // namespace

ColumnWidths::ColumnWidths(QString path) : path_(std::move(path)) {}

QString ColumnWidths::defaultPath() {
    return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) +
           QStringLiteral("/spalten.ini");
}

std::vector<int> ColumnWidths::load(const QString& prefix, std::vector<int> defaults) const {
    QSettings ini(path_, QSettings::IniFormat);
    ini.beginGroup(kSection);
    for (size_t c = 0; c < defaults.size(); ++c) {
        bool number = false;
        const int width =
            ini.value(prefix + QString::number(c + 1)).toString().trimmed().toInt(&number);
        if (number && width > 0 && width <= 10000) defaults[c] = width;
    }
    return defaults;
}

bool ColumnWidths::save(const QString& prefix, const std::vector<int>& widths) const {
    QSettings ini(path_, QSettings::IniFormat);
    ini.beginGroup(kSection);
    for (size_t c = 0; c < widths.size(); ++c)
        ini.setValue(prefix + QString::number(c + 1), widths[c]);
    ini.endGroup();
    ini.sync();
    return ini.status() == QSettings::NoError;
}

}  // namespace corvina
