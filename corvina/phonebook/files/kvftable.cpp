#include "corvina/phonebook/files/kvftable.h"

#include "codecs/tools/cp1252.h"
#include "corvina/language/language.h"

namespace corvina {
namespace {

constexpr QChar kQuoteStandIn = QChar(0x00B4);  // ´
constexpr QChar kCrStandIn = u'|';
constexpr QChar kLfStandIn = QChar(0x00AC);  // ¬

void appendCell(QString& line, const TableCell& cell) {
    QString text = cell.text;
    text.replace(u'"', kQuoteStandIn);
    if (cell.bold) text += u'!';
    text.replace(u'\r', kCrStandIn);
    text.replace(u'\n', kLfStandIn);
    line += u'"';
    line += text;
    line += QStringLiteral("\",");
}

// Splits on CR LF, CR or LF; a line end at the very end opens no line.
QStringList fileLines(const QString& text) {
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != u'\r' && text[i] != u'\n') continue;
        lines.append(text.mid(start, i - start));
        if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ++i;
        start = i + 1;
    }
    if (start < text.size()) lines.append(text.mid(start));
    return lines;
}

}  // namespace

QByteArray KvfTable::encode(const QStringList& captions, const TableGrid& rows) {
    QString text;
    QString line;
    for (const QString& caption : captions) appendCell(line, TableCell{caption, false});
    text += line + QStringLiteral("\r\n");
    for (const TableCells& row : rows) {
        line.clear();
        for (const TableCell& cell : row) appendCell(line, cell);
        text += line + QStringLiteral("\r\n");
    }
    const std::string bytes = tools::toCp1252(text);
    return QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

TableFileRead KvfTable::decode(const QByteArray& bytes, const QString& path, KvfBoldColumns bold) {
    const QStringList lines = fileLines(decodeTextFile(bytes));
    if (lines.size() - 1 > kMaxTableFileRows)
        return TableFileRead::refused(
            fileLineText(path, kMaxTableFileRows + 2) +
            tx("telefonbuchdateien_4", "Die Datei hat mehr als 100000 Zeilen."));
    TableFileRead read;
    read.rows.reserve(static_cast<size_t>(std::max<qsizetype>(0, lines.size() - 1)));
    for (qsizetype l = 1; l < lines.size(); ++l) {
        QString rest = lines[l];
        rest.replace(kCrStandIn, u'\r');
        rest.replace(kLfStandIn, u'\n');
        TableCells row;
        while (rest.size() > 1) {
            if (rest.startsWith(u'"')) rest.remove(0, 1);
            const qsizetype close = rest.indexOf(u'"');
            if (close < 0)
                return TableFileRead::refused(
                    fileLineText(path, static_cast<int>(l) + 1) +
                    tx("telefonbuchdateien_5", "Ein Anführungszeichen wird nicht geschlossen."));
            TableCell cell{rest.left(close), false};
            const int column = static_cast<int>(row.size());
            // The "!" a bold cell got appended is the last one of the cell.
            const qsizetype mark = cell.text.lastIndexOf(u'!');
            if (bold.contains(column) && mark >= 0) {
                cell.text.remove(mark, 1);
                cell.bold = true;
            }
            row.push_back(std::move(cell));
            rest.remove(0, close + 1);
            if (rest.startsWith(u',')) rest.remove(0, 1);
        }
        read.rows.push_back(std::move(row));
    }
    return read;
}

TableFileRead KvfTable::load(const QString& path, KvfBoldColumns bold) {
    QString error;
    const std::optional<QByteArray> bytes = readTableFileBytes(path, &error);
    if (!bytes) return TableFileRead::refused(error);
    return decode(*bytes, path, bold);
}

bool KvfTable::save(const QString& path, const QStringList& captions, const TableGrid& rows,
                    QString* error) {
    return writeTableFileBytes(path, encode(captions, rows), error);
}

}  // namespace corvina
