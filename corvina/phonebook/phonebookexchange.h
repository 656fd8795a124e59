// The phonebook files a table is saved to and loaded from, chosen by the
// name: ".kvf" table file, ".htm" HTML (save only), ".csv" comma list,
// ".vcf" vCard file; any other name is a contacts folder (a vdir).
//
// Reading never touches a table: it gives all rows of a good file or an
// error naming file and line, and the caller replaces its rows only then.
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include "corvina/phonebook/files/contactcard.h"
#include "corvina/phonebook/files/contactsfolder.h"
#include "corvina/phonebook/files/tablegrid.h"
#include "corvina/phonebook/phonebookrow.h"

namespace corvina {

enum class PhonebookFormat { Kvf, Html, Csv, VCard, Folder };
PhonebookFormat phonebookFormatOf(const QString& path);

struct PhonebookFileRead {
    std::vector<PhonebookRow> rows;       // numbered from 1 for cards
    std::vector<ContactFields> contacts;  // the same, as contacts
    QString error;                        // empty: the file is good
    QStringList notices;                  // lines or cards skipped
    bool ok() const { return error.isEmpty(); }
};

// `groups` are the phone's caller-group names a card's category may name.
PhonebookFileRead readPhonebookFile(const QString& path, const QStringList& groups = {});

// The characters Windows-1252 lacks, as "Zeile r, Spalte c: »x«" texts; the
// formats written in it (table file, CSV) need the user's consent first.
QStringList unencodableInRows(const std::vector<PhonebookRow>& rows);
bool writtenInCp1252(PhonebookFormat format);

struct PhonebookFileWrite {
    bool ok = true;
    QString error;
    ContactsStored stored;  // a contacts folder: cards added, updated, kept
    int written = 0;        // entries written to a file
};

// Writes the occupied rows. A folder gains a card per row that matches
// none of its cards and fills in what a matching card lacks.
PhonebookFileWrite writePhonebookFile(const QString& path, const std::vector<PhonebookRow>& rows);

}  // namespace corvina
