// The entries of a saved phonebook to pick a number from: a table file
// (".kvf": one line per table row, header first, every cell in double
// quotes followed by a comma, line breaks inside a cell written as "|", the
// default number's cell marked by a trailing "!"), or a CSV export (comma
// format with quoted fields, or semicolon format: location; name; number).
// Windows-1252 text.
#pragma once

#include <QString>
#include <vector>

namespace corvina {

struct PickEntry {
    QString location;
    QString name;
    QString number;  // the first general number
};

struct PickRead {
    std::vector<PickEntry> entries;  // only those with a usable number
    QString error;                   // file and reason when it cannot be read
};

PickRead readPickEntries(const QString& path);

}  // namespace corvina
