// The program in English against the simulated phone: the language file
// chosen in the settings names the window's buttons and status line; the
// screenshot shows a user what the English program looks like.
#include "corvina/language/language.h"

#include <gtest/gtest.h>

#include <QPushButton>
#include <QTabWidget>

#include "corvina/settings/settingsrecord.h"
#include "corvina/shell/commandbar.h"
#include "tests/corvina/e2e/simulatedprogram.h"
#include "tests/corvina/waitfor.h"

namespace corvina {
namespace {

class LanguageProgram : public SimulatedProgram {
  protected:
    void TearDown() override {
        SimulatedProgram::TearDown();
        Language::current().unload();
    }
};

TEST_F(LanguageProgram, EnglishFileNamesTheWindow) {
    TSettings settings;
    settings.language = QStringLiteral("english.lng");
    writeSettings(settings);
    startProgram();
    ASSERT_TRUE(testing_support::waitFor([&] { return shell->showsConnected(); }));
    EXPECT_EQ(Language::current().name(), "english");
    EXPECT_EQ(shell->connectionText(), "Connected");
    shell->selectModule(Module::Phonebook);
    EXPECT_EQ(shell->commandBar().button(1)->text(), "Download");
    auto* tabs = shell->findChild<QTabWidget*>("register");
    ASSERT_NE(tabs, nullptr);
    EXPECT_EQ(tabs->tabText(1), "Phone");
    EXPECT_EQ(tabs->tabText(tabs->count() - 1), "Dialled");
    screenshot(shell.get(), "corvina-language-english.png");
}

}  // namespace
}  // namespace corvina
