#include "corvina/reports/reportrenderer.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QTextLayout>
#include <algorithm>

#include "corvina/language/language.h"
#include "corvina/reports/pagedecor.h"

namespace corvina {

namespace {

struct VisualLine {
    QString text;
    bool bold = false;
};
using CellLines = std::vector<VisualLine>;

// A report row broken into the lines that fit its columns.
struct LaidRow {
    bool heading = false;
    std::vector<CellLines> cells;
    int lines = 1;
};

// A piece of a row placed in a band: lines [first, first + count).
struct Placed {
    int row = 0;  // -1: the closing count, -2: "Keine Einträge"
    int first = 0;
    int count = 0;
    double y = 0;
};

struct Band {
    double top = 0;  // where its column headings start
    std::vector<Placed> items;
};

struct Page {
    std::vector<Band> bands;
};

double bodyPointsFor(const Report& report) {
    const size_t columns = report.columns.size() * size_t(std::max(1, report.bands));
    if (columns > 10) return 7;
    if (columns > 6) return 8;
    return 9;
}

// Breaks one line of text into lines no wider than `width`.
QStringList wrap(const QString& text, const QFont& font, const QPaintDevice& device, double width) {
    if (text.isEmpty()) return {QString()};
    QTextLayout layout(text, font, const_cast<QPaintDevice*>(&device));
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    QStringList lines;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        lines << text.mid(line.textStart(), line.textLength()).trimmed();
    }
    layout.endLayout();
    return lines;
}

CellLines layCell(const ReportCell& cell, const PageFonts& fonts, const QPaintDevice& device,
                  double width) {
    CellLines lines;
    for (qsizetype i = 0; i < cell.lines.size(); ++i) {
        const bool bold = cell.boldLines.contains(int(i));
        for (const QString& part :
             wrap(cell.lines.at(i), bold ? fonts.bold : fonts.body, device, width)) {
            lines.push_back({part, bold});
        }
    }
    return lines;
}

class Layout {
  public:
    Layout(const Report& report, const QPagedPaintDevice& device)
        : report_(report),
          device_(device),
          fonts_(bodyPointsFor(report)),
          pad_(millimetres(device, 0.8)),
          gap_(millimetres(device, 6)) {
        const QFontMetricsF body(fonts_.body, &device);
        const QFontMetricsF bold(fonts_.bold, &device);
        lineHeight_ = std::max(body.lineSpacing(), bold.lineSpacing());
        bands_ = std::max(1, report.bands);
        bandWidth_ = (device.width() - (bands_ - 1) * gap_) / bands_;
        double total = 0;
        for (const ReportColumn& column : report.columns) total += std::max(0.1, column.width);
        double x = 0;
        for (const ReportColumn& column : report.columns) {
            columnX_.push_back(x);
            x += bandWidth_ * std::max(0.1, column.width) / std::max(total, 0.1);
        }
        columnX_.push_back(bandWidth_);
        for (size_t c = 0; c < report.columns.size(); ++c) {
            const auto lines = layCell(ReportCell({report.columns[c].heading}, {0}), fonts_, device,
                                       columnWidth(c));
            headingLines_ = std::max(headingLines_, int(lines.size()));
            headings_.push_back(lines);
        }
        titleHeight_ = QFontMetricsF(fonts_.title, &device).lineSpacing() +
                       QFontMetricsF(fonts_.subtitle, &device).lineSpacing() +
                       millimetres(device, 5);
        bottom_ = device.height() - footerHeight(device, fonts_);
        layRows();
        paginate();
    }

    int pageCount() const { return int(pages_.size()); }
    void paint(QPainter& painter, QPagedPaintDevice& device, const QDateTime& printed) const;

  private:
    double columnWidth(size_t c) const { return columnX_[c + 1] - columnX_[c] - 2 * pad_; }
    double rowHeight(int lines) const { return lines * lineHeight_ + 2 * pad_; }
    double headingHeight() const { return rowHeight(headingLines_); }
    double bandTop(size_t page) const { return page == 0 ? titleHeight_ : 0; }
    // The most lines a band of a later page can hold.
    int linesPerBand() const {
        return std::max(1, int((bottom_ - headingHeight() - 2 * pad_) / lineHeight_));
    }

    void layRows();
    void paginate();
    void nextBand();
    double room() const { return bottom_ - y_; }
    void place(int row, int first, int count) {
        pages_.back().bands.back().items.push_back({row, first, count, y_});
        y_ += rowHeight(count);
    }

    void paintBand(QPainter& painter, const Band& band, double x) const;
    void paintRow(QPainter& painter, const LaidRow& row, const Placed& placed, double x) const;

    const Report& report_;
    const QPaintDevice& device_;
    PageFonts fonts_;
    double pad_;
    double gap_;
    double lineHeight_ = 0;
    int bands_ = 1;
    double bandWidth_ = 0;
    std::vector<double> columnX_;
    std::vector<CellLines> headings_;
    int headingLines_ = 1;
    double titleHeight_ = 0;
    double bottom_ = 0;
    std::vector<LaidRow> rows_;
    std::vector<Page> pages_;
    double y_ = 0;
};

void Layout::layRows() {
    for (const ReportRow& row : report_.rows) {
        LaidRow laid;
        if (row.isGroupHeading()) {
            laid.heading = true;
            laid.cells.push_back(layCell(ReportCell({row.groupHeading}, {0}), fonts_, device_,
                                         bandWidth_ - 2 * pad_));
        } else {
            for (size_t c = 0; c < report_.columns.size(); ++c) {
                laid.cells.push_back(c < row.cells.size()
                                         ? layCell(row.cells[c], fonts_, device_, columnWidth(c))
                                         : CellLines{});
            }
        }
        for (const CellLines& cell : laid.cells)
            laid.lines = std::max(laid.lines, int(cell.size()));
        rows_.push_back(std::move(laid));
    }
}

void Layout::nextBand() {
    if (pages_.back().bands.size() == size_t(bands_)) pages_.emplace_back();
    Page& page = pages_.back();
    page.bands.push_back({bandTop(pages_.size() - 1), {}});
    y_ = page.bands.back().top + headingHeight();
}

void Layout::paginate() {
    pages_.emplace_back();
    nextBand();
    if (!report_.hasEntries()) {
        place(-2, 0, 1);
        return;
    }
    const int perBand = linesPerBand();
    for (size_t r = 0; r < rows_.size(); ++r) {
        const LaidRow& row = rows_[r];
        double needed = rowHeight(row.lines);
        // A group heading goes to the next band with the first row after it.
        if (row.heading && r + 1 < rows_.size()) {
            needed += rowHeight(std::min(rows_[r + 1].lines, perBand));
        }
        const bool bandUsed = !pages_.back().bands.back().items.empty();
        if (needed > room() && bandUsed) nextBand();
        if (rowHeight(row.lines) > room() && row.lines <= perBand) nextBand();
        if (rowHeight(row.lines) <= room()) {
            place(int(r), 0, row.lines);
            continue;
        }
        // Taller than a page: split at line boundaries.
        int first = 0;
        while (first < row.lines) {
            int fits = int((room() - 2 * pad_) / lineHeight_);
            if (fits <= 0) {
                nextBand();
                fits = perBand;
            }
            const int count = std::min(fits, row.lines - first);
            place(int(r), first, count);
            first += count;
            if (first < row.lines) nextBand();
        }
    }
    if (!report_.closingCount.isEmpty()) {
        if (rowHeight(1) > room()) nextBand();
        place(-1, 0, 1);
    }
}

void Layout::paint(QPainter& painter, QPagedPaintDevice& device, const QDateTime& printed) const {
    for (size_t p = 0; p < pages_.size(); ++p) {
        if (p > 0) device.newPage();
        if (p == 0) {
            painter.setPen(Qt::black);
            painter.setFont(fonts_.title);
            const double titleLine = QFontMetricsF(fonts_.title, &device_).lineSpacing();
            painter.drawText(QRectF(0, 0, device.width(), titleLine), Qt::AlignLeft | Qt::AlignTop,
                             report_.title);
            painter.setFont(fonts_.subtitle);
            painter.drawText(QRectF(0, titleLine, device.width(), titleHeight_ - titleLine),
                             Qt::AlignLeft | Qt::AlignTop, report_.subtitle);
        }
        for (size_t b = 0; b < pages_[p].bands.size(); ++b) {
            paintBand(painter, pages_[p].bands[b], double(b) * (bandWidth_ + gap_));
        }
        paintFooter(painter, device_, fonts_, printed, int(p) + 1, int(pages_.size()));
    }
}

void Layout::paintBand(QPainter& painter, const Band& band, double x) const {
    if (band.items.empty()) return;
    const bool emptyReport = band.items.front().row == -2;
    if (!emptyReport) {
        painter.fillRect(QRectF(x, band.top, bandWidth_, headingHeight()), QColor(225, 225, 225));
        for (size_t c = 0; c < headings_.size(); ++c) {
            painter.setFont(fonts_.bold);
            painter.setPen(Qt::black);
            for (size_t i = 0; i < headings_[c].size(); ++i) {
                painter.drawText(
                    QRectF(x + columnX_[c] + pad_, band.top + pad_ + double(i) * lineHeight_,
                           columnWidth(c), lineHeight_),
                    Qt::AlignLeft | Qt::AlignTop, headings_[c][i].text);
            }
        }
    }
    for (const Placed& placed : band.items) {
        if (placed.row < 0) {
            painter.setFont(placed.row == -1 ? fonts_.bold : fonts_.body);
            painter.setPen(Qt::black);
            painter.drawText(
                QRectF(x + pad_, placed.y + pad_, bandWidth_, lineHeight_),
                Qt::AlignLeft | Qt::AlignTop,
                placed.row == -1 ? report_.closingCount : tx("druck_82", "Keine Einträge"));
            continue;
        }
        paintRow(painter, rows_[size_t(placed.row)], placed, x);
    }
}

void Layout::paintRow(QPainter& painter, const LaidRow& row, const Placed& placed, double x) const {
    const QRectF area(x, placed.y, bandWidth_, rowHeight(placed.count));
    if (row.heading) painter.fillRect(area, QColor(240, 240, 240));
    for (size_t c = 0; c < row.cells.size(); ++c) {
        const double left = row.heading ? x + pad_ : x + columnX_[c] + pad_;
        const double width = row.heading ? bandWidth_ - 2 * pad_ : columnWidth(c);
        for (int i = 0; i < placed.count; ++i) {
            const size_t line = size_t(placed.first + i);
            if (line >= row.cells[c].size()) break;
            painter.setFont(row.cells[c][line].bold ? fonts_.bold : fonts_.body);
            painter.setPen(Qt::black);
            painter.drawText(QRectF(left, placed.y + pad_ + i * lineHeight_, width, lineHeight_),
                             Qt::AlignLeft | Qt::AlignTop, row.cells[c][line].text);
        }
    }
    painter.setPen(QPen(QColor(190, 190, 190), 0));
    painter.drawLine(area.bottomLeft(), area.bottomRight());
}

}  // namespace

int renderReport(const Report& report, QPagedPaintDevice& device, const QDateTime& printed) {
    const Layout layout(report, device);
    QPainter painter;
    if (!painter.begin(&device)) return 0;
    layout.paint(painter, device, printed);
    return painter.end() ? layout.pageCount() : 0;
}

}  // namespace corvina
