// Reports written to PDF and read back with the poppler tools, from the
// simulated phone's phonebook, messages and calendar.
#include <gtest/gtest.h>

#include <QDir>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QTemporaryDir>

#include "corvina/reports/printchoices.h"
#include "corvina/reports/printdocument.h"
#include "corvina/reports/tdruckform.h"
#include "records/typendefinitionen.h"
#include "tests/corvina/reports/fixturerows.h"
#include "tests/corvina/reports/pdfcheck.h"

namespace corvina {
namespace {

using namespace testing_support;

class ReportPdf : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(popplerInstalled()) << "pdfinfo, pdftotext and pdftoppm are needed "
                                           "(poppler-utils; scripts/bootstrap.sh installs them)";
    }
    PdfFacts write(const PrintDocument& document, const QString& name) {
        const QString path = dir.filePath(name);
        const PrintOutcome outcome = writePdf(document, path);
        EXPECT_TRUE(outcome.ok()) << outcome.error.toStdString();
        PdfFacts facts = readPdf(path);
        EXPECT_EQ(facts.pages, outcome.pages);
        return facts;
    }
    QString path(const QString& name) const { return dir.filePath(name); }

    QTemporaryDir dir;
};

// The page of the first line holding the text, -1 when none does.
int pageOf(const PdfFacts& pdf, const QString& text) {
    for (int p = 0; p < pdf.pages; ++p) {
        if (pdf.pageTexts.at(p).contains(text)) return p;
    }
    return -1;
}

TEST_F(ReportPdf, TheFullSimListsEveryNameOnceInLocationOrderOnPagesWithHeadings) {
    phonesim::Fixture phone = phonesim::Fixture::forModel("NSE-3");
    fillSim(phone);
    const auto rows = simRows(phone);
    PhonebookReportOptions options;
    options.tableName = "SIM";
    const PdfFacts pdf = write(reportDocument(phonebookReport(rows, options)), "sim.pdf");
    ASSERT_GE(pdf.pages, 3);
    EXPECT_LT(pdf.pageSize.width(), pdf.pageSize.height()) << "three columns: portrait";

    const QString all = pdf.allText();
    qsizetype previous = -1;
    for (const auto& row : rows) {
        // Each name once, after the one of the location before.
        const qsizetype at = all.indexOf(row.name + " ");
        ASSERT_GE(at, 0) << row.name.toStdString();
        EXPECT_EQ(all.indexOf(row.name + " ", at + 1), -1) << row.name.toStdString();
        EXPECT_GT(at, previous) << row.name.toStdString();
        previous = at;
        // Never split: the name and its number on one page.
        EXPECT_EQ(pageOf(pdf, row.name + " "), pageOf(pdf, row.numbers[0].first()));
    }
    for (int p = 0; p < pdf.pages; ++p) {
        EXPECT_TRUE(pdf.pageTexts.at(p).contains("Telefonnummern")) << "headings on page " << p + 1;
        EXPECT_TRUE(pdf.pageTexts.at(p).contains(
            QStringLiteral("Seite %1 von %2").arg(p + 1).arg(pdf.pages)));
    }
    EXPECT_TRUE(pdf.pageTexts.first().contains("Telefonbuch – SIM"));
    EXPECT_TRUE(pdf.pageTexts.last().contains("250 Einträge"));

    const QImage first = renderPdfPage(path("sim.pdf"), 1);
    EXPECT_LT(first.width(), first.height());
    EXPECT_GT(inkShare(first), 0.01) << "page 1 is not blank";

    // The compact list puts two bands on a page.
    options.columns = PhonebookColumns::Compact;
    const PdfFacts compact = write(reportDocument(phonebookReport(rows, options)), "compact.pdf");
    EXPECT_LT(compact.pages, pdf.pages);
    EXPECT_EQ(compact.pageTexts.first().count("Name"), 2) << "two bands, each with its headings";
    EXPECT_TRUE(compact.allText().contains("Kontakt 250"));
}

TEST_F(ReportPdf, AllThirteenColumnsGoLandscapeAndATallRowContinuesAtALineBoundary) {
    std::vector<PhonebookReportRow> rows(2);
    rows[0].location = 1;
    rows[0].name = "Anna";
    rows[0].numbers[1] = QStringList{"01701111", "01702222"};
    rows[0].defaultKind = 1;
    rows[0].email = "anna@example.org";
    rows[1].location = 2;
    rows[1].name = "Lange Adresse";
    QStringList lines;
    for (int i = 1; i <= 150; ++i) lines << QStringLiteral("Zeile %1").arg(i, 3, 10, QChar('0'));
    rows[1].address = lines.join('\n');
    PhonebookReportOptions options;
    options.tableName = "Telefon";
    options.columns = PhonebookColumns::All;
    const PdfFacts pdf = write(reportDocument(phonebookReport(rows, options)), "all.pdf");
    EXPECT_GT(pdf.pageSize.width(), pdf.pageSize.height());
    ASSERT_GE(pdf.pages, 2) << "150 lines do not fit one page";
    const QString all = pdf.allText();
    qsizetype previous = -1;
    for (const QString& line : lines) {
        const qsizetype at = all.indexOf(line);
        ASSERT_GT(at, previous) << line.toStdString() << " printed whole and in order";
        previous = at;
    }
    EXPECT_TRUE(pdf.pageTexts.at(1).contains("Adresse")) << "headings again on page 2";
    const QImage first = renderPdfPage(path("all.pdf"), 1);
    EXPECT_GT(first.width(), first.height());
    EXPECT_GT(inkShare(first), 0.005);

    // Chosen columns only.
    options.columns = PhonebookColumns::Chosen;
    options.chosen = {1, 4};
    const PdfFacts chosen = write(reportDocument(phonebookReport(rows, options)), "chosen.pdf");
    EXPECT_TRUE(chosen.allText().contains("01702222"));
    EXPECT_FALSE(chosen.allText().contains("anna@example.org"));
}

TEST_F(ReportPdf, MessagesPrintWholeWithTheirLineBreaksAndSmartKinds) {
    auto rows = messageRows(phonesim::Fixture::forModel("NSE-3"));
    ASSERT_EQ(rows.size(), 5u);
    QString full;
    for (int i = 0; full.size() < 160; ++i) full += QStringLiteral("Wort%1 ").arg(i);
    full = full.left(159) + "!";
    rows.push_back({7, "13.05.01", "09:00:00", "+4917012", "Eingang", full, 0, true});
    rows.push_back({8, "13.05.01", "09:05:00", "+4917013", "Eingang",
                    "Erste Zeile\r\nZweite Zeile\nDritte Zeile", 0, false});
    rows.push_back({9, "13.05.01", "09:10:00", "+4917014", "Eingang", "", skPictureMessage, true});

    const PdfFacts pdf = write(reportDocument(messageReport(rows, {"Eingang", false})), "sms.pdf");
    const QString all = pdf.allText();
    QString squeezed = all;
    squeezed.remove(QRegularExpression("\\s"));
    QString wanted = full;
    EXPECT_TRUE(squeezed.contains(wanted.remove(' '))) << "all 160 characters";
    for (const char* line : {"Erste Zeile", "Zweite Zeile", "Dritte Zeile"}) {
        EXPECT_TRUE(all.contains(QRegularExpression(QStringLiteral("(^|\\s{3})%1\\s*$").arg(line),
                                                    QRegularExpression::MultilineOption)))
            << line << " on a line of its own";
    }
    EXPECT_FALSE(all.contains("...")) << "the table's stand-in for line breaks is not printed";
    EXPECT_TRUE(all.contains("[Bildnachricht]"));
    EXPECT_TRUE(all.contains("Hallo, wie geht's?"));
    EXPECT_FALSE(all.contains("Bin unterwegs")) << "the outbox is not the shown folder";
    EXPECT_TRUE(all.contains("7 Nachrichten"));

    const PdfFacts marked =
        write(reportDocument(messageReport(rows, {QString(), true})), "marked.pdf");
    EXPECT_TRUE(marked.allText().contains("2 Nachrichten"));
    EXPECT_TRUE(marked.allText().contains("SMS-Nachrichten – Alle Ordner"));
}

TEST_F(ReportPdf, ACalendarMonthInDateOrderWithBirthYearAndHolidays) {
    auto notes = calendarNotes(phonesim::Fixture::forModel("NSE-3"));
    ASSERT_EQ(notes.size(), 2u);
    notes.push_back({kMeeting, {2024, 5, 15}, {9, 30}, "Zahnarzt", {}, false, {}, 0, 0});
    notes.push_back({kReminder,
                     {2024, 5, 2},
                     {18, 0},
                     "Müll",
                     {},
                     true,
                     QDateTime({2024, 5, 2}, {17, 45}),
                     168,
                     0});
    notes.push_back({kCall, {2024, 4, 30}, {8, 0}, "April", "+4930", false, {}, 0, 0});
    const std::vector<Holiday> holidays{
        {{2024, 5, 1}, "Tag der Arbeit"}, {{2024, 5, 30}, "Fronleichnam"}, {{2024, 6, 1}, "Juni"}};
    CalendarReportOptions options{CalendarRange::Month, 2024, 5, true};
    const PdfFacts pdf = write(reportDocument(calendarReport(notes, holidays, options)), "mai.pdf");
    const QString all = pdf.allText();
    EXPECT_TRUE(all.contains("Kalender – Mai 2024"));
    const QStringList order{"Tag der Arbeit", "Müll", "Anna (1978)", "Zahnarzt", "Fronleichnam"};
    qsizetype previous = -1;
    for (const QString& text : order) {
        const qsizetype at = all.indexOf(text);
        EXPECT_GT(at, previous) << text.toStdString();
        previous = at;
    }
    EXPECT_TRUE(all.contains("jede Woche"));
    EXPECT_TRUE(all.contains("02.05.24 17:45"));
    EXPECT_FALSE(all.contains("April"));
    EXPECT_FALSE(all.contains("Projekt")) << "June is not the shown month";

    options.holidays = false;
    EXPECT_FALSE(write(reportDocument(calendarReport(notes, holidays, options)), "ohne.pdf")
                     .allText()
                     .contains("Fronleichnam"));

    // The month sheet: one page with the day boxes.
    options.holidays = true;
    const PdfFacts sheet =
        write(monthSheetDocument(calendarMonthSheets(notes, holidays, options)), "blatt.pdf");
    EXPECT_EQ(sheet.pages, 1);
    EXPECT_GT(sheet.pageSize.width(), sheet.pageSize.height());
    for (const char* text : {"Mai 2024", "Montag", "Fronleichnam", "Anna (1978)", "09:30 Zahnarzt"})
        EXPECT_TRUE(sheet.allText().contains(text)) << text;
    options.range = CalendarRange::Year;
    EXPECT_EQ(
        write(monthSheetDocument(calendarMonthSheets(notes, holidays, options)), "jahr.pdf").pages,
        12);
}

TEST_F(ReportPdf, AnEmptyTableGivesOnePageSayingSo) {
    PhonebookReportOptions options;
    options.tableName = "SIM";
    const PdfFacts pdf = write(reportDocument(phonebookReport({}, options)), "leer.pdf");
    EXPECT_EQ(pdf.pages, 1);
    EXPECT_TRUE(pdf.allText().contains("Keine Einträge"));
    EXPECT_TRUE(pdf.allText().contains("Seite 1 von 1"));
}

TEST_F(ReportPdf, AFailedWriteSaysWhyAndLeavesTheOldFileAndNothingElse) {
    const PrintDocument document = reportDocument(phonebookReport({}, {}));
    const PrintOutcome missingFolder = writePdf(document, path("fehlt/liste.pdf"));
    EXPECT_FALSE(missingFolder.ok());
    EXPECT_TRUE(missingFolder.error.contains(path("fehlt/liste.pdf")));
    EXPECT_FALSE(QFile::exists(path("fehlt/liste.pdf")));

    QFile old(path("alt.pdf"));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("alter Inhalt");
    old.close();
    PrintDocument failing = document;
    failing.paint = [](QPagedPaintDevice&, const QDateTime&) { return 0; };
    EXPECT_FALSE(writePdf(failing, path("alt.pdf")).ok());
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), "alter Inhalt");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"alt.pdf"});

    QPrinter printer;
    printer.setOutputFileName(path("fehlt/drucker.pdf"));
    const PrintOutcome printed = printOn(document, printer);
    EXPECT_FALSE(printed.ok()) << "a printer that fails is never a success";
    EXPECT_EQ(printed.pages, 0);
}

TEST_F(ReportPdf, ThePreviewHasThePagesOfThePdfAndCancelledPrintingIsReported) {
    phonesim::Fixture phone = phonesim::Fixture::forModel("NSE-3");
    fillSim(phone);
    QWidget parent;
    Tdruckform* dialog = openPhonebookPrint(&parent, "SIM", simRows(phone));
    const PrintOutcome saved = dialog->savePdfTo(path("sim.pdf"));
    ASSERT_TRUE(saved.ok());
    EXPECT_TRUE(dialog->outcomeText().contains(path("sim.pdf")));
    QPrintPreviewDialog* preview = dialog->preview();
    auto* pages = preview->findChild<QPrintPreviewWidget*>();
    ASSERT_NE(pages, nullptr);
    pages->updatePreview();
    EXPECT_EQ(pages->pageCount(), readPdf(path("sim.pdf")).pages);
    preview->close();

    dialog->print();
    auto* system = dialog->findChild<QPrintDialog*>();
    ASSERT_NE(system, nullptr);
    system->reject();
    EXPECT_TRUE(dialog->outcomeText().contains("abgebrochen"));
}

}  // namespace
}  // namespace corvina
