#include "corvina/ringtones/buzzerplayer.h"

#include <QPointer>
#include <QTimer>

#include "phonelib/api/phonelib.h"

namespace corvina {

BuzzerCalls BuzzerCalls::library() {
    return {&phonelib::Peep, &phonelib::setping};
}

BuzzerPlayer::BuzzerPlayer(BuzzerCalls calls, QObject* parent)
    : QObject(parent), calls_(std::move(calls)) {}

BuzzerPlayer::~BuzzerPlayer() {
    if (playing_) calls_.setping(true);
}

void BuzzerPlayer::play(std::vector<Note> notes, int tempo, int from) {
    if (playing_ || notes.empty()) return;
    notes_ = std::move(notes);
    tempo_ = tempo;
    index_ = std::clamp(from, 0, static_cast<int>(notes_.size()) - 1);
    playing_ = true;
    calls_.setping(false);
    QTimer::singleShot(0, this, &BuzzerPlayer::next);
}

void BuzzerPlayer::stop() {
    if (playing_) end();
}

void BuzzerPlayer::next() {
    if (!playing_) return;
    if (index_ >= static_cast<int>(notes_.size())) {
        end();
        return;
    }
    const Note& note = notes_[index_];
    emit noteStarted(index_);
    ++index_;
    // The call keeps the event loop serviced while the tone sounds: Stop
    // may come in meanwhile, and this player may be gone afterwards.
    const QPointer<BuzzerPlayer> self(this);
    calls_.peep(buzzerFrequency(note), lengthMs(note, tempo_));
    if (self) QTimer::singleShot(0, this, &BuzzerPlayer::next);
}

void BuzzerPlayer::end() {
    playing_ = false;
    calls_.setping(true);
    emit finished();
}

}  // namespace corvina
