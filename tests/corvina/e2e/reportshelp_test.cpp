// Printing, help, the tip of the day and the connection help in the
// program running against the simulated Nokia 6110; the screenshots of the
// README come from here (CORVINA_SCREENSHOT_DIR).
#include <gtest/gtest.h>

#include <QButtonGroup>
#include <QPrintPreviewWidget>
#include <QRadioButton>
#include <QTest>

#include "corvina/connection/tassi.h"
#include "corvina/connection/tverbindungshilfe.h"
#include "corvina/help/helpcentre.h"
#include "corvina/help/thilfeform.h"
#include "corvina/help/ttipform.h"
#include "corvina/reports/printchoices.h"
#include "corvina/reports/tdruckform.h"
#include "tests/corvina/e2e/simulatedprogram.h"
#include "tests/corvina/reports/fixturerows.h"
#include "tests/corvina/reports/pdfcheck.h"
#include "tests/corvina/waitfor.h"

namespace corvina {
namespace {

using namespace testing_support;

class ReportsAndHelp : public SimulatedProgram {};

TEST_F(ReportsAndHelp, PrintsThePhonesListsAndShowsHelpAndTip) {
    ASSERT_TRUE(popplerInstalled());
    startProgram();
    ASSERT_TRUE(waitFor([&] { return shell->showsConnected(); }));
    ASSERT_TRUE(waitFor([&] { return shell->help().tip().isVisible(); }))
        << "the tip of the day at the first idle";
    screenshot(&shell->help().tip(), "corvina-help-tip.png");
    shell->help().tip().close();

    // F1 in the information window opens its page.
    shell->selectModule(Module::Information);
    QTest::keyClick(shell->moduleWindow(Module::Information), Qt::Key_F1);
    Thilfeform& help = shell->help().window();
    ASSERT_TRUE(help.isVisible());
    EXPECT_EQ(help.currentPage(), "info");
    help.resize(900, 600);
    screenshot(&help, "corvina-help.png");

    // The SIM of the simulated phone: dialog, PDF and preview.
    const phonesim::Fixture phone = sim.fixture();
    Tdruckform* print = openPhonebookPrint(shell.get(), "SIM", simRows(phone));
    screenshot(print, "corvina-reports-dialog.png");
    const QString pdf = dir.filePath("sim.pdf");
    ASSERT_TRUE(print->savePdfTo(pdf).ok());
    const PdfFacts facts = readPdf(pdf);
    EXPECT_EQ(facts.pages, 1);
    for (const auto& [location, entry] : phone.phonebook.sim.entries)
        EXPECT_EQ(facts.allText().count(entry.name + " "), 1) << entry.name.toStdString();
    QPrintPreviewDialog* preview = print->preview();
    auto* pages = preview->findChild<QPrintPreviewWidget*>();
    ASSERT_NE(pages, nullptr);
    pages->updatePreview();
    EXPECT_EQ(pages->pageCount(), facts.pages);
    screenshot(preview, "corvina-reports-preview.png");
    preview->close();
    print->close();

    // The message folder and the calendar month of the simulated phone.
    Tdruckform* messages = openMessagePrint(shell.get(), "Eingang", messageRows(phone));
    ASSERT_TRUE(messages->savePdfTo(dir.filePath("sms.pdf")).ok());
    EXPECT_TRUE(readPdf(dir.filePath("sms.pdf")).allText().contains("Hallo, wie geht's?"));
    messages->close();
    Tdruckform* calendar = openCalendarPrint(shell.get(), calendarNotes(phone),
                                             {{{2024, 6, 1}, "Beispielfeiertag"}}, 2024, 6);
    calendar->findChild<QRadioButton*>("form1")->setChecked(true);
    QPrintPreviewDialog* sheet = calendar->preview();
    sheet->findChild<QPrintPreviewWidget*>()->updatePreview();
    screenshot(sheet, "corvina-reports-calendar.png");
    ASSERT_TRUE(calendar->savePdfTo(dir.filePath("juni.pdf")).ok());
    const QString june = readPdf(dir.filePath("juni.pdf")).allText();
    EXPECT_TRUE(june.contains("Juni 2024"));
    EXPECT_TRUE(june.contains("14:30 Projekt"));
    sheet->close();
    calendar->close();
}

TEST_F(ReportsAndHelp, WithThePhoneSilentTheConnectionHelpNamesThePortAndWhy) {
    sim.faults().silenceFor(std::chrono::seconds(600));
    startProgram();
    ASSERT_TRUE(waitFor([&] { return shell->assistant().isVisible(); }, 60000));
    shell->assistant().choose(Tassi::Choice::ConnectionHelp);
    Tverbindungshilfe& help = shell->connectionHelp();
    ASSERT_TRUE(help.isVisible());
    const auto& attempts = shell->searchRecord().attempts();
    ASSERT_FALSE(attempts.empty());
    EXPECT_EQ(attempts.front().port, link);
    EXPECT_EQ(attempts.front().outcome, AttemptOutcome::NoAnswer);
    EXPECT_TRUE(help.shownText().contains(link));
    EXPECT_TRUE(help.shownText().contains("kein Telefon hat geantwortet"));
    EXPECT_TRUE(help.shownText().contains("FBUS-Datenkabel"));
    screenshot(&help, "corvina-help-connection.png");
}

}  // namespace
}  // namespace corvina
