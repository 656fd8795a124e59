#include "corvina/ringtones/audio/soundout.h"

#include <fluidsynth.h>

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QFile>
#include <QIODevice>
#include <QMediaDevices>
#include <QTimer>
#include <atomic>
#include <cmath>

#include "corvina/language/language.h"

namespace corvina {
namespace {

constexpr int kLiveBufferMs = 40;
constexpr int kClockMs = 30;

QAudioFormat pcmFormat() {
    QAudioFormat format;
    format.setSampleRate(kSampleRate);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    return format;
}

}  // namespace

// Samples made as the sink asks for them: FluidSynth when a soundfont
// loads, else a square wave of the key pressed last.
class LiveSynth : public QIODevice {
  public:
    LiveSynth() {
        const QString soundfont = soundfontFile();
        if (soundfont.isEmpty()) return;
        settings_ = new_fluid_settings();
        fluid_settings_setnum(settings_, "synth.sample-rate", kSampleRate);
        fluid_settings_setint(settings_, "synth.lock-memory", 0);
        fluid_settings_setnum(settings_, "synth.gain", 0.8);
        synth_ = new_fluid_synth(settings_);
        if (synth_ && fluid_synth_sfload(synth_, QFile::encodeName(soundfont).constData(), 1) ==
                          FLUID_FAILED) {
            delete_fluid_synth(synth_);
            synth_ = nullptr;
        }
    }
    ~LiveSynth() override {
        if (synth_) delete_fluid_synth(synth_);
        if (settings_) delete_fluid_settings(settings_);
    }
    void down(int key) {
        if (synth_) {
            fluid_synth_noteon(synth_, 0, key, 110);
        } else {
            hz_ = 440.0 * std::pow(2.0, (key - 69) / 12.0);
            key_ = key;
        }
    }
    void up(int key) {
        if (synth_) {
            fluid_synth_noteoff(synth_, 0, key);
        } else if (key_ == key) {
            hz_ = 0;
        }
    }
    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override { return 4096 + QIODevice::bytesAvailable(); }

  protected:
    qint64 readData(char* data, qint64 maxSize) override {
        const int samples = static_cast<int>(maxSize / 2);
        auto* out = reinterpret_cast<int16_t*>(data);
        if (synth_) {
            fluid_synth_write_s16(synth_, samples, out, 0, 1, out, 0, 1);
        } else {
            const double hz = hz_;
            for (int i = 0; i < samples; ++i) {
                phase_ = std::fmod(phase_ + hz / kSampleRate, 1.0);
                out[i] = hz > 0 ? static_cast<int16_t>(phase_ < 0.5 ? 8000 : -8000) : 0;
            }
        }
        return static_cast<qint64>(samples) * 2;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

  private:
    fluid_settings_t* settings_ = nullptr;
    fluid_synth_t* synth_ = nullptr;
    std::atomic<double> hz_ = 0;
    std::atomic<int> key_ = -1;
    double phase_ = 0;
};

SoundOut::SoundOut(QObject* parent) : QObject(parent), clock_(new QTimer(this)) {
    clock_->setInterval(kClockMs);
    connect(clock_, &QTimer::timeout, this, [this] {
        if (!sink_) return;
        emit positionMs(static_cast<int>(sink_->processedUSecs() / 1000));
        if (sink_->state() == QAudio::IdleState || sink_->state() == QAudio::StoppedState) {
            stop();
            emit finished();
        }
    });
}

SoundOut::~SoundOut() {
    stop();
    if (liveSink_) liveSink_->stop();
}

bool SoundOut::available() {
    return !QMediaDevices::defaultAudioOutput().isNull();
}

bool SoundOut::play(const Pcm& pcm, QString& error) {
    stop();
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull() || !device.isFormatSupported(pcmFormat())) {
        error = tx("ringtones_23", "Dieser Rechner hat keine Tonausgabe.");
        return false;
    }
    bytes_ = QByteArray(reinterpret_cast<const char*>(pcm.data()),
                        static_cast<qsizetype>(pcm.size() * sizeof(int16_t)));
    buffer_ = new QBuffer(&bytes_, this);
    buffer_->open(QIODevice::ReadOnly);
    sink_ = new QAudioSink(device, pcmFormat(), this);
    sink_->start(buffer_);
    clock_->start();
    return true;
}

void SoundOut::stop() {
    clock_->stop();
    if (sink_) {
        sink_->stop();
        sink_->deleteLater();
        sink_ = nullptr;
    }
    if (buffer_) {
        buffer_->deleteLater();
        buffer_ = nullptr;
    }
}

bool SoundOut::playing() const {
    return sink_ != nullptr;
}

bool SoundOut::ensureLive() {
    if (liveSink_) return true;
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull() || !device.isFormatSupported(pcmFormat())) return false;
    live_ = std::make_unique<LiveSynth>();
    live_->open(QIODevice::ReadOnly);
    liveSink_ = new QAudioSink(device, pcmFormat(), this);
    liveSink_->setBufferSize(kSampleRate * 2 * kLiveBufferMs / 1000);
    liveSink_->start(live_.get());
    return true;
}

void SoundOut::keyDown(int key) {
    if (ensureLive()) live_->down(key);
}

void SoundOut::keyUp(int key) {
    if (live_) live_->up(key);
}

int SoundOut::liveBufferMs() const {
    if (!liveSink_) return kLiveBufferMs;
    return static_cast<int>(liveSink_->bufferSize() * 1000LL / (kSampleRate * 2));
}

}  // namespace corvina
