// One row of a phonebook memory table: the location and the twelve fields
// of an entry, with the marks the window shows.
//
// Number cells hold any number of numbers, each followed by CR; the cell
// whose first line is the entry's default number is the bold one. Address
// and note hold lines separated by CR LF. A field given as a lone "-"
// holds the mark "n.a." (not available) and counts as blank.
#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <optional>

namespace corvina {

enum PhonebookColumn : int {
    colLocation = 0,
    colName,
    colGroup,
    colGeneral,
    colMobile,
    colHome,
    colWork,
    colFax,
    colEmail,
    colAddress,
    colNote,
    colCompany,
    colUrl,
};
constexpr int kPhonebookColumns = 13;
constexpr int kFirstNumberColumn = colGeneral;
constexpr int kLastNumberColumn = colFax;
constexpr int kNumberColumns = kLastNumberColumn - kFirstNumberColumn + 1;

bool isNumberColumn(int column);
// Number type code of a number column (10, 3, 2, 6, 4) and back; type 0 and
// unknown types belong to the general column.
int32_t numberTypeOfColumn(int column);
int columnOfNumberType(int32_t type);
// Text type code of columns 8..12 (16, 17, 18, 33, 32) and back; unknown
// types belong to the note.
int32_t textTypeOfColumn(int column);
int columnOfTextType(int32_t type);

// The numbers of a number cell, without their CR.
QStringList numberLines(const QString& cell);
// The cell of these numbers: each one followed by CR, blank ones left out.
QString numberCell(const QStringList& numbers);
// Lines of an address or note; CR LF, CR and LF all end a line.
QStringList textLines(const QString& cell);

// The mark a lone "-" turns into.
QString notAvailableText();

struct PhonebookRow {
    std::array<QString, kPhonebookColumns> cells;
    int bold = -1;              // number column whose first line is the default
    uint16_t notAvailable = 0;  // one bit per column holding the "n.a." mark
    bool unread = false;        // the phone refused to give this location
    bool changed = false;       // changed since the last download or upload

    // The cell's text; blank for the "n.a." mark.
    QString value(int column) const;
    bool isNotAvailable(int column) const { return (notAvailable >> column) & 1; }
    // Stores a field as the editor gives it: a lone "-" becomes "n.a.".
    void setField(int column, const QString& text);

    // Empty: name, numbers and texts all blank. The group alone does not
    // make an entry.
    bool isEmpty() const;
    // The location as a number; nothing when column 0 is not one.
    std::optional<int> location() const;
    void setLocation(int location);

    // Columns 1..12 with their marks.
    void clearContent();
    void copyContentFrom(const PhonebookRow& source);
    // Puts `number` at the top of the number cell of its type and makes
    // that cell the only bold one.
    void setDefaultNumber(int column, const QString& number);
};

}  // namespace corvina
