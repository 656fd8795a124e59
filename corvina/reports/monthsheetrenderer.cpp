#include "corvina/reports/monthsheetrenderer.h"

#include <QDate>
#include <QFontMetricsF>
#include <QPainter>

#include "corvina/language/language.h"
#include "corvina/reports/pagedecor.h"

namespace corvina {

namespace {

QStringList weekdayNames() {
    return {tx("druck_90", "Montag"),     tx("druck_91", "Dienstag"), tx("druck_92", "Mittwoch"),
            tx("druck_93", "Donnerstag"), tx("druck_94", "Freitag"),  tx("druck_95", "Samstag"),
            tx("druck_96", "Sonntag")};
}

void paintDay(QPainter& painter, const QRectF& box, const MonthSheet& sheet, int day,
              const PageFonts& fonts, const QPaintDevice& device) {
    const QDate date(sheet.year, sheet.month, day);
    const auto holiday = sheet.holidays.find(day);
    const bool red = date.dayOfWeek() == 7 || holiday != sheet.holidays.end();
    const double pad = millimetres(device, 1);
    const double line = QFontMetricsF(fonts.body, &device).lineSpacing();
    QRectF text = box.adjusted(pad, pad, -pad, -pad);

    painter.setFont(fonts.bold);
    painter.setPen(red ? QColor(180, 0, 0) : Qt::black);
    painter.drawText(QRectF(text.left(), text.top(), text.width(), line),
                     Qt::AlignLeft | Qt::AlignTop, QString::number(day));
    text.setTop(text.top() + line);

    QStringList lines;
    if (holiday != sheet.holidays.end()) lines << holiday->second;
    const int holidayLines = int(lines.size());
    if (const auto notes = sheet.notes.find(day); notes != sheet.notes.end())
        lines << notes->second;
    const int room = std::max(0, int(text.height() / line));
    for (int i = 0; i < std::min(room, int(lines.size())); ++i) {
        QString shown = lines.at(i);
        if (i == room - 1 && lines.size() > room) {
            shown = tx("druck_97", "… %1 weitere").arg(lines.size() - room + 1);
        }
        QFont font = fonts.body;
        font.setItalic(i < holidayLines);
        painter.setFont(font);
        painter.setPen(i < holidayLines ? QColor(180, 0, 0) : Qt::black);
        const QString elided =
            QFontMetricsF(font, &device).elidedText(shown, Qt::ElideRight, text.width());
        painter.drawText(QRectF(text.left(), text.top() + i * line, text.width(), line),
                         Qt::AlignLeft | Qt::AlignTop, elided);
    }
}

void paintSheet(QPainter& painter, const MonthSheet& sheet, const PageFonts& fonts,
                const QPaintDevice& device) {
    const double titleLine = QFontMetricsF(fonts.title, &device).lineSpacing();
    const double headLine = QFontMetricsF(fonts.bold, &device).lineSpacing() * 1.4;
    painter.setFont(fonts.title);
    painter.setPen(Qt::black);
    painter.drawText(QRectF(0, 0, device.width(), titleLine), Qt::AlignLeft | Qt::AlignTop,
                     monthTitle(sheet.year, sheet.month));

    const QDate first(sheet.year, sheet.month, 1);
    const int lead = first.dayOfWeek() - 1;
    const int weeks = (lead + first.daysInMonth() + 6) / 7;
    const double top = titleLine + millimetres(device, 3);
    const double bottom = device.height() - footerHeight(device, fonts);
    const double width = device.width() / 7.0;
    const double height = (bottom - top - headLine) / weeks;

    const QStringList names = weekdayNames();
    painter.setFont(fonts.bold);
    for (int d = 0; d < 7; ++d) {
        const QRectF head(d * width, top, width, headLine);
        painter.fillRect(head, QColor(225, 225, 225));
        painter.setPen(Qt::black);
        painter.drawText(head, Qt::AlignCenter, names.at(d));
    }
    for (int cell = 0; cell < weeks * 7; ++cell) {
        const QRectF box((cell % 7) * width, top + headLine + (cell / 7) * height, width, height);
        painter.setPen(QPen(Qt::darkGray, 0));
        painter.drawRect(box);
        const int day = cell - lead + 1;
        if (day >= 1 && day <= first.daysInMonth())
            paintDay(painter, box, sheet, day, fonts, device);
    }
}

}  // namespace

int renderMonthSheets(const std::vector<MonthSheet>& sheets, QPagedPaintDevice& device,
                      const QDateTime& printed) {
    const PageFonts fonts(7.5);
    QPainter painter;
    if (!painter.begin(&device)) return 0;
    const int pages = std::max<int>(1, int(sheets.size()));
    for (int p = 0; p < pages; ++p) {
        if (p > 0) device.newPage();
        if (p < int(sheets.size())) {
            paintSheet(painter, sheets[size_t(p)], fonts, device);
        } else {
            painter.setFont(fonts.body);
            painter.drawText(QRectF(0, 0, device.width(), device.height() / 4),
                             Qt::AlignLeft | Qt::AlignTop, tx("druck_82", "Keine Einträge"));
        }
        paintFooter(painter, device, fonts, printed, p + 1, pages);
    }
    return painter.end() ? pages : 0;
}

}  // namespace corvina
