// Printing a memory table: the occupied rows with name, group and numbers,
// laid out as a document that the print preview shows and a printer (or a
// PDF file) takes.
#pragma once

#include <QPrinter>
#include <QString>

#include "corvina/phonebook/phonebooktable.h"

namespace corvina {

// The document as HTML: a heading and one table row per entry.
QString phonebookDocument(const PhonebookTable& table, const QString& heading);
void printPhonebook(const PhonebookTable& table, const QString& heading, QPrinter& printer);

}  // namespace corvina
