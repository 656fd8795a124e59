#include "corvina/connection/connectionindicator.h"

#include <QPainter>

namespace corvina {

ConnectionIndicator::ConnectionIndicator(QWidget* parent) : QWidget(parent) {}

void ConnectionIndicator::setConnected(bool connected, const QString& text) {
    connected_ = connected;
    text_ = text;
    setToolTip(text);
    updateGeometry();
    update();
}

QSize ConnectionIndicator::sizeHint() const {
    return {fontMetrics().horizontalAdvance(text_) + 28, fontMetrics().height() + 6};
}

void ConnectionIndicator::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const int d = height() - 8;
    p.setPen(QPen(QColor(70, 70, 70), 1));
    p.setBrush(connected_ ? QColor(40, 170, 60) : QColor(200, 50, 40));
    p.drawEllipse(QRect(4, 4, d, d));
    p.setPen(palette().color(QPalette::WindowText));
    p.drawText(rect().adjusted(d + 10, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft, text_);
}

}  // namespace corvina
