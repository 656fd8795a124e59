// The phonebook list as comma-separated values, in the comma format the CSV
// import reads (RFC 4180, Windows-1252, CR LF), a caption line first:
//
//   "Nr.","Name","Gruppe","Nummer(Allgemein)","Mobil","Privat","Geschäftlich",
//   "Fax","E-Mail","Adresse 1","Adresse 2","Adresse 3","Bemerkung","Firma","URL"
//
// Several numbers of a cell stand in one field, one per line; address lines
// past the third are joined into the third.
#pragma once

#include <QString>

#include "corvina/phonebook/files/tablegrid.h"

namespace corvina {

class CsvExport {
  public:
    // Rows of the 13 memory-table columns; characters Windows-1252 lacks
    // become "?" (ask first with unencodableCharacters()).
    static QByteArray encode(const TableGrid& rows);
    static bool save(const QString& path, const TableGrid& rows, QString* error);
};

}  // namespace corvina
