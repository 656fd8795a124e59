#include "corvina/ringtones/staffview.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

#include "corvina/language/language.h"

namespace corvina {
namespace {

// Everything is drawn 40 pixels lower than the staff's own coordinates so
// that the octave above the piano (notes loaded from files) fits on top.
constexpr int kTop = 40;
constexpr int kHeight = 215 + kTop;
constexpr int kMinWidth = 700;
constexpr int kBottomLine = 143;
constexpr int kLineGap = 10;
constexpr int kStem = 33;
// Staff positions of the bottom and top line (e of octave 1, f of octave 2).
constexpr int kBottomLinePosition = 9;
constexpr int kTopLinePosition = 17;

int positionOf(const Note& note) {
    return note.step + 7 * note.octave;
}

void drawClef(QPainter& painter) {
    // A treble clef around the g line (y 133): spiral, body and tail.
    QPainterPath path;
    path.moveTo(20, 136);
    path.cubicTo(12, 136, 12, 124, 20, 122);
    path.cubicTo(30, 120, 32, 136, 22, 141);
    path.cubicTo(8, 146, 4, 126, 14, 114);
    path.cubicTo(22, 104, 30, 92, 26, 82);
    path.cubicTo(22, 74, 16, 84, 18, 96);
    path.lineTo(24, 150);
    path.cubicTo(25, 158, 16, 160, 14, 153);
    painter.save();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::black, 2.2, Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(path);
    painter.setBrush(Qt::black);
    painter.drawEllipse(QPointF(15, 153), 3, 3);
    painter.restore();
}

}  // namespace

StaffView::StaffView(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setFixedSize(kMinWidth, kHeight);
}

void StaffView::setMelody(const Melody* melody) {
    melody_ = melody;
    refresh();
}

void StaffView::refresh() {
    const int notes = melody_ ? melody_->size() : 0;
    // At least as wide as the view it is shown in.
    const int shown = parentWidget() ? parentWidget()->width() : 0;
    setFixedSize(std::max({kCell * notes + kFirstCell + kCell, kMinWidth, shown}), kHeight);
    update();
}

void StaffView::setPlaying(int index) {
    playing_ = index;
    update();
}

QSize StaffView::sizeHint() const {
    return size();
}

int StaffView::headY(const Note& note) {
    return 188 - 5 * positionOf(note) + kTop;
}

int StaffView::noteAtX(int x) const {
    if (!melody_ || melody_->empty() || x < kFirstCell) return -1;
    return std::min((x - kFirstCell) / kCell, melody_->size() - 1);
}

QRect StaffView::cellRect(int index) const {
    return {kFirstCell + kCell * index, 5 + kTop, kCell, 205};
}

void StaffView::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        emit noteClicked(noteAtX(event->position().toPoint().x()));
}

void StaffView::drawStaff(QPainter& painter) const {
    painter.setPen(QPen(Qt::black, 1));
    for (int i = 0; i < 5; ++i) {
        const int y = kBottomLine - i * kLineGap + kTop;
        painter.drawLine(5, y, width(), y);
    }
    painter.setPen(QPen(QColor(170, 170, 170), 1, Qt::DotLine));
    for (int y = 13; y <= 93; y += kLineGap)
        painter.drawLine(kFirstCell, y + kTop, width(), y + kTop);
    for (int y = 153; y <= 193; y += kLineGap)
        painter.drawLine(kFirstCell, y + kTop, width(), y + kTop);
    painter.setPen(QColor(90, 90, 90));
    QFont small = painter.font();
    small.setPointSize(7);
    painter.setFont(small);
    // The c of every staff octave at the left margin (4 down to 0; c of 2
    // sits inside the staff).
    for (int octave : {4, 3, 1, 0}) {
        const int y = 188 - 35 * octave + kTop;
        painter.drawText(QRect(29, y - 7, 10, 14), Qt::AlignCenter,
                         QStringLiteral("c%1").arg(octave));
    }
    painter.setPen(Qt::black);
    painter.drawLine(kFirstCell, kBottomLine - 4 * kLineGap + kTop, kFirstCell, kBottomLine + kTop);
    drawClef(painter);
}

void StaffView::drawNote(QPainter& painter, const Note& note, int x) const {
    const int p = positionOf(note);
    const int y = headY(note);
    const int cx = x + 22;
    // Ledger lines below and above the staff.
    for (int q = kBottomLinePosition - 2; q >= p; q -= 2) {
        const int ly = 188 - 5 * q + kTop;
        painter.drawLine(cx - 10, ly, cx + 10, ly);
    }
    for (int q = kTopLinePosition + 2; q <= p; q += 2) {
        const int ly = 188 - 5 * q + kTop;
        painter.drawLine(cx - 10, ly, cx + 10, ly);
    }
    const bool filled = note.duration >= 3;
    painter.save();
    painter.translate(cx, y);
    painter.rotate(-20);
    painter.setBrush(filled ? painter.pen().color() : QColor(Qt::transparent));
    painter.drawEllipse(QPointF(0, 0), 6.0, 4.3);
    painter.restore();
    if (note.duration >= 2) {
        // Stems up in octaves 0 and 1, down from octave 2.
        const bool up = note.octave <= 1;
        const int sx = up ? cx + 5 : cx - 5;
        const int end = up ? y - kStem : y + kStem;
        painter.drawLine(sx, y, sx, end);
        for (int flag = 0; flag < note.duration - 3; ++flag) {
            const int fy = up ? end + 6 * flag : end - 6 * flag;
            painter.drawLine(sx, fy, sx + 8, fy + (up ? 9 : -9));
        }
    }
    if (note.sharp) {
        QFont font = painter.font();
        font.setPointSize(9);
        painter.setFont(font);
        painter.drawText(QRect(cx - 20, y - 8, 10, 16), Qt::AlignCenter, QStringLiteral("#"));
    }
    if (note.dotted) {
        painter.save();
        painter.setBrush(painter.pen().color());
        painter.drawEllipse(QPointF(cx + 10, y - 2), 1.6, 1.6);
        painter.restore();
    }
}

void StaffView::drawRest(QPainter& painter, const Note& note, int x) const {
    const int cx = x + 22;
    const int mid = 123 + kTop;
    painter.save();
    painter.setBrush(painter.pen().color());
    switch (note.duration) {
        case 1:
            painter.drawRect(cx - 6, mid - 10, 12, 5);
            break;
        case 2:
            painter.drawRect(cx - 6, mid - 5, 12, 5);
            break;
        case 3: {
            QPainterPath path;
            path.moveTo(cx - 3, mid - 14);
            path.lineTo(cx + 3, mid - 6);
            path.lineTo(cx - 3, mid + 2);
            path.lineTo(cx + 3, mid + 10);
            path.quadTo(cx - 6, mid + 6, cx - 1, mid + 16);
            painter.setBrush(Qt::NoBrush);
            painter.setPen(QPen(painter.pen().color(), 2.4));
            painter.drawPath(path);
            break;
        }
        default:
            painter.setPen(QPen(painter.pen().color(), 1.6));
            painter.drawLine(cx + 4, mid - 8, cx - 2, mid + 14);
            for (int flag = 0; flag < note.duration - 3; ++flag) {
                const int fy = mid - 8 + 7 * flag;
                painter.drawEllipse(QPointF(cx - 3 - flag, fy + 2), 2.2, 2.2);
                painter.drawLine(cx - 3 - flag, fy + 2, cx + 4 - flag, fy);
            }
            break;
    }
    painter.restore();
    if (note.dotted) {
        painter.save();
        painter.setBrush(painter.pen().color());
        painter.drawEllipse(QPointF(cx + 10, mid - 3), 1.6, 1.6);
        painter.restore();
    }
}

void StaffView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), Qt::white);
    drawStaff(painter);
    if (!melody_) return;
    const std::vector<Note>& notes = melody_->notes();
    for (int i = 0; i < static_cast<int>(notes.size()); ++i) {
        const int x = kFirstCell + kCell * i;
        QColor colour = phonePlays(notes[i]) ? QColor(Qt::black) : QColor(200, 0, 0);
        if (i == playing_) colour = QColor(0, 90, 200);
        painter.setPen(QPen(colour, 1.2));
        if (notes[i].pause) {
            drawRest(painter, notes[i], x);
        } else {
            drawNote(painter, notes[i], x);
        }
    }
    if (melody_->cursor() >= 0) {
        const int x = kFirstCell + kCell * melody_->cursor();
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(Qt::red, 1, Qt::DashLine));
        painter.drawRect(QRect(QPoint(x, 5 + kTop), QPoint(x + kCell - 5, 210 + kTop)));
    } else if (!melody_->empty()) {
        // The place before the first note: a new note goes there.
        painter.setPen(QPen(Qt::red, 2));
        painter.drawLine(kFirstCell - 2, kTop + 60, kFirstCell - 2, kTop + 190);
    }
}

}  // namespace corvina
