// Playing a melody on the phone's buzzer: one Peep per note from the marked
// note on, with the keep-alive held off while it plays. Every way out (the
// end, Stop, the window closing, the link going away) lets the keep-alive
// run again.
#pragma once

#include <QObject>
#include <cstdint>
#include <functional>
#include <vector>

#include "corvina/ringtones/melody.h"

namespace corvina {

// The library calls of the buzzer (tests replace them).
struct BuzzerCalls {
    // Sounds the tone and returns when it has ended (frequency 0: silence).
    std::function<void(int32_t hz, int32_t ms)> peep;
    std::function<void(bool allow)> setping;

    static BuzzerCalls library();
};

class BuzzerPlayer : public QObject {
    Q_OBJECT

  public:
    explicit BuzzerPlayer(BuzzerCalls calls = BuzzerCalls::library(), QObject* parent = nullptr);
    ~BuzzerPlayer() override;

    // Plays the notes from index `from` on; the next note follows from the
    // event loop, so Stop and repaints come through between notes.
    void play(std::vector<Note> notes, int tempo, int from);
    void stop();
    bool playing() const { return playing_; }

  signals:
    void noteStarted(int index);
    void finished();

  private:
    void next();
    void end();

    BuzzerCalls calls_;
    std::vector<Note> notes_;
    int tempo_ = kDefaultTempo;
    int index_ = 0;
    bool playing_ = false;
};

}  // namespace corvina
