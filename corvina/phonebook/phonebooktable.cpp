#include "corvina/phonebook/phonebooktable.h"

#include <algorithm>
#include <set>

namespace corvina {

namespace {

constexpr int kMaxLocation = 255;  // the phones name a location by one byte
constexpr size_t kHistoryDepth = 100;

int numericKey(const PhonebookRow& row) {
    return row.location().value_or(0);
}

QString digitsOf(const QString& text) {
    QString digits;
    for (const QChar c : text) {
        if (c.isDigit()) digits += c;
    }
    return digits;
}

}  // namespace

int PhonebookTable::indexOfLocation(int location) const {
    for (size_t i = 0; i < rows_.size(); ++i) {
        if (rows_[i].location() == location) return static_cast<int>(i);
    }
    return -1;
}

int PhonebookTable::rowAt(int location) {
    if (const int index = indexOfLocation(location); index >= 0) return index;
    PhonebookRow row;
    row.setLocation(location);
    rows_.push_back(std::move(row));
    return size() - 1;
}

int PhonebookTable::firstFreeLocation() const {
    std::set<int> held;
    for (const PhonebookRow& row : rows_) {
        if (const auto location = row.location(); location && (!row.isEmpty() || row.unread)) {
            held.insert(*location);
        }
    }
    int location = 1;
    while (held.count(location)) ++location;
    return location;
}

int PhonebookTable::highestLocation() const {
    int highest = 0;
    for (const PhonebookRow& row : rows_) highest = std::max(highest, row.location().value_or(0));
    return highest;
}

bool PhonebookTable::hasEntries() const {
    return occupiedCount() > 0;
}

int PhonebookTable::occupiedCount() const {
    return static_cast<int>(
        std::count_if(rows_.begin(), rows_.end(), [](const auto& r) { return !r.isEmpty(); }));
}

int PhonebookTable::locationLimit() const {
    if (state_.capacity > 0) return std::min(state_.capacity, kMaxLocation);
    return std::min(std::max(size(), highestLocation()) + 1, kMaxLocation);
}

bool PhonebookTable::hasUnsentEdits() const {
    return std::any_of(rows_.begin(), rows_.end(), [](const auto& r) { return r.changed; });
}

void PhonebookTable::sortByLocation() {
    // Rows without a numeric location go last, in the order they had.
    std::stable_sort(rows_.begin(), rows_.end(), [](const auto& a, const auto& b) {
        const auto la = a.location();
        const auto lb = b.location();
        if (!la || !lb) return la.has_value() && !lb.has_value();
        return *la < *lb;
    });
}

void PhonebookTable::sortByColumn(int column, bool descending) {
    std::stable_sort(rows_.begin(), rows_.end(), [&](const auto& a, const auto& b) {
        const QString& ta = a.cells.at(column);
        const QString& tb = b.cells.at(column);
        if (ta.isEmpty() || tb.isEmpty()) return !ta.isEmpty() && tb.isEmpty();
        int order = 0;
        if (column == colLocation) {
            order = numericKey(a) < numericKey(b) ? -1 : numericKey(a) > numericKey(b) ? 1 : 0;
        } else {
            order = ta.compare(tb, Qt::CaseInsensitive);
        }
        return descending ? order > 0 : order < 0;
    });
}

void PhonebookTable::sortByHeader(int column) {
    sortByColumn(column, descendingNext_);
    descendingNext_ = !descendingNext_;
}

int PhonebookTable::sortByLetter(QChar letter) {
    sortByColumn(colName, false);
    descendingNext_ = true;
    const QString prefix(letter);
    for (size_t i = 0; i < rows_.size(); ++i) {
        if (rows_[i].value(colName).startsWith(prefix, Qt::CaseInsensitive))
            return static_cast<int>(i);
    }
    return -1;
}

void PhonebookTable::moveContent(int fromIndex, int toLocation) {
    const int to = rowAt(toLocation);
    PhonebookRow& target = rows_.at(static_cast<size_t>(to));
    PhonebookRow& source = rows_.at(static_cast<size_t>(fromIndex));
    target.copyContentFrom(source);
    target.unread = false;
    target.changed = true;
    source.clearContent();
    source.changed = true;
}

std::vector<LocationMove> PhonebookTable::compact() {
    sortByLocation();
    std::set<int> unread;
    for (const PhonebookRow& row : rows_) {
        if (row.unread && row.location()) unread.insert(*row.location());
    }
    std::vector<LocationMove> moves;
    std::vector<int> homeless;  // rows whose location is no number; they go last
    int target = 0;
    const auto nextTarget = [&] {
        do ++target;
        while (unread.count(target));
        return target;
    };
    const int count = size();
    for (int i = 0; i < count; ++i) {
        const PhonebookRow& row = rows_[static_cast<size_t>(i)];
        if (row.isEmpty() || row.unread) continue;
        const auto location = row.location();
        if (!location) {
            homeless.push_back(i);
            continue;
        }
        const int to = nextTarget();
        if (to == *location) continue;
        moveContent(i, to);
        moves.push_back({*location, to});
    }
    // Their indices stay valid: rows made by moveContent go to the end.
    for (const int index : homeless) moveContent(index, nextTarget());
    for (auto it = homeless.rbegin(); it != homeless.rend(); ++it) removeRow(*it);
    sortByLocation();
    return moves;
}

void PhonebookTable::removeTrailingEmptyRows() {
    sortByLocation();
    while (!rows_.empty() && rows_.back().isEmpty() && !rows_.back().unread) rows_.pop_back();
}

void PhonebookTable::clearRows(const std::vector<int>& indices) {
    for (const int index : indices) {
        PhonebookRow& row = rows_.at(static_cast<size_t>(index));
        row.clearContent();
        row.changed = true;
    }
}

void PhonebookTable::beginEdit() {
    undo_.push_back(rows_);
    if (undo_.size() > kHistoryDepth) undo_.erase(undo_.begin());
    redo_.clear();
}

bool PhonebookTable::undo() {
    if (undo_.empty()) return false;
    redo_.push_back(std::move(rows_));
    rows_ = std::move(undo_.back());
    undo_.pop_back();
    return true;
}

bool PhonebookTable::redo() {
    if (redo_.empty()) return false;
    undo_.push_back(std::move(rows_));
    rows_ = std::move(redo_.back());
    redo_.pop_back();
    return true;
}

void PhonebookTable::forgetHistory(bool clearChangeMarks) {
    undo_.clear();
    redo_.clear();
    if (!clearChangeMarks) return;
    for (PhonebookRow& row : rows_) row.changed = false;
}

bool rowMatchesFilter(const PhonebookRow& row, const QString& filter) {
    const QString text = filter.trimmed();
    if (text.isEmpty()) return true;
    if (row.value(colName).contains(text, Qt::CaseInsensitive)) return true;
    const QString digits = digitsOf(text);
    if (digits.isEmpty()) return false;
    for (int column = kFirstNumberColumn; column <= kLastNumberColumn; ++column) {
        if (digitsOf(row.value(column)).contains(digits)) return true;
    }
    return false;
}

}  // namespace corvina
