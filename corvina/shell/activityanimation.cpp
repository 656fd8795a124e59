#include "corvina/shell/activityanimation.h"

#include <QPainter>

namespace corvina {

namespace {

constexpr int kFrameMs = 120;
constexpr int kDots = 7;

void paintPhone(QPainter& p, const QRect& r) {
    p.setBrush(QColor(60, 70, 90));
    p.drawRoundedRect(r, 4, 4);
    p.setBrush(QColor(160, 200, 150));
    p.drawRect(r.adjusted(4, 6, -4, -r.height() / 2));
}

void paintComputer(QPainter& p, const QRect& r) {
    p.setBrush(QColor(60, 70, 90));
    const QRect screen = r.adjusted(0, 0, 0, -r.height() / 3);
    p.drawRoundedRect(screen, 3, 3);
    p.setBrush(QColor(150, 180, 220));
    p.drawRect(screen.adjusted(4, 4, -4, -4));
    p.setBrush(QColor(60, 70, 90));
    p.drawRect(QRect(r.left() + r.width() / 3, screen.bottom() + 2, r.width() / 3, r.height() / 6));
}

void paintAntenna(QPainter& p, const QRect& r) {
    p.setPen(QPen(QColor(60, 70, 90), 3));
    const QPoint top(r.center().x(), r.top() + 6);
    p.drawLine(top, QPoint(r.left() + 4, r.bottom()));
    p.drawLine(top, QPoint(r.right() - 4, r.bottom()));
    p.drawLine(QPoint(r.left() + 10, r.bottom() - 12), QPoint(r.right() - 10, r.bottom() - 12));
    p.setPen(QPen(QColor(200, 80, 60), 2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(top, 5, 5);
}

}  // namespace

ActivityAnimation::ActivityAnimation(QWidget* parent) : QWidget(parent) {
    timer_.setInterval(kFrameMs);
    connect(&timer_, &QTimer::timeout, this, [this] {
        step_ = (step_ + 1) % kDots;
        update();
    });
    setMinimumSize(sizeHint());
}

void ActivityAnimation::setPeer(Peer peer) {
    peer_ = peer;
    update();
}

void ActivityAnimation::showEvent(QShowEvent*) {
    timer_.start();
}
void ActivityAnimation::hideEvent(QHideEvent*) {
    timer_.stop();
}

void ActivityAnimation::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    const int h = height() - 8;
    const QRect phone(4, 4, h / 2, h);
    const QRect peer(width() - h - 4, 4, h, h);
    paintPhone(p, phone);
    if (peer_ == Peer::Network) {
        paintAntenna(p, peer);
    } else {
        paintComputer(p, peer);
    }
    p.setPen(Qt::NoPen);
    const int left = phone.right() + 10;
    const int span = peer.left() - 10 - left;
    for (int i = 0; i < kDots; ++i) {
        const bool lit = i == step_;
        p.setBrush(lit ? QColor(230, 140, 30) : QColor(190, 190, 190));
        const int x = left + span * i / (kDots - 1);
        p.drawEllipse(QPoint(x, height() / 2), lit ? 5 : 3, lit ? 5 : 3);
    }
}

}  // namespace corvina
