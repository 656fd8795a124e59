// What every printed page shares: the fonts at the device's resolution and
// the footer with the print date and "Seite n von m".
#pragma once

#include <QDateTime>
#include <QFont>
#include <QPagedPaintDevice>
#include <QPainter>

namespace corvina {

struct PageFonts {
    explicit PageFonts(double bodyPoints);
    QFont title;
    QFont subtitle;
    QFont body;
    QFont bold;
    QFont footer;
};

// Millimetres in device pixels.
double millimetres(const QPaintDevice& device, double mm);

// Height the footer takes at the bottom of the printable area.
double footerHeight(const QPaintDevice& device, const PageFonts& fonts);

void paintFooter(QPainter& painter, const QPaintDevice& device, const PageFonts& fonts,
                 const QDateTime& printed, int page, int pages);

}  // namespace corvina
