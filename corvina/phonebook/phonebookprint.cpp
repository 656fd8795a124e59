#include "corvina/phonebook/phonebookprint.h"

#include <QTextDocument>

#include "corvina/phonebook/phonebookmodel.h"

namespace corvina {

namespace {

QString cellHtml(const PhonebookRow& row, int column) {
    QStringList lines = textLines(row.value(column).trimmed());
    for (QString& line : lines) line = line.toHtmlEscaped();
    QString html = lines.join(QStringLiteral("<br>"));
    return column == row.bold ? QStringLiteral("<b>%1</b>").arg(html) : html;
}

}  // namespace

QString phonebookDocument(const PhonebookTable& table, const QString& heading) {
    // Columns that hold something in at least one row are printed.
    std::vector<int> columns{colLocation};
    for (int column = colName; column < kPhonebookColumns; ++column) {
        for (const PhonebookRow& row : table.rows()) {
            if (!row.isEmpty() && !row.value(column).trimmed().isEmpty()) {
                columns.push_back(column);
                break;
            }
        }
    }
    QString html = QStringLiteral(
                       "<h2>%1</h2><table border=\"1\" cellspacing=\"0\" "
                       "cellpadding=\"3\" width=\"100%\"><tr>")
                       .arg(heading.toHtmlEscaped());
    for (const int column : columns) {
        html += QStringLiteral("<th align=\"left\">%1</th>")
                    .arg(phonebookColumnCaption(column).trimmed().toHtmlEscaped());
    }
    html += QStringLiteral("</tr>");
    for (const PhonebookRow& row : table.rows()) {
        if (row.isEmpty()) continue;
        html += QStringLiteral("<tr>");
        for (const int column : columns) {
            html += QStringLiteral("<td valign=\"top\">%1</td>").arg(cellHtml(row, column));
        }
        html += QStringLiteral("</tr>");
    }
    return html + QStringLiteral("</table>");
}

void printPhonebook(const PhonebookTable& table, const QString& heading, QPrinter& printer) {
    QTextDocument document;
    document.setHtml(phonebookDocument(table, heading));
    document.print(&printer);
}

}  // namespace corvina
