#include "corvina/phonebook/files/csvexport.h"

#include <QRegularExpression>

#include "codecs/tools/cp1252.h"
#include "corvina/language/language.h"
#include "corvina/reports/phonebookreport.h"

namespace corvina {
namespace {

QString quoted(QString field) {
    field.replace(u'"', QStringLiteral("\"\""));
    return u'"' + field + u'"';
}

QStringList cellLines(const QString& cell) {
    static const QRegularExpression kLineEnd(QStringLiteral("\r\n|\r|\n"));
    QStringList lines = cell.split(kLineEnd);
    lines.removeIf([](const QString& line) { return line.trimmed().isEmpty(); });
    return lines;
}

}  // namespace

QByteArray CsvExport::encode(const TableGrid& rows) {
    // The table's captions, the address in three fields.
    const QStringList headings = phonebookColumnHeadings();
    const QStringList captions =
        headings.mid(0, 9) +
        QStringList{tx("kontakte_56", "Adresse 1"), tx("kontakte_57", "Adresse 2"),
                    tx("kontakte_58", "Adresse 3")} +
        headings.mid(10);
    QString text;
    const auto line = [&text](const QStringList& fields) {
        QStringList quotedFields;
        for (const QString& field : fields) quotedFields.append(quoted(field));
        text += quotedFields.join(u',') + QStringLiteral("\r\n");
    };
    line(captions);
    for (const TableCells& row : rows) {
        const auto cell = [&row](int c) {
            return c < static_cast<int>(row.size()) ? row[static_cast<size_t>(c)].text : QString();
        };
        QStringList fields = {cell(0), cell(1), cell(2)};
        for (int c = 3; c <= 7; ++c) fields.append(cellLines(cell(c)).join(QStringLiteral("\r\n")));
        fields.append(cell(8));
        const QStringList address = cellLines(cell(9));
        fields << address.value(0) << address.value(1) << address.mid(2).join(QStringLiteral(", "));
        fields << cell(10) << cell(11) << cell(12);
        line(fields);
    }
    const std::string bytes = tools::toCp1252(text);
    return QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

bool CsvExport::save(const QString& path, const TableGrid& rows, QString* error) {
    return writeTableFileBytes(path, encode(rows), error);
}

}  // namespace corvina
