// The help pages are complete and linked, and F1 and the help button open
// the page of what the user is looking at, in the program's language.
#include <gtest/gtest.h>

#include <QDialog>
#include <QFile>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

#include "corvina/connection/tverbindungshilfe.h"
#include "corvina/help/helpcatalogue.h"
#include "corvina/help/helpcentre.h"
#include "corvina/help/helpcontext.h"
#include "corvina/help/thilfeform.h"
#include "corvina/help/ttipform.h"
#include "corvina/language/language.h"
#include "corvina/reports/printchoices.h"
#include "corvina/reports/tdruckform.h"
#include "corvina/settings/settingsrecord.h"
#include "corvina/settings/thaupteinstellungsform.h"
#include "corvina/shell/tgesamtform.h"

namespace corvina {
namespace {

const QStringList kLanguages{"de", "en"};

class Help : public ::testing::Test {
  protected:
    void SetUp() override {
        openSettingsStore()->clear();
        Tgesamtform::Options options;
        options.splash = false;
        shell = std::make_unique<Tgesamtform>(std::move(options));
    }
    void TearDown() override { Language::current().unload(); }

    void registerModule(Module module, const QString& page) {
        ModuleDescriptor d;
        d.module = module;
        d.helpPage = page;
        d.create = [](Tgesamtform&) { return new QWidget; };
        shell->modules().add(std::move(d));
    }
    Thilfeform& window() { return shell->help().window(); }

    std::unique_ptr<Tgesamtform> shell;
};

TEST_F(Help, EveryRegisteredModuleAndEveryDialogHasItsPageInBothLanguages) {
    QStringList missing;
    auto check = [&missing](const QString& what, const QString& page) {
        if (page.isEmpty()) missing << what + ": no page named";
        for (const QString& language : kLanguages) {
            if (!page.isEmpty() && !helpPageExists(page, language))
                missing << what + ": " + language + "/" + page;
        }
    };
    for (int m = 0; m < kModuleCount; ++m) {
        if (const ModuleDescriptor* d = shell->modules().find(static_cast<Module>(m)))
            check(QStringLiteral("module %1").arg(m), d->helpPage);
    }
    shell->createAllModuleWindows();
    auto* print = openPhonebookPrint(shell.get(), "SIM", {});
    QList<QWidget*> dialogs = shell->allWindows();
    dialogs << print;
    for (QWidget* window : dialogs) {
        const bool named = !helpPageOf(window).isEmpty();
        if (qobject_cast<QDialog*>(window) || named)
            check(window->objectName(), helpPageOf(window));
    }
    for (const QString& page : helpPageNames()) check(page, page);
    EXPECT_TRUE(missing.isEmpty()) << missing.join(", ").toStdString();
    print->close();
}

TEST_F(Help, EveryLinkBetweenThePagesResolves) {
    static const QRegularExpression href(QStringLiteral("href=\"([^\"]+)\""));
    QStringList broken;
    for (const QString& language : kLanguages) {
        for (const QString& page : helpPageNames()) {
            QFile file(helpPagePath(page, language));
            ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << page.toStdString();
            const QString html = QString::fromUtf8(file.readAll());
            EXPECT_NE(helpPageTitle(page, language), page) << "a title for " << page.toStdString();
            for (auto it = href.globalMatch(html); it.hasNext();) {
                const QString target = it.next().captured(1).section('#', 0, 0);
                if (target.contains(':') || target.isEmpty()) continue;  // the web, or an anchor
                if (!QFile::exists(helpPagePath(target.chopped(5), language)) ||
                    !target.endsWith(".html"))
                    broken << language + "/" + page + " -> " + target;
            }
        }
    }
    EXPECT_TRUE(broken.isEmpty()) << broken.join(", ").toStdString();
}

TEST_F(Help, F1AndTheHelpButtonOpenTheActiveModulesPageAndFollowTheLanguage) {
    shell->helpButton()->click();
    EXPECT_EQ(window().currentPage(), kHelpStartPage) << "no module: the start page";

    registerModule(Module::Calendar, "calendar");
    shell->selectModule(Module::Calendar);
    QTest::keyClick(shell->moduleWindow(Module::Calendar), Qt::Key_F1);
    EXPECT_TRUE(window().isVisible());
    EXPECT_EQ(window().currentPage(), "calendar");
    EXPECT_TRUE(window().browser()->toPlainText().contains("Feiertage"));

    shell->loadLanguage("english.lng");
    EXPECT_EQ(window().language(), "en");
    EXPECT_EQ(window().currentPage(), "calendar");
    EXPECT_TRUE(window().browser()->source().toString().contains("/en/calendar.html"));
    EXPECT_TRUE(window().browser()->toPlainText().contains("holidays"));
    EXPECT_EQ(window().listedPages().size(), helpPageNames().size());

    // F1 in a dialog opens the dialog's page, in the language now loaded.
    shell->settingsDialog().showFor(24, true);
    QTest::keyClick(shell->settingsDialog().tipOfTheDayBox(), Qt::Key_F1);
    EXPECT_EQ(window().currentPage(), "settings");
    EXPECT_TRUE(window().browser()->toPlainText().contains("Show tip of the day"));
    EXPECT_EQ(window().parentWidget(), &shell->settingsDialog())
        << "the modal dialog would block the help window otherwise";
    shell->settingsDialog().reject();
    EXPECT_EQ(window().parentWidget(), shell.get());
    EXPECT_TRUE(window().isVisible()) << "the help stays open after the dialog";

    shell->loadLanguage("german.lng");
    shell->helpButton()->click();
    EXPECT_EQ(window().currentPage(), "calendar");
    EXPECT_EQ(window().language(), "de");
}

TEST_F(Help, SearchKeepsThePagesHoldingEveryWordInAnyCase) {
    window().search("DIALOUT berechtigung");
    const QStringList found = window().listedPages();
    EXPECT_TRUE(found.contains(kHelpStartPage));
    EXPECT_TRUE(found.contains("connection"));
    EXPECT_FALSE(found.contains("calendar"));
    window().search("dialout Monatsblatt");
    EXPECT_TRUE(window().listedPages().isEmpty());
    window().search("");
    EXPECT_EQ(window().listedPages(), helpPageNames());
}

TEST_F(Help, TheHelpWindowOffersTheTipAndTheConnectionHelp) {
    window().findChild<QPushButton*>("verbindungshilfe")->click();
    EXPECT_TRUE(shell->connectionHelp().isVisible());
    window().findChild<QPushButton*>("tipdestages")->click();
    EXPECT_TRUE(shell->help().tip().isVisible());
    EXPECT_FALSE(shell->help().tip().tipText().isEmpty());
}

}  // namespace
}  // namespace corvina
