// The piano keyboard: white keys NoteWidth pixels wide, black keys between
// them, drawn horizontally or vertically. A press reports noteOn (note
// number = semitone + 12 × BaseOctave + 12 × octave on the keyboard) and the
// release noteOff; the pressed key is drawn inverted.
#pragma once

#include <QBrush>
#include <QPen>
#include <QWidget>
#include <optional>

namespace corvina {

class TKeys : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int NoteWidth READ noteWidth WRITE setNoteWidth)
    Q_PROPERTY(Qt::Orientation Orientation READ orientation WRITE setOrientation)
    Q_PROPERTY(int BaseOctave READ baseOctave WRITE setBaseOctave)
    Q_PROPERTY(int Octaves READ octaves WRITE setOctaves)
    Q_PROPERTY(QBrush BlackBrush READ blackBrush WRITE setBlackBrush)
    Q_PROPERTY(QBrush WhiteBrush READ whiteBrush WRITE setWhiteBrush)
    Q_PROPERTY(QPen Pen READ pen WRITE setPen)
    Q_PROPERTY(bool VelocityMode READ velocityMode WRITE setVelocityMode)
    Q_PROPERTY(int MIDIChannel READ midiChannel WRITE setMidiChannel)

  public:
    explicit TKeys(QWidget* parent = nullptr);

    int noteWidth() const { return noteWidth_; }
    void setNoteWidth(int width);
    Qt::Orientation orientation() const { return orientation_; }
    void setOrientation(Qt::Orientation orientation);
    int baseOctave() const { return baseOctave_; }
    void setBaseOctave(int octave);
    int octaves() const { return octaves_; }
    void setOctaves(int octaves);
    QBrush blackBrush() const { return blackBrush_; }
    void setBlackBrush(const QBrush& brush);
    QBrush whiteBrush() const { return whiteBrush_; }
    void setWhiteBrush(const QBrush& brush);
    QPen pen() const { return pen_; }
    void setPen(const QPen& pen);
    bool velocityMode() const { return velocityMode_; }
    void setVelocityMode(bool on) { velocityMode_ = on; }
    int midiChannel() const { return midiChannel_; }
    void setMidiChannel(int channel) { midiChannel_ = channel; }

    // The key under a point of the widget and the velocity of a press there.
    std::optional<int> noteAt(QPoint point) const;
    int velocityAt(QPoint point) const;
    // Where a key lies (for tests and the screenshot).
    QRect keyRect(int note) const;
    std::optional<int> pressedNote() const { return pressed_; }

    QSize sizeHint() const override;

  signals:
    void noteOn(int note, int velocity);
    void noteOff(int note, int velocity);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    // Key rectangles in the horizontal layout; turned for the vertical one.
    QRect along(const QRect& rect) const;
    QPoint alongPoint(QPoint point) const;
    int keyLength() const;
    bool isBlack(int note) const;

    int noteWidth_ = 19;
    Qt::Orientation orientation_ = Qt::Horizontal;
    int baseOctave_ = 0;
    int octaves_ = 5;
    QBrush blackBrush_{Qt::black};
    QBrush whiteBrush_{Qt::white};
    QPen pen_{Qt::black};
    bool velocityMode_ = false;
    int midiChannel_ = 1;
    std::optional<int> pressed_;
};

}  // namespace corvina
