#include "corvina/phonebook/files/csvimport.h"

#include "corvina/language/language.h"

namespace corvina {
namespace {

constexpr int kColumns = 13;

bool isControlCharacter(QChar c) {
    return (c.unicode() < 0x20 && c != u'\t' && c != u'\r' && c != u'\n') || c.unicode() == 0x7F;
}

// The first line has more than three separators outside quotes.
bool isCommaFormat(const QString& text) {
    int commas = 0;
    bool quoted = false;
    for (const QChar c : text) {
        if (c == u'"')
            quoted = !quoted;
        else if (!quoted && (c == u'\r' || c == u'\n'))
            break;
        else if (!quoted && c == u',')
            ++commas;
    }
    return commas > 3;
}

QString numberCell(const QString& field) {
    const QString number = field.trimmed();
    return number.isEmpty() ? QString() : number + u'\r';
}

TableCells rowOf(const QStringList& fields, bool commaFormat, int location) {
    TableCells row(kColumns);
    row[0].text = QString::number(location);
    const auto field = [&](int i) { return i < fields.size() ? fields[i] : QString(); };
    row[1].text = field(1);
    if (!commaFormat) {
        row[3].text = numberCell(field(2));
        return row;
    }
    row[2].text = field(2);
    for (int c = 3; c <= 7; ++c) row[static_cast<size_t>(c)].text = numberCell(field(c));
    row[8].text = field(8);
    QStringList address;
    for (int i = 9; i <= 11; ++i)
        if (!field(i).isEmpty()) address.append(field(i));
    row[9].text = address.join(QStringLiteral("\r\n"));
    row[10].text = field(12);
    // Company and URL follow in the files the export writes.
    row[11].text = field(13);
    row[12].text = field(14);
    return row;
}

// The fields of each record of `text` and the line each begins on;
// `errorLine` is set to the line where a quoted field opened that never
// closes.
std::vector<QStringList> records(const QString& text, QChar separator, std::vector<int>& lines,
                                 int* errorLine) {
    std::vector<QStringList> result;
    QStringList fields;
    QString field;
    bool quoted = false;     // inside a quoted field
    bool wasQuoted = false;  // the current field began with a quote
    bool recordOpen = false;
    int line = 1;
    int quoteLine = 0;
    int recordLine = 1;
    const auto endField = [&] {
        fields.append(wasQuoted ? field : field.trimmed());
        field.clear();
        wasQuoted = false;
    };
    const auto endRecord = [&] {
        if (recordOpen) {
            endField();
            result.push_back(fields);
            lines.push_back(recordLine);
        }
        fields.clear();
        recordOpen = false;
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c == u'"') {
                if (i + 1 < text.size() && text[i + 1] == u'"') {
                    field += u'"';
                    ++i;
                } else {
                    quoted = false;
                }
            } else {
                if (c == u'\n' || (c == u'\r' && !(i + 1 < text.size() && text[i + 1] == u'\n')))
                    ++line;
                field += c;
            }
            continue;
        }
        if (c == u'\r' || c == u'\n') {
            if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ++i;
            endRecord();
            ++line;
            recordLine = line;
            continue;
        }
        recordOpen = true;
        if (c == separator) {
            endField();
        } else if (c == u'"' && field.trimmed().isEmpty() && !wasQuoted) {
            field.clear();
            quoted = wasQuoted = true;
            quoteLine = line;
        } else {
            field += c;
        }
    }
    if (quoted) {
        *errorLine = quoteLine;
        return {};
    }
    endRecord();
    return result;
}

}  // namespace

TableFileRead CsvImport::decode(const QByteArray& bytes, const QString& path) {
    const QString text = decodeTextFile(bytes);
    int line = 1;
    for (const QChar c : text) {
        if (c == u'\n') ++line;
        if (isControlCharacter(c))
            return TableFileRead::refused(
                fileLineText(path, line) +
                tx("telefonbuchdateien_6", "Die Datei ist keine Textdatei."));
    }
    if (line > kMaxTableFileRows + 1)
        return TableFileRead::refused(
            fileLineText(path, kMaxTableFileRows + 1) +
            tx("telefonbuchdateien_4", "Die Datei hat mehr als 100000 Zeilen."));
    const bool commaFormat = isCommaFormat(text);
    std::vector<int> lines;
    int errorLine = 0;
    const std::vector<QStringList> found =
        records(text, commaFormat ? u',' : u';', lines, &errorLine);
    if (errorLine > 0)
        return TableFileRead::refused(
            fileLineText(path, errorLine) +
            tx("telefonbuchdateien_5", "Ein Anführungszeichen wird nicht geschlossen."));
    TableFileRead read;
    for (size_t r = 0; r < found.size(); ++r) {
        const QStringList& fields = found[r];
        bool number = false;
        const int location = fields.value(0).trimmed().toInt(&number);
        if (number && location > 0) {
            read.rows.push_back(rowOf(fields, commaFormat, location));
        } else if (r > 0) {
            read.notices.append(fileLineText(path, lines[r]) +
                                tx("telefonbuchdateien_7",
                                   "übersprungen, das erste Feld ist keine Speicherstelle."));
        }
    }
    return read;
}

TableFileRead CsvImport::load(const QString& path) {
    QString error;
    const std::optional<QByteArray> bytes = readTableFileBytes(path, &error);
    if (!bytes) return TableFileRead::refused(error);
    return decode(*bytes, path);
}

}  // namespace corvina
