// The calendar window against the simulated phones: download, edit, delete,
// add, upload, download again, and what the phone then holds; an unanswered
// write; the calendar folder. Screenshots of the calendar, the note editor
// and the folder window for the README.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>

#include "corvina/calendar/calendarstore.h"
#include "corvina/calendar/tkalendarform.h"
#include "corvina/calendar/tkalender_aendern_form.h"
#include "corvina/calendar/toutlookcal.h"
#include "corvina/reports/tdruckform.h"
#include "tests/corvina/e2e/simulatedprogram.h"
#include "tests/corvina/waitfor.h"

namespace corvina {
namespace {

using testing_support::waitFor;

// The phone's note as the window shows it: type, start and text.
struct Shown {
    uint8_t type;
    std::string start;
    QString text;
    bool operator==(const Shown&) const = default;
};

std::vector<Shown> shownOf(const NoteTable& table) {
    std::vector<Shown> shown;
    for (const CalendarNote& n : table.notes())
        shown.push_back({n.type, timestampText(n.start), noteText(n.text)});
    return shown;
}

std::vector<Shown> shownOf(const phonesim::Calendar& calendar) {
    std::vector<Shown> shown;
    for (const phonesim::CalendarNote& n : calendar.notes) {
        shown.push_back({static_cast<uint8_t>(n.type - 1),
                         QString::asprintf("%04d%02d%02d%02d%02d", n.date.year, n.date.month,
                                           n.date.day, n.date.hour, n.date.minute)
                             .toStdString(),
                         n.text});
    }
    return shown;
}

class CalendarWindow : public SimulatedProgram {
  protected:
    // The program with the calendar window, against the simulated phone of
    // the model (its shipped content, changed by `edit`).
    void start(const QString& model, const std::function<void(phonesim::Fixture&)>& edit = {}) {
        QFile::remove(workingCopyPath());
        sim.editFixture([&](phonesim::Fixture& f) {
            f = phonesim::Fixture::forModel(model);
            if (edit) edit(f);
        });
        startProgram();
        ASSERT_TRUE(waitFor([&] { return shell->showsConnected(); }));
        shell->selectModule(Module::Calendar);
        window = qobject_cast<Tkalendarform*>(shell->moduleWindow(Module::Calendar));
        ASSERT_NE(window, nullptr);
    }

    void transfer(const std::function<void()>& command) {
        QSignalSpy finished(window, &Tkalendarform::transferFinished);
        command();
        ASSERT_TRUE(waitFor([&] { return finished.size() == 1; }, 60000));
    }
    QString status() const { return shell->statusText(Tgesamtform::StatusField::Middle); }

    Tkalendarform* window = nullptr;
};

TEST_F(CalendarWindow, DownloadEditUploadAndDownloadAgainOnA6110) {
    start("NSE-3");
    EXPECT_TRUE(window->commandEnabled(Tkalendarform::Download));
    EXPECT_FALSE(window->commandEnabled(Tkalendarform::Save)) << "nothing to save yet";
    transfer([&] { window->getcalspeed(); });
    EXPECT_EQ(status(), "Kalender erfolgreich abgefragt.");
    std::vector<Shown> phone = shownOf(sim.fixture().data.calendar);
    std::vector<Shown> shown = shownOf(window->table());
    std::sort(phone.begin(), phone.end(), [](auto& a, auto& b) { return a.text < b.text; });
    std::sort(shown.begin(), shown.end(), [](auto& a, auto& b) { return a.text < b.text; });
    EXPECT_EQ(shown, phone) << "the download is the phone's calendar";
    ASSERT_EQ(window->table().count(), 2);
    EXPECT_EQ(window->table().at(0).noEnd, 1) << "a 61xx phone has no end";

    // Shown beside the holidays: June 2024 with the meeting on the 12th.
    window->calendar()->setCurrentPage(2024, 6);
    window->calendar()->setSelectedDate({2024, 6, 12});
    EXPECT_EQ(window->noteList()->item(0)->text(), "04.05.xxxx Anna");
    EXPECT_EQ(window->noteList()->item(1)->text(), "12.06.2024 Projekt");
    EXPECT_EQ(window->dayList()->topLevelItemCount(), 1);
    window->calendar()->setCurrentPage(2024, 5);
    window->calendar()->setSelectedDate({2024, 5, 30});
    EXPECT_EQ(status(), "Fronleichnam");
    screenshot(shell.get(), "corvina-calendar.png");
    window->noteList()->setCurrentRow(0);
    EXPECT_EQ(window->calendar()->selectedDate(), QDate(2024, 5, 4))
        << "the list moves the calendar";
    EXPECT_EQ(window->dayList()->topLevelItem(0)->text(2), "Anna");
    EXPECT_EQ(window->calendar()->dateTextFormat({2024, 5, 4}).fontWeight(), QFont::Bold);
    EXPECT_NE(window->calendar()->dateTextFormat({2024, 5, 30}).foreground(), QBrush())
        << "holidays are drawn apart";

    // "Drucken": the month shown, as a PDF.
    EXPECT_TRUE(window->commandEnabled(Tkalendarform::Print));
    window->printCalendar();
    auto* print = window->findChild<Tdruckform*>();
    ASSERT_NE(print, nullptr);
    EXPECT_TRUE(print->savePdfTo(dir.filePath("mai.pdf")).ok());
    EXPECT_GT(QFileInfo(dir.filePath("mai.pdf")).size(), 0);
    print->close();
    window->calendar()->setCurrentPage(2024, 6);
    window->calendar()->setSelectedDate({2024, 6, 12});

    // Change the meeting's text in the editor.
    window->editNote(1);
    Tkalender_aendern_form* editor = window->editor();
    ASSERT_TRUE(editor->isVisible());
    editor->textField()->setText("Projekt Abnahme");
    screenshot(editor, "corvina-calendar-editor.png");
    ASSERT_TRUE(editor->accept_());
    // Delete the birthday, add a call.
    window->noteList()->setCurrentRow(0);
    window->deletecalentry();
    ASSERT_EQ(window->table().count(), 1);
    window->calendar()->setSelectedDate({2024, 7, 1});
    window->calnewspeed();
    ASSERT_TRUE(waitFor([&] { return editor->isVisible(); }));
    editor->textField()->setText("Anruf Anna");
    editor->typeBox()->setCurrentIndex(ntCall);
    editor->numberField()->setText("0301234");
    editor->alarmBox()->setChecked(true);
    ASSERT_TRUE(editor->accept_()) << editor->lastMessage().toStdString();
    ASSERT_EQ(window->table().count(), 2);

    transfer([&] { window->sendcalspeed(); });
    EXPECT_EQ(status(), "Kalender wurde erfolgreich aufgespielt...");
    EXPECT_EQ(shownOf(sim.fixture().data.calendar), shownOf(window->table()));
    EXPECT_EQ(sim.fixture().data.calendar.notes.at(1).number, "0301234");
    EXPECT_EQ(sim.fixture().data.calendar.notes.at(1).alarm.hour, 9);
    EXPECT_EQ(sim.fixture().data.calendar.notes.at(1).alarm.minute, 40);

    const std::vector<Shown> uploaded = shownOf(window->table());
    transfer([&] { window->getcalspeed(); });
    EXPECT_EQ(shownOf(window->table()), uploaded)
        << "no question: nothing unsaved after the upload";

    // Export into the calendar folder, take over from it: nothing doubles.
    const QString folder = dir.filePath("calendars");
    window->caloutlookimport();
    Toutlookcal* folderWindow = window->folderWindow();
    folderWindow->setFolder(folder);
    window->exportToCalendarFolder(window->table().notes());
    EXPECT_EQ(QDir(folder).entryList({"*.ics"}, QDir::Files).size(), 2);
    folderWindow->refresh();
    ASSERT_EQ(folderWindow->grid()->rowCount(), 2);
    EXPECT_EQ(folderWindow->grid()->item(0, 7)->text(), "schon im Kalender");
    folderWindow->grid()->selectAll();
    window->takeOver(folderWindow->notesOfRows(folderWindow->markedRows()));
    EXPECT_EQ(window->table().count(), 2);
    EXPECT_TRUE(window->lastMessage().startsWith("0 Notizen übernommen, 2 übersprungen"))
        << window->lastMessage().toStdString();

    // Events other programs wrote: a birthday, an endless series, a series
    // with one changed time.
    const auto write = [&](const QString& name, const QByteArray& events) {
        QFile file(QDir(folder).filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Test//DE\r\n" + events +
                   "END:VCALENDAR\r\n");
    };
    write("oma.ics",
          "BEGIN:VEVENT\r\nUID:oma\r\nDTSTAMP:20240101T000000Z\r\nDTSTART;VALUE=DATE:19400817\r\n"
          "RRULE:FREQ=YEARLY\r\nSUMMARY:Oma\r\nEND:VEVENT\r\n");
    write("schwimmen.ics",
          "BEGIN:VEVENT\r\nUID:schwimmen\r\nDTSTAMP:20240101T000000Z\r\nDTSTART:20240108T070000\r\n"
          "RRULE:FREQ=WEEKLY;BYDAY=MO,WE\r\nSUMMARY:Schwimmen\r\nEND:VEVENT\r\n");
    write("chor.ics",
          "BEGIN:VEVENT\r\nUID:chor\r\nDTSTAMP:20240101T000000Z\r\nDTSTART:20240102T190000\r\n"
          "RRULE:FREQ=WEEKLY\r\nSUMMARY:Chor\r\nEND:VEVENT\r\nBEGIN:VEVENT\r\nUID:chor\r\n"
          "DTSTAMP:20240101T000000Z\r\nRECURRENCE-ID:20240109T190000\r\nDTSTART:20240109T200000\r\n"
          "SUMMARY:Chor\r\nEND:VEVENT\r\n");
    folderWindow->refresh();
    ASSERT_EQ(folderWindow->grid()->rowCount(), 5);
    int oma = -1;
    for (int row = 0; row < 5; ++row) {
        const QString text = folderWindow->grid()->item(row, 0)->text();
        const QString how = folderWindow->grid()->item(row, 7)->text();
        if (text == "Oma") oma = row;
        if (text == "Chor") {
            EXPECT_TRUE(how.contains("RECURRENCE-ID")) << how.toStdString();
        }
        if (text == "Schwimmen") {
            EXPECT_TRUE(how.contains("(nur die ersten 50)")) << how.toStdString();
        }
    }
    ASSERT_GE(oma, 0);
    EXPECT_EQ(folderWindow->grid()->item(oma, 7)->text(), "Geburtstag");
    folderWindow->grid()->clearSelection();
    folderWindow->grid()->selectRow(oma);
    window->takeOver(folderWindow->notesOfRows(folderWindow->markedRows()));
    ASSERT_EQ(window->table().count(), 3);
    const auto taken = window->noteList()->findItems("17.08.xxxx Oma", Qt::MatchExactly);
    ASSERT_EQ(taken.size(), 1);
    screenshot(folderWindow, "corvina-calendar-folder.png");
    window->noteList()->setCurrentItem(taken.front());
    window->deletecalentry();
    ASSERT_EQ(window->table().count(), 2);

    // Leaving the module closes the window; the table stays.
    shell->selectModule(Module::Information);
    QCoreApplication::processEvents();
    ASSERT_TRUE(waitFor([&] {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return shell->moduleWindow(Module::Calendar) == nullptr;
    }));
    shell->selectModule(Module::Calendar);
    window = qobject_cast<Tkalendarform*>(shell->moduleWindow(Module::Calendar));
    EXPECT_EQ(shownOf(window->table()), uploaded);
}

TEST_F(CalendarWindow, A3310KeepsRemindersOnly) {
    start("NHM-5");
    transfer([&] { window->getcalspeed(); });
    ASSERT_EQ(window->table().count(), 1);
    EXPECT_EQ(noteText(window->table().at(0).text), "Zahnarzt");
    window->calendar()->setSelectedDate({2024, 3, 2});
    window->calnewspeed();
    Tkalender_aendern_form* editor = window->editor();
    ASSERT_TRUE(waitFor([&] { return editor->isVisible(); }));
    EXPECT_FALSE(editor->typeBox()->isEnabled()) << "the 3310 keeps reminders only";
    editor->textField()->setText("Friseur");
    ASSERT_TRUE(editor->accept_());
    // A changed table is not overwritten without asking.
    window->getcalspeed();
    auto* question = window->findChild<QMessageBox*>("frage");
    ASSERT_NE(question, nullptr);
    EXPECT_TRUE(question->text().startsWith("Die Daten im Kalender werden"));
    question->button(QMessageBox::Cancel)->click();
    EXPECT_FALSE(window->transferRunning());
    EXPECT_EQ(window->table().count(), 2);

    transfer([&] { window->sendcalspeed(); });
    EXPECT_EQ(status(), "Kalender wurde erfolgreich aufgespielt...");
    const auto notes = sim.fixture().data.calendar.notes;
    ASSERT_EQ(notes.size(), 2u);
    EXPECT_EQ(notes[1].text, QStringLiteral("\x01") + "Friseur");
    transfer([&] { window->getcalspeed(); });
    EXPECT_EQ(window->table().count(), 2);

    // The 3310 holds ten notes: an eleventh is refused with a message.
    std::vector<CalendarNote> more;
    for (int day = 1; day <= 8; ++day) {
        CalendarNote note = window->table().at(0);
        note.start.day = day;
        note.text = "Termin " + std::to_string(day);
        more.push_back(note);
    }
    window->takeOver(more);
    ASSERT_EQ(window->table().count(), 10);
    editor->hide();
    window->calnewspeed();
    EXPECT_FALSE(editor->isVisible());
    EXPECT_TRUE(window->lastMessage().startsWith(
        "Der Kalender ist voll: 10 Notizen. Mehr fasst das Telefon nicht."))
        << window->lastMessage().toStdString();

    // A file that cannot be written is reported; nothing is left behind.
    EXPECT_FALSE(window->saveFile(dir.filePath("fehlt/kalender.cl2")));
    EXPECT_TRUE(window->lastMessage().startsWith("Kalender konnte nicht gespeichert werden."));
    EXPECT_FALSE(QDir(dir.filePath("fehlt")).exists());
    EXPECT_TRUE(window->saveFile(dir.filePath("kalender.cl2")));
}

TEST_F(CalendarWindow, AnUnansweredWriteIsNoSuccess) {
    start("NSE-3", [](phonesim::Fixture& f) { f.data.calendar.unansweredWrite = 2; });
    transfer([&] { window->getcalspeed(); });
    transfer([&] { window->sendcalspeed(); });
    EXPECT_NE(status(), "Kalender wurde erfolgreich aufgespielt...");
    EXPECT_TRUE(window->lastMessage().contains("NICHT vollständig"))
        << window->lastMessage().toStdString();
    EXPECT_TRUE(window->lastMessage().contains("Status 3")) << window->lastMessage().toStdString();
    EXPECT_EQ(sim.fixture().data.calendar.notes.size(), 1u);
}

}  // namespace
}  // namespace corvina
