#include "corvina/language/languagegenerator.h"

#include "corvina/language/language.h"
#include "corvina/language/languageapply.h"
#include "corvina/language/textcatalogue.h"
#include "corvina/settings/toperatorform.h"
#include "corvina/shell/tgesamtform.h"

namespace corvina {

namespace {

QString asLanguageValue(QString text) {
    return text.replace(QLatin1Char('\n'), QStringLiteral("*|*"));
}

void addWindow(LanguageFile& file, QWidget* window) {
    const auto texts = builtInTexts(window);
    for (auto it = texts.constBegin(); it != texts.constEnd(); ++it) {
        file.setValue(window->objectName(), it.key(), asLanguageValue(it.value()));
    }
}

}  // namespace

LanguageFile builtInLanguageFile(const QString& sourceFolder, QStringList& problems) {
    LanguageFile file;
    const TextCatalogue catalogue = collectTextsBelow(sourceFolder);
    problems << catalogue.conflicts;
    for (auto it = catalogue.texts.constBegin(); it != catalogue.texts.constEnd(); ++it) {
        file.setValue(QStringLiteral("Misc"), it.key(), asLanguageValue(it.value()));
    }

    Language::current().unload();
    Tgesamtform::Options options;
    options.splash = false;
    Tgesamtform shell(std::move(options));
    shell.createAllModuleWindows();
    for (QWidget* window : shell.allWindows()) addWindow(file, window);
    Toperatorform addOperator;
    addWindow(file, &addOperator);
    return file;
}

}  // namespace corvina
