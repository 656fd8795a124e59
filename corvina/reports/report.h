// A printed list: a title band, columns with relative widths, rows of
// multi-line cells (single lines may be bold), group headings between the
// rows and a closing count. The builders fill it from plain data; the
// renderer lays it out on any paged device (paper, preview, PDF).
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <vector>

namespace corvina {

struct ReportColumn {
    QString heading;
    double width = 1.0;  // relative to the other columns
};

struct ReportCell {
    QStringList lines;
    QList<int> boldLines;  // indexes into lines

    ReportCell() = default;
    ReportCell(QString text) : lines(text.isEmpty() ? QStringList{} : text.split('\n')) {}
    ReportCell(QStringList cellLines, QList<int> bold = {})
        : lines(std::move(cellLines)), boldLines(std::move(bold)) {}
};

struct ReportRow {
    // A group heading spans the whole width and holds only its text.
    QString groupHeading;
    std::vector<ReportCell> cells;

    bool isGroupHeading() const { return !groupHeading.isEmpty(); }
};

struct Report {
    QString title;
    QString subtitle;  // what was chosen: selection, order
    std::vector<ReportColumn> columns;
    std::vector<ReportRow> rows;
    QString closingCount;  // "3 Einträge"
    // The table runs in this many bands side by side on each page (the
    // compact phone list uses two).
    int bands = 1;

    // Wide tables go on landscape pages.
    bool landscape() const { return columns.size() * bands > 6; }
    bool hasEntries() const;
};

// "1 Eintrag", "3 Einträge"
QString entryCountText(int count);

}  // namespace corvina
