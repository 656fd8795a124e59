// The PC's sound output for the ringtone editor: rendered PCM (a melody, a
// MIDI file) played through a QAudioSink, and the piano's keys sounding live
// through a synthesizer the sink pulls from (FluidSynth with the soundfont,
// else the buzzer's square wave).
#pragma once

#include <QObject>
#include <QString>
#include <memory>

#include "corvina/ringtones/audio/melodysound.h"

class QAudioSink;
class QBuffer;
class QTimer;

namespace corvina {

class LiveSynth;

class SoundOut : public QObject {
    Q_OBJECT

  public:
    explicit SoundOut(QObject* parent = nullptr);
    ~SoundOut() override;

    // Whether the system offers an audio output at all.
    static bool available();

    // Plays the samples; false (with the reason) without an output.
    bool play(const Pcm& pcm, QString& error);
    void stop();
    bool playing() const;

    // A piano key: MIDI key number (note number + 48).
    void keyDown(int key);
    void keyUp(int key);
    // The live output's buffer in milliseconds (the keys' latency).
    int liveBufferMs() const;

  signals:
    void positionMs(int ms);
    void finished();

  private:
    bool ensureLive();

    QAudioSink* sink_ = nullptr;
    QBuffer* buffer_ = nullptr;
    QByteArray bytes_;
    QTimer* clock_ = nullptr;
    QAudioSink* liveSink_ = nullptr;
    std::unique_ptr<LiveSynth> live_;
};

}  // namespace corvina
