// The note editor's rules and its dialog: the fields per family, the date
// correction, what OK stores, and the cases the editor used to get wrong.
#include "corvina/calendar/noteeditor.h"

#include <gtest/gtest.h>

#include <QSignalSpy>

#include "corvina/calendar/tkalender_aendern_form.h"
#include "tests/corvina/calendar/fixedtable.h"

namespace corvina {
namespace {

using testing_calendar::fixedTable;
using testing_calendar::makeNote;

constexpr uint8_t kSiemensSL45 = 4;
constexpr uint8_t kSiemensME45 = 6;
constexpr uint8_t kNokia6110 = 14;
constexpr uint8_t kNokia7110 = 21;

TEST(NoteEditor, RepeatOutsideTheFiveChoicesIsKept) {
    CalendarNote note = fixedTable()[4];  // repeat 36
    const RepeatChoices choices = repeatChoices(note.repeat);
    ASSERT_EQ(choices.texts.size(), 6);
    EXPECT_EQ(choices.texts[5], "36 Stunden");
    EXPECT_EQ(choices.selected, 5);
    EditorValues values = noteValues(kNokia7110, note, 2024);
    CalendarNote stored;
    ASSERT_EQ(acceptNote(kNokia7110, values, note, stored), EditorVerdict::Stored);
    EXPECT_EQ(stored.repeat, 36);
}

TEST(NoteEditor, BirthYearsFrom1000To3000) {
    CalendarNote birthday = fixedTable()[2];
    for (const int year : {999, 3001, 1000, 3000}) {
        EditorValues values = noteValues(kNokia6110, birthday, 2024);
        values.birthYear = year;
        CalendarNote stored;
        const EditorVerdict verdict = acceptNote(kNokia6110, values, birthday, stored);
        EXPECT_EQ(verdict,
                  year == 999 || year == 3001 ? EditorVerdict::BadBirthYear : EditorVerdict::Stored)
            << year;
    }
    EditorValues empty = newNoteValues(kNokia6110, {2024, 1, 1});
    CalendarNote stored;
    EXPECT_EQ(acceptNote(kNokia6110, empty, std::nullopt, stored), EditorVerdict::EmptyText);
    EXPECT_EQ(verdictText(kNokia6110, EditorVerdict::EmptyText),
              "Bitte geben Sie eine Beschreibung an.");
}

TEST(NoteEditor, SiemensTasksAndNewNotes) {
    const EditorLayout task = editorLayout(kSiemensME45, ntTask);
    EXPECT_TRUE(task.done);
    EXPECT_FALSE(task.alarmBox);
    EXPECT_TRUE(task.secondGroupIsEnd);
    EXPECT_EQ(typeChoices(kSiemensME45).size(), 5);
    EXPECT_EQ(typeChoices(kNokia6110).size(), 4);
    EXPECT_EQ(typeChoices(kNokia7110).front(), "Notiz");

    const EditorValues fresh = newNoteValues(kSiemensME45, {2024, 5, 6});
    EXPECT_EQ(fresh.type, ntReminder);
    EXPECT_EQ(fresh.startDate, QDate(2024, 5, 6));
    EXPECT_EQ(fresh.startTime, QTime(10, 0));
    EXPECT_EQ(fresh.alarmTime, QTime(10, 0));
    EXPECT_EQ(newNoteValues(kNokia6110, {2024, 5, 6}).alarmTime, QTime(9, 40));

    // The end may not lie before the start.
    EditorValues values = fresh;
    values.text = "Termin";
    values.alarmTime = QTime(9, 0);
    CalendarNote stored;
    EXPECT_EQ(acceptNote(kSiemensME45, values, std::nullopt, stored), EditorVerdict::Corrected);
    EXPECT_EQ(values.alarmTime, QTime(10, 0));
    EXPECT_EQ(acceptNote(kSiemensME45, values, std::nullopt, stored), EditorVerdict::Stored);
    EXPECT_EQ(stored.noEnd, 0);
    EXPECT_EQ(timestampText(stored.end), "202405061000");
    EXPECT_EQ(stored.status, 2);
}

TEST(NoteEditor, TheAlarmOfANokiaCallFollowsItsStart) {
    CalendarNote call = fixedTable()[1];
    EditorValues values = noteValues(kNokia6110, call, 2024);
    values.alarmOn = true;
    values.alarmDate = values.startDate.addDays(1);
    EXPECT_TRUE(correctDates(kNokia6110, values));
    EXPECT_EQ(values.alarmDate, values.startDate);
    EXPECT_TRUE(editorLayout(kNokia6110, ntCall).number);
    EXPECT_FALSE(editorLayout(kNokia6110, ntBirthday).startTime);

    // A changed note that is not a task gets status 2.
    call.status = 0;
    values = noteValues(kNokia6110, call, 2024);
    CalendarNote stored;
    ASSERT_EQ(acceptNote(kNokia6110, values, call, stored), EditorVerdict::Stored);
    EXPECT_EQ(stored.status, 2);
    EXPECT_EQ(stored.noEnd, 1);
}

TEST(NoteEditor, AnSL45NoteWithoutAlarmKeepsItsEnd) {
    CalendarNote meeting = makeNote(ntMeeting, "Treffen", {2024, 6, 12, 14, 0, 0, 0},
                                    {2024, 6, 12, 16, 30, 0, 0}, false);
    meeting.end = meeting.alarm;
    meeting.noEnd = 0;
    EditorValues values = noteValues(kSiemensSL45, meeting, 2024);
    EXPECT_TRUE(values.alarmPickers);
    EXPECT_EQ(values.alarmTime, QTime(16, 30));
    CalendarNote stored;
    ASSERT_EQ(acceptNote(kSiemensSL45, values, meeting, stored), EditorVerdict::Stored);
    EXPECT_EQ(timestampText(stored.end), "202406121630");
}

TEST(NoteEditor, BirthdaysOfOtherYearsKeepTheirAlarmLeadAndTheirLeapDay) {
    CalendarNote birthday = fixedTable()[2];  // 4 May, alarm 2024-05-04 09:00
    EditorValues values = noteValues(kNokia6110, birthday, 2026);
    EXPECT_EQ(values.startDate, QDate(2026, 5, 4));
    EXPECT_EQ(values.alarmDate, QDate(2026, 5, 4));
    EXPECT_EQ(values.alarmTime, QTime(9, 0));

    CalendarNote leap = makeNote(ntBirthday, "Schaltkind", {1996, 2, 29, 0, 0, 0, 0},
                                 {2024, 2, 28, 18, 0, 0, 0}, true);
    leap.birthYear = 1996;
    values = noteValues(kNokia6110, leap, 2023);
    EXPECT_EQ(values.startDate, QDate(2023, 2, 28));
    EXPECT_EQ(values.alarmDate, QDate(2023, 2, 27)) << "one evening before, as in 2024";
    CalendarNote stored;
    ASSERT_EQ(acceptNote(kNokia6110, values, leap, stored), EditorVerdict::Stored);
    EXPECT_EQ(stored.start.month, 2);
    EXPECT_EQ(stored.start.day, 29) << "the birthday stays on the leap day";
}

TEST(NoteEditorDialog, ALongTextStaysWholeAndOkHandsTheNoteOver) {
    QWidget parent;
    Tkalender_aendern_form editor(&parent);
    const CalendarNote reminder = fixedTable()[4];
    editor.openNote(kNokia6110, reminder, 4, 2024);
    EXPECT_EQ(editor.textField()->text(), "Zahnarzt Dr. Müller, Praxis am Ring 12");
    EXPECT_FALSE(editor.repeatBox()->isVisible()) << "a 6110 has no repeats";
    EXPECT_TRUE(editor.alarmDateField()->isEnabled());
    editor.alarmBox()->setChecked(false);
    EXPECT_FALSE(editor.alarmDateField()->isEnabled());
    QSignalSpy stored(&editor, &Tkalender_aendern_form::stored);
    ASSERT_TRUE(editor.accept_());
    ASSERT_EQ(stored.size(), 1);
    const auto note = stored.at(0).at(0).value<CalendarNote>();
    EXPECT_EQ(note.text, reminder.text);
    EXPECT_EQ(note.alarmOn, 0);
    EXPECT_EQ(stored.at(0).at(1).toInt(), 4);

    editor.openNew(kNokia6110, {2024, 3, 1});
    EXPECT_EQ(editor.textField()->maxLength(), 30);
    editor.typeBox()->setCurrentIndex(ntBirthday);
    EXPECT_TRUE(editor.birthYearField()->isVisible());
    EXPECT_FALSE(editor.startTimeField()->isVisible());
    editor.textField()->setText("Ben");
    editor.birthYearField()->setText("999");
    EXPECT_FALSE(editor.accept_());
    EXPECT_TRUE(editor.lastMessage().startsWith("Bitte geben Sie ein gültiges Geburtsjahr an."));
}

}  // namespace
}  // namespace corvina
