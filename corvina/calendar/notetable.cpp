#include "corvina/calendar/notetable.h"

#include <algorithm>
#include <tuple>

namespace corvina {

NoteTable::NoteTable(std::vector<CalendarNote> notes) : notes_(std::move(notes)) {
    if (notes_.size() > kNoteTableSize) notes_.resize(kNoteTableSize);
}

bool NoteTable::append(CalendarNote note) {
    if (full()) return false;
    notes_.push_back(std::move(note));
    return true;
}

void NoteTable::replace(int index, CalendarNote note) {
    notes_.at(static_cast<size_t>(index)) = std::move(note);
}

void NoteTable::remove(int index) {
    notes_.erase(notes_.begin() + index);
}

void NoteTable::sortByDate(int shownYear) {
    const auto key = [shownYear](const CalendarNote& n) {
        const int year = n.type == ntBirthday ? shownYear : n.start.year;
        return std::make_tuple(year, n.start.month, n.start.day,
                               n.start.hour * 100 + n.start.minute);
    };
    std::stable_sort(notes_.begin(), notes_.end(),
                     [&](const CalendarNote& a, const CalendarNote& b) { return key(a) < key(b); });
}

std::vector<int> NoteTable::filtered(int typeFilter) const {
    std::vector<int> rows;
    for (int i = 0; i < count(); ++i) {
        if (typeFilter < 0 || at(i).type == typeFilter) rows.push_back(i);
    }
    return rows;
}

std::vector<int> NoteTable::onDay(const QDate& day) const {
    std::vector<int> rows;
    for (int i = 0; i < count(); ++i) {
        if (fallsOn(at(i), day)) rows.push_back(i);
    }
    return rows;
}

QSet<int> NoteTable::markedDays(int year, int month) const {
    QSet<int> days;
    const QDate first(year, month, 1);
    for (int day = 1; day <= first.daysInMonth(); ++day) {
        const QDate date(year, month, day);
        if (std::any_of(notes_.begin(), notes_.end(),
                        [&](const CalendarNote& n) { return fallsOn(n, date); })) {
            days.insert(day);
        }
    }
    return days;
}

bool NoteTable::contains(const CalendarNote& note) const {
    return std::any_of(notes_.begin(), notes_.end(),
                       [&](const CalendarNote& n) { return sameNote(n, note); });
}

QString noteListText(const CalendarNote& note) {
    const QString year = note.type == ntBirthday
                             ? QStringLiteral("xxxx")
                             : QStringLiteral("%1").arg(note.start.year, 4, 10, QLatin1Char('0'));
    return QStringLiteral("%1.%2.%3 ")
               .arg(note.start.day, 2, 10, QLatin1Char('0'))
               .arg(note.start.month, 2, 10, QLatin1Char('0'))
               .arg(year) +
           noteText(note.text);
}

TakeOverCount takeOver(NoteTable& table, const std::vector<CalendarNote>& notes, int capacity) {
    TakeOverCount result;
    for (const CalendarNote& note : notes) {
        if (table.contains(note)) {
            ++result.duplicates;
        } else if (table.count() >= std::min(capacity, kNoteTableSize)) {
            result.left.push_back(note);
        } else {
            table.append(note);
            ++result.taken;
        }
    }
    return result;
}

}  // namespace corvina
