// Import of comma- or semicolon-separated phonebook lists into the rows of
// a memory table (13 columns: location, name, group, the five number
// columns, e-mail, address, note, company, URL).
//
// Fields follow RFC 4180: a field may be quoted ("" stands for a quote and
// line ends may stand inside), or unquoted; the last field of a line needs
// no separator after it. A first line with more than three commas outside
// quotes makes the comma format:
//
//   location, name, group, general, mobile, home, work, fax, e-mail,
//   address line 1, line 2, line 3, note [, company, URL]
//
// otherwise the semicolon format: location; name; general number.
// A line whose first field is not a whole number above 0 is skipped (the
// header line silently, any other named in the notices).
#pragma once

#include <QString>

#include "corvina/phonebook/files/tablegrid.h"

namespace corvina {

class CsvImport {
  public:
    // Refused: a quote never closed, a line holding control characters
    // (not a text file), more than kMaxTableFileRows lines.
    static TableFileRead decode(const QByteArray& bytes, const QString& path);
    static TableFileRead load(const QString& path);
};

}  // namespace corvina
