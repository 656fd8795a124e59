#include "corvina/language/languagefile.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>

#include "codecs/tools/cp1252.h"

namespace corvina {

namespace {

const QString kMisc = QStringLiteral("Misc");

QString decode(const QByteArray& text) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString result = utf8.decode(text);
    if (!utf8.hasError()) return result;
    return tools::fromCp1252(std::string_view(text.constData(), static_cast<size_t>(text.size())));
}

}  // namespace

LanguageFile LanguageFile::parse(const QByteArray& text) {
    LanguageFile file;
    QString content = decode(text);
    if (content.startsWith(QChar(0xFEFF))) content.remove(0, 1);
    QString section;
    for (QString line : content.split(QLatin1Char('\n'))) {
        if (line.endsWith(QLatin1Char('\r'))) line.chop(1);
        const QString trimmed = line.trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith(QLatin1Char(';'))) continue;
        if (trimmed.startsWith(QLatin1Char('[')) && trimmed.endsWith(QLatin1Char(']'))) {
            section = trimmed.mid(1, trimmed.size() - 2).trimmed();
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals <= 0 || section.isEmpty()) continue;
        file.sections_[section][line.left(equals).trimmed()] = line.mid(equals + 1);
    }
    return file;
}

std::optional<LanguageFile> LanguageFile::read(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    return parse(file.readAll());
}

std::optional<QString> LanguageFile::value(const QString& section, const QString& key) const {
    const auto found = sections_.constFind(section);
    if (found == sections_.constEnd()) return std::nullopt;
    const auto entry = found->constFind(key);
    if (entry == found->constEnd()) return std::nullopt;
    return *entry;
}

void LanguageFile::setValue(const QString& section, const QString& key, const QString& value) {
    sections_[section][key] = value;
}

QByteArray LanguageFile::serialize() const {
    QString text;
    auto writeSection = [&text](const QString& name, const Section& entries) {
        if (!text.isEmpty()) text += QLatin1Char('\n');
        text += QLatin1Char('[') + name + QStringLiteral("]\n");
        for (auto it = entries.constBegin(); it != entries.constEnd(); ++it) {
            text += it.key() + QLatin1Char('=') + it.value() + QLatin1Char('\n');
        }
    };
    if (sections_.contains(kMisc)) writeSection(kMisc, sections_.value(kMisc));
    for (auto it = sections_.constBegin(); it != sections_.constEnd(); ++it) {
        if (it.key() != kMisc) writeSection(it.key(), it.value());
    }
    return text.toUtf8();
}

bool LanguageFile::write(const QString& path) const {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    file.write(serialize());
    return file.commit();
}

}  // namespace corvina
