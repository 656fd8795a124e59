// The cells of a table as the phonebook files hold them: text and whether
// the cell is drawn bold (the cell of an entry's default number). Row 0 of
// a table is its captions; files hold the rows after it.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace corvina {

struct TableCell {
    QString text;
    bool bold = false;
    bool operator==(const TableCell&) const = default;
};
using TableCells = std::vector<TableCell>;
using TableGrid = std::vector<TableCells>;

// What reading a table file gives: all its rows, or a refusal naming the
// file and line. A caller replaces its table only with a good read.
struct TableFileRead {
    TableGrid rows;
    QString error;        // empty: the file is good
    QStringList notices;  // lines skipped of a good file, one text each

    bool ok() const { return error.isEmpty(); }
    static TableFileRead refused(QString error) {
        TableFileRead read;
        read.error = std::move(error);
        return read;
    }
};

// Files larger than this, or with more rows, are refused before parsing.
constexpr qint64 kMaxTableFileBytes = 64LL * 1024 * 1024;
constexpr int kMaxTableFileRows = 100000;

// A character of a cell that Windows-1252 cannot hold; the text files
// write "?" in its place after the user agreed.
struct UnencodableCharacter {
    int row = 0;  // 1-based, as the table shows it
    int column = 0;
    QChar character;
    bool operator==(const UnencodableCharacter&) const = default;
};
std::vector<UnencodableCharacter> unencodableCharacters(const TableGrid& rows);

// Text files are read as UTF-8 when they begin with its byte order mark or
// are valid UTF-8 holding non-ASCII bytes, else as Windows-1252.
QString decodeTextFile(const QByteArray& bytes);

// Reads the whole file; empty with `error` set ("Datei X: reason") when it
// cannot be read or is larger than kMaxTableFileBytes.
std::optional<QByteArray> readTableFileBytes(const QString& path, QString* error);
// Writes through a temporary file that then replaces `path`.
bool writeTableFileBytes(const QString& path, const QByteArray& bytes, QString* error);

// "Datei X, Zeile N: " as refusals begin.
QString fileLineText(const QString& path, int line);

}  // namespace corvina
