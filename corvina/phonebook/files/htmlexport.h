// The HTML export of a table: one <table> with a line per tag, ASCII only
// (Latin-1 letters as entity names, other characters as numeric
// references), CR LF line ends:
//
//   <table bgcolor=#FFFFFF>
//    <tr>
//     <th align=left>
//   Name  </th>  ...                      captions (and fixed columns) as th
//    </tr>
//   </table>
//
// A bold cell is wrapped in <font color=#000000 size=n><b> ... </b></font>.
#pragma once

#include <QString>
#include <QStringList>
#include <Qt>
#include <vector>

#include "corvina/phonebook/files/tablegrid.h"

namespace corvina {

class HtmlExport {
  public:
    struct Layout {
        int fixedColumns = 0;                  // the address book's column 0 is fixed
        std::vector<Qt::Alignment> alignment;  // per column; left when missing
        int fontPointSize = 8;                 // of the table's font
    };

    static QByteArray encode(const QStringList& captions, const TableGrid& rows,
                             const Layout& layout);
    static bool save(const QString& path, const QStringList& captions, const TableGrid& rows,
                     const Layout& layout, QString* error);

    // HTML font size 1..7 of a point size.
    static int htmlFontSize(int points);
    // "&", "<", ">" and every character from 160 on as a reference.
    static QString escaped(const QString& text);
};

}  // namespace corvina
