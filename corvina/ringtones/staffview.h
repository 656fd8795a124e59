// The staff: the melody drawn in 45-pixel cells, the marked note framed by
// a red dashed rectangle, notes the phone cannot play as written in red. A
// click marks the note whose cell it hits (left of the first note: the place
// before it).
#pragma once

#include <QWidget>

#include "corvina/ringtones/melody.h"

namespace corvina {

class StaffView : public QWidget {
    Q_OBJECT

  public:
    static constexpr int kCell = 45;
    static constexpr int kFirstCell = 40;

    explicit StaffView(QWidget* parent = nullptr);

    void setMelody(const Melody* melody);
    // The melody changed: new width, repaint.
    void refresh();
    // The note under x (−1 before the first note), limited to the last.
    int noteAtX(int x) const;
    // Vertical place of a note head.
    static int headY(const Note& note);
    // The cell of a note on the widget.
    QRect cellRect(int index) const;
    // While playing, this note is shown as playing (−1: none).
    void setPlaying(int index);

    QSize sizeHint() const override;

  signals:
    void noteClicked(int index);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    void drawStaff(QPainter& painter) const;
    void drawNote(QPainter& painter, const Note& note, int x) const;
    void drawRest(QPainter& painter, const Note& note, int x) const;

    const Melody* melody_ = nullptr;
    int playing_ = -1;
};

}  // namespace corvina
