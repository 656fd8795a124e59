#include "corvina/logos/drawing.h"

#include <QPainter>
#include <vector>

#include "codecs/bitmaps/monochrome.h"

namespace corvina {

namespace {

QRgb colour(bool black) {
    return black ? qRgb(0, 0, 0) : qRgb(255, 255, 255);
}

void prepare(QPainter& painter, bool black) {
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.setPen(QPen(QColor(colour(black)), 0));
    painter.setBrush(Qt::NoBrush);
}

}  // namespace

QImage editablePicture(const QImage& picture) {
    const QImage mono = tools::monochrome(picture);
    return mono.convertToFormat(QImage::Format_RGB32);
}

QImage oneBitPicture(const QImage& editable) {
    return tools::monochrome(editable);
}

void drawLine(QImage& picture, QPoint a, QPoint b, bool black) {
    QPainter painter(&picture);
    prepare(painter, black);
    painter.drawLine(a, b);
    painter.drawPoint(b);
}

void drawShape(QImage& picture, DrawTool tool, QPoint from, QPoint to, bool black) {
    if (tool == DrawTool::Line) {
        drawLine(picture, from, to, black);
        return;
    }
    const QRect area = QRect(from, to).normalized();
    QPainter painter(&picture);
    prepare(painter, black);
    const bool filled = tool == DrawTool::FilledEllipse || tool == DrawTool::FilledRectangle;
    if (filled) painter.setBrush(QColor(colour(black)));
    // A rectangle of w x h pixels is drawn with its outline on its edge pixels.
    const QRect outline(area.topLeft(), QSize(area.width() - 1, area.height() - 1));
    if (tool == DrawTool::Ellipse || tool == DrawTool::FilledEllipse) {
        painter.drawEllipse(outline);
    } else {
        painter.drawRect(outline);
    }
}

void drawText(QImage& picture, QPoint at, const QString& text, const QFont& font, bool black) {
    QFont plain = font;
    plain.setStyleStrategy(QFont::NoAntialias);
    QPainter painter(&picture);
    prepare(painter, black);
    painter.setFont(plain);
    painter.drawText(QRect(at, picture.size()), Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip,
                     text);
}

void floodFill(QImage& picture, QPoint seed, bool black) {
    if (!picture.rect().contains(seed)) return;
    const QRgb from = picture.pixel(seed) | 0xFF000000u;
    const QRgb to = colour(black);
    if (from == to) return;
    std::vector<QPoint> stack{seed};
    const int width = picture.width();
    while (!stack.empty()) {
        const QPoint p = stack.back();
        stack.pop_back();
        auto* line = reinterpret_cast<QRgb*>(picture.scanLine(p.y()));
        if ((line[p.x()] | 0xFF000000u) != from) continue;
        // One run of the row, then the rows above and below it.
        int left = p.x();
        while (left > 0 && (line[left - 1] | 0xFF000000u) == from) --left;
        int right = p.x();
        while (right + 1 < width && (line[right + 1] | 0xFF000000u) == from) ++right;
        for (int x = left; x <= right; ++x) line[x] = to;
        for (const int y : {p.y() - 1, p.y() + 1}) {
            if (y < 0 || y >= picture.height()) continue;
            const auto* row = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
            for (int x = left; x <= right; ++x) {
                if ((row[x] | 0xFF000000u) == from &&
                    (x == left || (row[x - 1] | 0xFF000000u) != from))
                    stack.emplace_back(x, y);
            }
        }
    }
}

}  // namespace corvina
