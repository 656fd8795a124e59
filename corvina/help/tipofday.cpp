#include "corvina/help/tipofday.h"

#include "codecs/tools/datafile.h"
#include "corvina/language/language.h"
#include "corvina/language/languagefile.h"

namespace corvina {

QString tipFilePath(const QString& language) {
    const std::string name =
        language == QLatin1String("en") ? "tipofday_english.ini" : "tipofday.ini";
    return QString::fromStdString(tools::finddatafile(name));
}

std::optional<TipFile> readTipFile(const QString& path) {
    if (path.isEmpty()) return std::nullopt;
    const auto ini = LanguageFile::read(path);
    if (!ini) return std::nullopt;
    TipFile file;
    int highest = 0;
    for (const auto& [key, value] :
         ini->sections().value(QStringLiteral("Tips")).asKeyValueRange()) {
        bool ok = false;
        const int number = key.toInt(&ok);
        if (!ok || number < 1 || value.trimmed().isEmpty()) continue;
        file.tips[number] = splitLanguageLines(value.trimmed());
        highest = std::max(highest, number);
    }
    bool ok = false;
    const int count = ini->value(QStringLiteral("CurrentTip"), QStringLiteral("Count"))
                          .value_or(QString())
                          .trimmed()
                          .toInt(&ok);
    file.count = ok && count > 0 ? count : highest;
    return file;
}

std::optional<TipChoice> chooseTip(const TipFile& file, int wanted) {
    if (file.count < 1) return std::nullopt;
    const int start = wanted >= 1 && wanted <= file.count ? wanted : 1;
    for (int i = 0; i < file.count; ++i) {
        const int number = (start - 1 + i) % file.count + 1;
        const auto found = file.tips.find(number);
        if (found != file.tips.end())
            return TipChoice{number, found->second, number % file.count + 1};
    }
    return std::nullopt;
}

}  // namespace corvina
