// What the ringtone module offers the logo window: the editor opened on a
// file, MIDI files played on the PC ("Midis abspielen"), and a MIDI file with
// several tracks or channels turned into RTTTL text after the user chose one
// before it is sent.
#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

class QTemporaryFile;
class QWidget;

namespace corvina {

class MidiImport;
class SoundOut;
class Tconverterform;
class Tgesamtform;
class Truftoneditorform;

class RingtoneService : public QObject {
    Q_OBJECT

  public:
    // `window` is the logo window: the editor and the dialog open over it.
    RingtoneService(Tgesamtform& shell, QWidget* window);
    ~RingtoneService() override;

    void edit(const QString& file);
    // Plays the MIDI file; the one playing already stops.
    void playMidi(const QString& file);
    void stopMidi();
    void prepareForSending(const QString& file, std::function<void(std::optional<QString>)> then);

    Truftoneditorform* editor() const { return editor_; }
    Tconverterform* converterDialog() const { return converter_; }

  signals:
    // The editor's "Übertragen".
    void transferRequested(const QString& rtttlFile);

  private:
    // Writes RTTTL text to a private temporary ".txt" kept until the next.
    std::optional<QString> keepForSending(const std::string& rtttl);

    Tgesamtform& shell_;
    Truftoneditorform* editor_ = nullptr;
    Tconverterform* converter_ = nullptr;
    SoundOut* sound_ = nullptr;
    std::unique_ptr<MidiImport> import_;
    std::function<void(std::optional<QString>)> answer_;
    std::unique_ptr<QTemporaryFile> prepared_;
};

}  // namespace corvina
