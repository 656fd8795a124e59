#include "corvina/language/language.h"

#include <QFileInfo>

namespace corvina {

namespace {

const QString kMisc = QStringLiteral("Misc");
const QString kKeepBuiltIn = QStringLiteral("fsdef");

}  // namespace

Language& Language::current() {
    static Language language;
    return language;
}

bool Language::load(const QString& path) {
    auto file = LanguageFile::read(path);
    if (!file) return false;
    file_ = std::move(file);
    name_ = QFileInfo(path).completeBaseName();
    return true;
}

void Language::unload() {
    file_.reset();
    name_.clear();
}

QString Language::text(const QString& key, const QString& germanDefault) const {
    return controlText(kMisc, key).value_or(germanDefault);
}

std::optional<QString> Language::controlText(const QString& window, const QString& key) const {
    if (!file_) return std::nullopt;
    const auto value = file_->value(window, key);
    if (!value || *value == kKeepBuiltIn) return std::nullopt;
    return splitLanguageLines(*value);
}

QString splitLanguageLines(QString value) {
    return value.replace(QStringLiteral("*|*"), QStringLiteral("\n"));
}

QString tx(const char* key, const char* germanDefault) {
    return Language::current().text(QString::fromUtf8(key), QString::fromUtf8(germanDefault));
}

}  // namespace corvina
