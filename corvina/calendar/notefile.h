// What reading a calendar file gives: the whole table, or a refusal that
// names the place (line, or byte of the record file) and the reason. A file
// is taken only when all of it is good.
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include "corvina/calendar/calendarnote.h"

namespace corvina {

struct NoteFileRead {
    std::vector<CalendarNote> notes;
    QString error;        // empty: the file is good
    QStringList notices;  // what the user should know about a good file

    bool ok() const { return error.isEmpty(); }
    static NoteFileRead refused(QString error) {
        NoteFileRead read;
        read.error = std::move(error);
        return read;
    }
};

// "Zeile 12: " and "Byte 456: " as the refusals begin.
QString lineText(int line);
QString byteText(qint64 byte);
// The refusal of a file holding more notes than the table.
QString tooManyNotesText();

}  // namespace corvina
