// HTML export: the table shape and the escaping of texts.
#include "corvina/phonebook/files/htmlexport.h"

#include <gtest/gtest.h>

namespace corvina {
namespace {

TEST(HtmlExport, ThreeRowsOfThirteenColumnsGiveThreeRowsOfThirteenCells) {
    QStringList captions;
    for (int c = 0; c < 13; ++c) captions.append(QStringLiteral("S%1").arg(c));
    TableGrid rows(2, TableCells(13));
    rows[0][1].text = QStringLiteral("Ärger & <Co> €");
    rows[0][3] = {QStringLiteral("0301234\r"), true};
    HtmlExport::Layout layout;
    layout.fixedColumns = 1;
    layout.alignment = {Qt::AlignRight};
    const QString html = QString::fromLatin1(HtmlExport::encode(captions, rows, layout));

    EXPECT_TRUE(html.startsWith(QStringLiteral("<table bgcolor=#FFFFFF>\r\n")));
    EXPECT_TRUE(html.endsWith(QStringLiteral(" </tr>\r\n</table>\r\n")));
    EXPECT_EQ(html.count(QStringLiteral("\r\n <tr>\r\n")), 3);
    EXPECT_EQ(html.count(QStringLiteral("  <th")), 13 + 2)
        << "captions, and the fixed first column";
    EXPECT_EQ(html.count(QStringLiteral("  <td")), 2 * 12);
    EXPECT_EQ(html.count(QStringLiteral("  </td>")) + html.count(QStringLiteral("  </th>")), 39);
    EXPECT_TRUE(
        html.contains(QStringLiteral("  <th align=right>\r\n  </th>  <td align=left>\r\n"
                                     "&Auml;rger &amp; &lt;Co&gt; &#8364;  </td>")));
    EXPECT_TRUE(html.contains(
        QStringLiteral("   <font color=#000000 size=2><b>0301234\r</b></font>  </td>")));
}

TEST(HtmlExport, FontSizesFollowThePointSize) {
    const std::vector<std::pair<int, int>> sizes = {{0, 1},  {5, 1},  {6, 2},  {9, 2},
                                                    {10, 3}, {11, 4}, {13, 4}, {14, 5},
                                                    {17, 5}, {18, 6}, {21, 6}, {22, 7}};
    for (const auto& [points, html] : sizes)
        EXPECT_EQ(HtmlExport::htmlFontSize(points), html) << points;
    EXPECT_EQ(HtmlExport::escaped(QStringLiteral("\u00A0\u00FF\"")),
              QStringLiteral("&nbsp;&yuml;\""));
}

}  // namespace
}  // namespace corvina
