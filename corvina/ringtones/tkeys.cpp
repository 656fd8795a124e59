#include "corvina/ringtones/tkeys.h"

#include <QMouseEvent>
#include <QPainter>
#include <array>

namespace corvina {
namespace {

// Semitone of each white key of an octave, and whether a black key follows.
constexpr std::array<int, 7> kWhiteSemitones = {0, 2, 4, 5, 7, 9, 11};
constexpr std::array<bool, 7> kBlackAfter = {true, true, false, true, true, true, false};
constexpr int kMaxVelocity = 127;

}  // namespace

TKeys::TKeys(QWidget* parent) : QWidget(parent) {
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void TKeys::setNoteWidth(int width) {
    noteWidth_ = std::max(width, 4);
    updateGeometry();
    update();
}

void TKeys::setOrientation(Qt::Orientation orientation) {
    orientation_ = orientation;
    updateGeometry();
    update();
}

void TKeys::setBaseOctave(int octave) {
    baseOctave_ = octave;
    update();
}

void TKeys::setOctaves(int octaves) {
    octaves_ = std::max(octaves, 1);
    updateGeometry();
    update();
}

void TKeys::setBlackBrush(const QBrush& brush) {
    blackBrush_ = brush;
    update();
}

void TKeys::setWhiteBrush(const QBrush& brush) {
    whiteBrush_ = brush;
    update();
}

void TKeys::setPen(const QPen& pen) {
    pen_ = pen;
    update();
}

int TKeys::keyLength() const {
    return noteWidth_ * 5;
}

QSize TKeys::sizeHint() const {
    const QSize horizontal(noteWidth_ * 7 * octaves_ + 1, keyLength() + 1);
    return orientation_ == Qt::Horizontal ? horizontal : horizontal.transposed();
}

QRect TKeys::along(const QRect& rect) const {
    if (orientation_ == Qt::Horizontal) return rect;
    // Vertical: the lowest key at the bottom, the keys' fronts to the left.
    const int total = noteWidth_ * 7 * octaves_;
    return {rect.top(), total - rect.right() - 1, rect.height(), rect.width()};
}

QPoint TKeys::alongPoint(QPoint point) const {
    if (orientation_ == Qt::Horizontal) return point;
    const int total = noteWidth_ * 7 * octaves_;
    return {total - point.y() - 1, point.x()};
}

bool TKeys::isBlack(int note) const {
    const int semitone = ((note % 12) + 12) % 12;
    return semitone == 1 || semitone == 3 || semitone == 6 || semitone == 8 || semitone == 10;
}

QRect TKeys::keyRect(int note) const {
    const int relative = note - 12 * baseOctave_;
    const int octave = relative / 12;
    const int semitone = relative % 12;
    const int blackWidth = noteWidth_ * 2 / 3;
    int white = 0;
    while (white < 6 && kWhiteSemitones[white + 1] <= semitone) ++white;
    const int left = (octave * 7 + white) * noteWidth_;
    QRect rect;
    if (isBlack(note)) {
        rect = QRect(left + noteWidth_ - blackWidth / 2, 0, blackWidth, keyLength() * 3 / 5);
    } else {
        rect = QRect(left, 0, noteWidth_, keyLength());
    }
    return along(rect);
}

std::optional<int> TKeys::noteAt(QPoint point) const {
    const QPoint at = alongPoint(point);
    if (at.x() < 0 || at.y() < 0 || at.y() >= keyLength() || at.x() >= noteWidth_ * 7 * octaves_) {
        return std::nullopt;
    }
    const int whiteIndex = at.x() / noteWidth_;
    const int base = 12 * baseOctave_ + 12 * (whiteIndex / 7);
    const int white = whiteIndex % 7;
    // Black keys lie over the white ones: look at them first.
    for (int neighbour : {white - 1, white}) {
        if (neighbour < 0 || !kBlackAfter[neighbour]) continue;
        const int note = base + kWhiteSemitones[neighbour] + 1;
        if (keyRect(note).contains(point)) return note;
    }
    return base + kWhiteSemitones[white];
}

int TKeys::velocityAt(QPoint point) const {
    if (!velocityMode_) return kMaxVelocity;
    const int depth = alongPoint(point).y();
    return std::clamp(kMaxVelocity * depth / std::max(keyLength(), 1), 1, kMaxVelocity);
}

void TKeys::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(pen_);
    const int first = 12 * baseOctave_;
    const int last = first + 12 * octaves_;
    for (int pass = 0; pass < 2; ++pass) {
        for (int note = first; note < last; ++note) {
            if (isBlack(note) != (pass == 1)) continue;
            const bool pressed = pressed_ == note;
            QBrush brush = isBlack(note) ? blackBrush_ : whiteBrush_;
            if (pressed) brush = isBlack(note) ? whiteBrush_ : blackBrush_;
            painter.setBrush(brush);
            painter.drawRect(keyRect(note));
        }
    }
}

void TKeys::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    const std::optional<int> note = noteAt(event->position().toPoint());
    if (!note) return;
    pressed_ = note;
    update();
    emit noteOn(*note, velocityAt(event->position().toPoint()));
}

void TKeys::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !pressed_) return;
    const int note = *pressed_;
    pressed_.reset();
    update();
    emit noteOff(note, 0);
}

}  // namespace corvina
