// Text files written for the record (a profile list, the divert states):
// UTF-8, written through a temporary file so that a failed write leaves an
// older file as it was.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace corvina {

// The rows of a table as lines, each column padded to its widest cell and
// the columns two blanks apart.
QStringList alignedColumns(const QList<QStringList>& rows);

// Writes the lines with line feeds; false with the system's reason in
// `error` when the file cannot be written.
bool writeTextFile(const QString& path, const QStringList& lines, QString* error);

}  // namespace corvina
