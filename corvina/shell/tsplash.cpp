#include "corvina/shell/tsplash.h"

#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QScreen>
#include <QTimer>

#include "corvina/shell/programversion.h"

namespace corvina {

namespace {

constexpr int kMinimumShownMs = 800;
constexpr int kTransitionMs = 700;

}  // namespace

Tsplash::Tsplash(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("Tsplash"));
    resize(sizeHint());
    fade_.setStartValue(0.0);
    fade_.setEndValue(1.0);
    fade_.setDuration(kTransitionMs);
    connect(&fade_, &QVariantAnimation::valueChanged, this, [this] { update(); });
    connect(&fade_, &QVariantAnimation::finished, this, [this] { checkDone(); });
}

void Tsplash::start() {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->geometry().center() - rect().center());
    }
    show();
    fade_.start();
    QTimer::singleShot(kMinimumShownMs, this, [this] {
        minimumReached_ = true;
        checkDone();
    });
}

void Tsplash::checkDone() {
    if (done_ || !minimumReached_ || fade_.state() == QAbstractAnimation::Running) return;
    done_ = true;
    emit shownLongEnough();
}

void Tsplash::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(rect().topLeft(), rect().bottomLeft());
    sky.setColorAt(0, QColor(30, 50, 90));
    sky.setColorAt(1, QColor(90, 130, 180));
    p.fillRect(rect(), sky);
    const double opacity = fade_.currentValue().toDouble();
    p.setOpacity(opacity);
    // A stylised bird over the name.
    p.setPen(QPen(QColor(20, 20, 30), 6, Qt::SolidLine, Qt::RoundCap));
    const QPoint c(width() / 2, height() / 3);
    p.drawLine(c, c + QPoint(-45, -20));
    p.drawLine(c, c + QPoint(45, -20));
    p.setPen(Qt::white);
    QFont title = font();
    title.setPointSize(30);
    title.setBold(true);
    p.setFont(title);
    p.drawText(rect().adjusted(0, height() / 3, 0, -height() / 4), Qt::AlignCenter,
               QStringLiteral("Corvina"));
    QFont small = font();
    small.setPointSize(10);
    p.setFont(small);
    p.drawText(rect().adjusted(0, 0, -12, -10), Qt::AlignRight | Qt::AlignBottom,
               programVersionText());
}

}  // namespace corvina
