#include "corvina/language/languagefiles.h"

#include <gtest/gtest.h>

#include <QPushButton>

#include "corvina/language/language.h"
#include "corvina/language/languagefile.h"
#include "corvina/language/languagegenerator.h"
#include "corvina/settings/thaupteinstellungsform.h"
#include "corvina/shell/tgesamtform.h"

namespace corvina {
namespace {

LanguageFile shipped(const char* name) {
    auto file = LanguageFile::read(QStringLiteral(CORVINA_DATA_DIR "/") + QLatin1String(name));
    EXPECT_TRUE(file) << name;
    return file.value_or(LanguageFile{});
}

// german.lng must hold every text the program looks up, with the default the
// code has; "cmake --build build --target german-lng" writes it anew.
TEST(ShippedLanguageFiles, GermanHoldsEveryBuiltInTextUnchanged) {
    QStringList problems;
    const LanguageFile builtIn =
        builtInLanguageFile(QStringLiteral(CORVINA_SOURCE_DIR "/corvina"), problems);
    EXPECT_TRUE(problems.isEmpty()) << problems.join('\n').toStdString();
    const LanguageFile german = shipped("german.lng");
    QStringList missing;
    for (auto section = builtIn.sections().constBegin(); section != builtIn.sections().constEnd();
         ++section) {
        for (auto it = section->constBegin(); it != section->constEnd(); ++it) {
            if (german.value(section.key(), it.key()) != it.value()) {
                missing << section.key() + QLatin1Char('/') + it.key();
            }
        }
    }
    EXPECT_TRUE(missing.isEmpty())
        << "not (or differently) in german.lng: " << missing.join(", ").toStdString();
    EXPECT_GT(builtIn.sections().value("Misc").size(), 50);
}

TEST(ShippedLanguageFiles, EnglishTranslatesTheSameKeys) {
    const LanguageFile german = shipped("german.lng");
    const LanguageFile english = shipped("english.lng");
    QStringList differences;
    for (auto section = german.sections().constBegin(); section != german.sections().constEnd();
         ++section) {
        const auto other = english.sections().value(section.key());
        for (auto it = section->constBegin(); it != section->constEnd(); ++it) {
            if (!other.contains(it.key()) || other.value(it.key()).trimmed().isEmpty()) {
                differences << "missing " + section.key() + "/" + it.key();
            }
        }
        for (auto it = other.constBegin(); it != other.constEnd(); ++it) {
            if (!section->contains(it.key()))
                differences << "extra " + section.key() + "/" + it.key();
        }
    }
    EXPECT_TRUE(differences.isEmpty()) << differences.join(", ").toStdString();
    EXPECT_EQ(english.value("Misc", "hauptoberflaeche_4"), QStringLiteral("Not connected"));
}

TEST(ShippedLanguageFiles, AreListedAndApplyToEveryWindowAndBack) {
    EXPECT_TRUE(languageNames().contains("german"));
    EXPECT_TRUE(languageNames().contains("english"));

    Tgesamtform::Options options;
    options.splash = false;
    Tgesamtform shell(std::move(options));
    shell.loadLanguage(QStringLiteral("english.lng"));
    EXPECT_EQ(shell.settingsButton()->text(), QStringLiteral("Settings"));
    EXPECT_EQ(shell.settingsDialog().windowTitle(), QStringLiteral("Settings"));
    EXPECT_EQ(shell.connectionText(), QStringLiteral("Not connected"));

    shell.loadLanguage(QStringLiteral("german.lng"));
    EXPECT_EQ(shell.settingsButton()->text(), QStringLiteral("Einstellungen"));
    EXPECT_EQ(shell.connectionText(), QStringLiteral("Nicht verbunden"));
    Language::current().unload();
}

}  // namespace
}  // namespace corvina
