// A phonebook memory table (SIM, phone memory or address book): its rows,
// keyed by their location, and what the last transfer left behind.
//
// Every rule that picks a location works on the location numbers, never on
// row positions: a table loaded from a file may have gaps, and a sort puts
// rows in any order. Edits remember the rows before them, so they can be
// undone until the next transfer.
#pragma once

#include <QChar>
#include <QString>
#include <cstdint>
#include <vector>

#include "corvina/phonebook/phonebookrow.h"

namespace corvina {

// A row's content went from one location to another.
struct LocationMove {
    int from = 0;
    int to = 0;
    bool operator==(const LocationMove&) const = default;
};

// What the last download found and the upload relies on.
struct TableTransferState {
    bool downloaded = false;     // cleared when a download went on past a read error
    int downloadCount = 0;       // occupied locations found; -1 after a read error
    QString downloadImei;        // phone the table came from; empty when unknown
    bool uploadAllowed = false;  // the last download ran to its end
    int capacity = -1;           // locations of the memory, -1 while unknown
};

class PhonebookTable {
  public:
    explicit PhonebookTable(uint8_t memory) : memory_(memory) {}

    uint8_t memory() const { return memory_; }
    int size() const { return static_cast<int>(rows_.size()); }
    const PhonebookRow& row(int index) const { return rows_.at(static_cast<size_t>(index)); }
    PhonebookRow& row(int index) { return rows_.at(static_cast<size_t>(index)); }
    const std::vector<PhonebookRow>& rows() const { return rows_; }
    // Replaces all rows (a download starts, a file is loaded).
    void setRows(std::vector<PhonebookRow> rows) { rows_ = std::move(rows); }
    void appendRow(PhonebookRow row) { rows_.push_back(std::move(row)); }
    void removeRow(int index) { rows_.erase(rows_.begin() + index); }

    TableTransferState& state() { return state_; }
    const TableTransferState& state() const { return state_; }

    // The first row at the location; -1 when no row holds it.
    int indexOfLocation(int location) const;
    // The row at the location, added empty when there is none.
    int rowAt(int location);
    // The lowest location from 1 that no occupied or unread row holds.
    int firstFreeLocation() const;
    int highestLocation() const;
    bool hasEntries() const;
    int occupiedCount() const;
    // The largest location an entry may be given: the capacity when known,
    // else one past the last row (or the highest location), at most 255.
    int locationLimit() const;
    bool hasUnsentEdits() const;

    void sortByLocation();
    // Stable; empty cells last in either direction. Column 0 compares as a
    // number (text that is none counts 0), the others as text ignoring case.
    void sortByColumn(int column, bool descending);
    // A header click: descending first, then alternately.
    void sortByHeader(int column);
    // Sorts by name ascending and gives the first row whose name begins
    // with the letter (ignoring case), or -1; the next header click sorts
    // descending again.
    int sortByLetter(QChar letter);

    // Moves the entries into the lowest locations, in location order; rows
    // the phone could not give stay where they are. The moved rows' old
    // locations stay as empty rows (so an upload clears them); rows without
    // a numeric location are given one and disappear from where they were.
    std::vector<LocationMove> compact();
    // Empty rows at the end of the location order go (never unread ones).
    void removeTrailingEmptyRows();
    // Moves the content of `from` into the row at location `to` (made when
    // missing); `from` keeps its location, empty.
    void moveContent(int fromIndex, int toLocation);
    // Empties the rows (their locations stay, so an upload clears them). A
    // location the phone would not give stays marked: only an entry written
    // into it lets the upload touch it.
    void clearRows(const std::vector<int>& indices);

    // Undo history: beginEdit() before each change.
    void beginEdit();
    bool canUndo() const { return !undo_.empty(); }
    bool canRedo() const { return !redo_.empty(); }
    bool undo();
    bool redo();
    // A transfer ends the history; a successful one also clears the marks
    // of changed rows.
    void forgetHistory(bool clearChangeMarks);

  private:
    uint8_t memory_;
    std::vector<PhonebookRow> rows_;
    TableTransferState state_;
    bool descendingNext_ = true;
    std::vector<std::vector<PhonebookRow>> undo_;
    std::vector<std::vector<PhonebookRow>> redo_;
};

// The row is among those a filter text selects: its name holds the text
// (ignoring case), or, when the text has digits, one of its numbers holds
// those digits. An empty filter selects every row.
bool rowMatchesFilter(const PhonebookRow& row, const QString& filter);

}  // namespace corvina
