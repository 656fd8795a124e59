#include "corvina/logos/tpreview.h"

#include <QPainter>
#include <QPainterPath>

#include "corvina/help/helpcontext.h"

namespace corvina {

namespace {

constexpr int kMargin = 12;
constexpr int kScreenScale = 2;
constexpr int kBezel = 22;
const QColor kLcd(0xc3, 0xcf, 0xa6);
const QColor kPixel(0x22, 0x2b, 0x1c);
const QColor kCase(0x3a, 0x40, 0x4a);

// The picture with the phone's own colours: dark pixels on the greenish
// screen.
QImage lcdColours(const QImage& picture) {
    QImage shown = picture.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < shown.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(shown.scanLine(y));
        for (int x = 0; x < shown.width(); ++x)
            line[x] = qGray(line[x]) < 128 ? kPixel.rgb() : kLcd.rgb();
    }
    return shown;
}

}  // namespace

Tpreview::Tpreview(QWidget* parent) : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("Tpreview"));
    setWindowTitle(QStringLiteral("Vorschau"));
    setHelpPage(this, QStringLiteral("logoeditor"));
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void Tpreview::showPicture(const QImage& picture) {
    const bool resized = picture.size() != picture_.size();
    picture_ = picture;
    if (resized) {
        updateGeometry();
        resize(sizeHint());
    }
    update();
}

QSize Tpreview::sizeHint() const {
    const QSize logo = picture_.isNull() ? QSize(72, 14) : picture_.size();
    const int phoneWidth = logo.width() * kScreenScale + 2 * kBezel;
    return {std::max(logo.width(), phoneWidth) + 2 * kMargin,
            logo.height() + 3 * kMargin + logo.height() * kScreenScale + 2 * kBezel + kBezel};
}

void Tpreview::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    if (picture_.isNull()) return;
    // True size.
    painter.drawImage(QPoint(kMargin, kMargin), picture_);
    painter.setPen(palette().mid().color());
    painter.drawRect(QRect(QPoint(kMargin - 1, kMargin - 1), picture_.size() + QSize(1, 1)));

    // The phone: a dark case with a rounded screen, the logo at twice its size.
    const QSize screen = picture_.size() * kScreenScale;
    const QRect phone(kMargin, 2 * kMargin + picture_.height(), screen.width() + 2 * kBezel,
                      screen.height() + 3 * kBezel);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath body;
    body.addRoundedRect(phone, 18, 18);
    painter.fillPath(body, kCase);
    const QRect lcd(phone.left() + kBezel, phone.top() + kBezel, screen.width(), screen.height());
    QPainterPath glass;
    glass.addRoundedRect(lcd.adjusted(-4, -4, 4, 4), 5, 5);
    painter.fillPath(glass, kLcd);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.drawImage(lcd, lcdColours(picture_));
    // A speaker slot below the screen.
    painter.fillRect(QRect(phone.center().x() - 14, lcd.bottom() + kBezel / 2 + 4, 28, 3),
                     kCase.darker(160));
}

}  // namespace corvina
