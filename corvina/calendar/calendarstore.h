// Where the calendar keeps its things: the working copy of the note table
// (saved on every change, so leaving the window or the program loses
// nothing), whether it holds changes not yet uploaded or saved, and the
// calendar folder shared with other programs.
#pragma once

#include <QString>
#include <vector>

#include "corvina/calendar/notetable.h"

namespace corvina {

// "kalender.cal" in the program's data folder.
QString workingCopyPath();
// The notes of the working copy; none when there is none (or it is damaged).
std::vector<CalendarNote> loadWorkingCopy();
// False when it could not be written.
bool saveWorkingCopy(const NoteTable& table);

// Changes since the last download, upload, load or save.
bool hasUnsavedChanges();
void setUnsavedChanges(bool changed);

// The folder of .ics files ("Kalenderordner"); by default "calendars" in
// the user's data folder ($XDG_DATA_HOME).
QString calendarFolder();
void setCalendarFolder(const QString& folder);

}  // namespace corvina
