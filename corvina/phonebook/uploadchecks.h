// What is looked at before an upload writes anything: rows whose location
// is no number (the user decides about each), rows that must not be
// written at all (two rows for one location, locations the memory does not
// have, fields longer than the phone's records take), and characters the
// phone's character set lacks.
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include "corvina/phonebook/phonebooktable.h"

namespace corvina {

struct UploadCheck {
    std::vector<int> invalidRows;  // occupied rows without a numeric location
    QStringList refusals;          // nothing may be written while any is left
    QStringList unencodable;       // "Speicherstelle 7, Name: ő"
};

// `capacity` is the number of locations of the memory.
UploadCheck checkUpload(const PhonebookTable& table, int capacity);

// The characters of the text that Windows-1252 cannot hold, each once.
QString unencodableCharacters(const QString& text);

// A list for a message: at most `limit` lines, then how many more.
QString listForMessage(const QStringList& lines, int limit = 12);

}  // namespace corvina
