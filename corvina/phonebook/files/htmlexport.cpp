#include "corvina/phonebook/files/htmlexport.h"

#include <array>

namespace corvina {
namespace {

// HTML 4 names of the characters 160..255.
constexpr std::array<const char*, 96> kLatin1Names = {
    "nbsp",   "iexcl",  "cent",   "pound",  "curren", "yen",    "brvbar", "sect",   "uml",
    "copy",   "ordf",   "laquo",  "not",    "shy",    "reg",    "macr",   "deg",    "plusmn",
    "sup2",   "sup3",   "acute",  "micro",  "para",   "middot", "cedil",  "sup1",   "ordm",
    "raquo",  "frac14", "frac12", "frac34", "iquest", "Agrave", "Aacute", "Acirc",  "Atilde",
    "Auml",   "Aring",  "AElig",  "Ccedil", "Egrave", "Eacute", "Ecirc",  "Euml",   "Igrave",
    "Iacute", "Icirc",  "Iuml",   "ETH",    "Ntilde", "Ograve", "Oacute", "Ocirc",  "Otilde",
    "Ouml",   "times",  "Oslash", "Ugrave", "Uacute", "Ucirc",  "Uuml",   "Yacute", "THORN",
    "szlig",  "agrave", "aacute", "acirc",  "atilde", "auml",   "aring",  "aelig",  "ccedil",
    "egrave", "eacute", "ecirc",  "euml",   "igrave", "iacute", "icirc",  "iuml",   "eth",
    "ntilde", "ograve", "oacute", "ocirc",  "otilde", "ouml",   "divide", "oslash", "ugrave",
    "uacute", "ucirc",  "uuml",   "yacute", "thorn",  "yuml"};

QString alignmentText(Qt::Alignment alignment) {
    if (alignment & Qt::AlignRight) return QStringLiteral(" align=right");
    if (alignment & Qt::AlignHCenter) return QStringLiteral(" align=center");
    return QStringLiteral(" align=left");
}

}  // namespace

int HtmlExport::htmlFontSize(int points) {
    if (points <= 5) return 1;
    if (points <= 9) return 2;
    if (points == 10) return 3;
    if (points <= 13) return 4;
    if (points <= 17) return 5;
    if (points <= 21) return 6;
    return 7;
}

QString HtmlExport::escaped(const QString& text) {
    QString result;
    result.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c == u'&')
            result += QStringLiteral("&amp;");
        else if (c == u'<')
            result += QStringLiteral("&lt;");
        else if (c == u'>')
            result += QStringLiteral("&gt;");
        else if (c >= 160 && c <= 255)
            result += u'&' + QLatin1String(kLatin1Names[c - 160]) + u';';
        else if (c > 127) {
            char32_t code = c;
            if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text[i + 1].isLowSurrogate())
                code = QChar::surrogateToUcs4(c, text[++i].unicode());
            result += QStringLiteral("&#") + QString::number(code) + u';';
        } else
            result += text[i];
    }
    return result;
}

QByteArray HtmlExport::encode(const QStringList& captions, const TableGrid& rows,
                              const Layout& layout) {
    QString html = QStringLiteral("<table bgcolor=#FFFFFF>\r\n");
    const QString fontOpen = QStringLiteral("   <font color=#000000 size=") +
                             QString::number(htmlFontSize(layout.fontPointSize)) + u'>';
    const auto addRow = [&](const TableCells& cells, bool fixedRow) {
        html += QStringLiteral(" <tr>\r\n");
        for (size_t c = 0; c < cells.size(); ++c) {
            const bool fixed = fixedRow || static_cast<int>(c) < layout.fixedColumns;
            const QString tag = fixed ? QStringLiteral("th") : QStringLiteral("td");
            html +=
                QStringLiteral("  <") + tag +
                alignmentText(c < layout.alignment.size() ? layout.alignment[c] : Qt::AlignLeft) +
                QStringLiteral(">\r\n");
            const TableCell& cell = cells[c];
            if (!cell.text.isEmpty()) {
                if (cell.bold)
                    html += fontOpen + QStringLiteral("<b>") + escaped(cell.text) +
                            QStringLiteral("</b></font>");
                else
                    html += escaped(cell.text);
            }
            html += QStringLiteral("  </") + tag + u'>';
        }
        html += QStringLiteral(" </tr>\r\n");
    };
    TableCells captionCells;
    for (const QString& caption : captions) captionCells.push_back({caption, false});
    addRow(captionCells, true);
    for (const TableCells& row : rows) addRow(row, false);
    html += QStringLiteral("</table>\r\n");
    return html.toLatin1();
}

bool HtmlExport::save(const QString& path, const QStringList& captions, const TableGrid& rows,
                      const Layout& layout, QString* error) {
    return writeTableFileBytes(path, encode(captions, rows, layout), error);
}

}  // namespace corvina
