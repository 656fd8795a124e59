#include "corvina/reports/pagedecor.h"

#include <QFontMetricsF>

#include "corvina/language/language.h"

namespace corvina {

namespace {

QFont sized(double points, bool bold) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

}  // namespace

PageFonts::PageFonts(double bodyPoints)
    : title(sized(15, true)),
      subtitle(sized(9.5, false)),
      body(sized(bodyPoints, false)),
      bold(sized(bodyPoints, true)),
      footer(sized(7.5, false)) {}

double millimetres(const QPaintDevice& device, double mm) {
    return mm * device.logicalDpiY() / 25.4;
}

double footerHeight(const QPaintDevice& device, const PageFonts& fonts) {
    return QFontMetricsF(fonts.footer, &device).lineSpacing() + millimetres(device, 4);
}

void paintFooter(QPainter& painter, const QPaintDevice& device, const PageFonts& fonts,
                 const QDateTime& printed, int page, int pages) {
    const double height = QFontMetricsF(fonts.footer, &device).lineSpacing();
    const QRectF line(0, device.height() - height, device.width(), height);
    painter.setPen(QPen(Qt::darkGray, 0));
    painter.drawLine(QPointF(0, line.top() - millimetres(device, 1.5)),
                     QPointF(device.width(), line.top() - millimetres(device, 1.5)));
    painter.setFont(fonts.footer);
    painter.setPen(Qt::black);
    painter.drawText(
        line, Qt::AlignLeft | Qt::AlignVCenter,
        tx("druck_80", "Gedruckt am %1").arg(printed.toString(QStringLiteral("dd.MM.yyyy hh:mm"))));
    painter.drawText(line, Qt::AlignRight | Qt::AlignVCenter,
                     tx("druck_81", "Seite %1 von %2").arg(page).arg(pages));
}

}  // namespace corvina
