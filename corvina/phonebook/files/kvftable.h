// The table file (".kvf"): saved phonebooks, the WAP list (".wap"), the
// temporary copies of the memory tables and the clipboard. Windows-1252,
// one line per table row with CR LF, the captions as line 0:
//
//   "Nr.","Name","Gruppe","0301234|!","",...,     every cell quoted, each
//                                                 followed by a comma
//
// A bold cell gets "!" appended; a double quote in a cell is written as
// "´" (and stays so on load); CR in a cell is written "|" and LF "¬", in
// every column, so a cell never splits its line.
#pragma once

#include <QString>
#include <QStringList>

#include "corvina/phonebook/files/tablegrid.h"

namespace corvina {

// Columns whose "!" marks the cell bold on load: the number columns of a
// phonebook table; none for the WAP list.
struct KvfBoldColumns {
    int first = -1;
    int last = -1;
    bool contains(int column) const { return column >= first && column <= last; }
};
constexpr KvfBoldColumns kPhonebookBoldColumns{3, 7};
constexpr KvfBoldColumns kNoBoldColumns{};

class KvfTable {
  public:
    // The file's bytes; characters Windows-1252 lacks become "?" (ask first
    // with unencodableCharacters()).
    static QByteArray encode(const QStringList& captions, const TableGrid& rows);
    // The rows after line 0. Refused: a cell whose quote is never closed, a
    // file of more than kMaxTableFileRows rows.
    static TableFileRead decode(const QByteArray& bytes, const QString& path, KvfBoldColumns bold);

    static TableFileRead load(const QString& path, KvfBoldColumns bold);
    static bool save(const QString& path, const QStringList& captions, const TableGrid& rows,
                     QString* error);
};

}  // namespace corvina
