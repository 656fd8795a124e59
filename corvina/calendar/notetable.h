// The calendar window's note table: up to 440 notes kept in date order, the
// rows of the note list and the day list, the marked days of a month, and
// the take-over of notes from elsewhere (duplicates skipped, the capacity
// kept).
#pragma once

#include <QDate>
#include <QSet>
#include <QString>
#include <vector>

#include "corvina/calendar/calendarnote.h"

namespace corvina {

class NoteTable {
  public:
    NoteTable() = default;
    explicit NoteTable(std::vector<CalendarNote> notes);

    const std::vector<CalendarNote>& notes() const { return notes_; }
    const CalendarNote& at(int index) const { return notes_.at(static_cast<size_t>(index)); }
    int count() const { return static_cast<int>(notes_.size()); }
    bool isEmpty() const { return notes_.empty(); }
    bool full() const { return count() >= kNoteTableSize; }

    // False, and nothing added, when the table is full.
    bool append(CalendarNote note);
    void replace(int index, CalendarNote note);
    // Later notes move down by one.
    void remove(int index);

    // By start: year (birthdays: the shown year), month, day, hour and
    // minute; notes with equal keys keep their order.
    void sortByDate(int shownYear);

    // Note numbers (indexes) passing the type filter (-1: every type).
    std::vector<int> filtered(int typeFilter) const;
    // Notes on the day, repeats included, in table order.
    std::vector<int> onDay(const QDate& day) const;
    // Days of the month that have at least one note.
    QSet<int> markedDays(int year, int month) const;
    bool contains(const CalendarNote& note) const;

  private:
    std::vector<CalendarNote> notes_;
};

// "dd.mm.yyyy text" ("xxxx" in place of a birthday's year).
QString noteListText(const CalendarNote& note);

struct TakeOverCount {
    int taken = 0;
    int duplicates = 0;
    std::vector<CalendarNote> left;  // not taken: the table was full
};

// Appends the notes that the table does not hold yet, while it has fewer
// than `capacity` notes (at most 440).
TakeOverCount takeOver(NoteTable& table, const std::vector<CalendarNote>& notes,
                       int capacity = kNoteTableSize);

}  // namespace corvina
