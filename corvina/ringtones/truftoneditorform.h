// The ringtone editor: notes entered on the piano, shown on the staff,
// deleted, transposed, played on the phone's buzzer or the PC, loaded from
// and saved to RTTTL and MIDI files (and WAV), and sent to the phone
// ("Übertragen", which the logo window carries out with its slot question
// and messages).
#pragma once

#include <QPointer>
#include <QWidget>
#include <functional>
#include <memory>

#include "corvina/ringtones/buzzerplayer.h"
#include "corvina/ringtones/melody.h"
#include "corvina/ringtones/melodyfiles.h"

class QButtonGroup;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollArea;
class QSpinBox;
class QTemporaryFile;
class QTimer;
class QToolButton;

namespace corvina {

class SoundOut;
class StaffView;
class TKeys;
class Tconverterform;

class Truftoneditorform : public QWidget {
    Q_OBJECT

  public:
    // What the editor needs to know of the phone.
    struct Context {
        uint8_t modelNumber = 24;
        bool connected = false;
        bool infrared = false;
    };

    explicit Truftoneditorform(QWidget* parent = nullptr,
                               BuzzerCalls buzzer = BuzzerCalls::library());
    ~Truftoneditorform() override;

    void setContext(const Context& context);
    // Opens the editor on the file (empty: the melody as it is); asks first
    // whether unsaved changes are to be saved. A failed or cancelled load
    // changes nothing.
    void openFile(const QString& file);
    // Before the program ends: when the melody has unsaved changes, asks
    // whether to save them and calls `proceed` once the user has decided
    // (not when he cancels). False when there is nothing to ask.
    bool holdForChanges(std::function<void()> proceed);
    // Loads a file into the melody (after the question); false when it was
    // refused or the user chose nothing.
    void loadFile(const QString& file);
    // Saves by the file's extension: ".txt" RTTTL, ".wav" sound, else MIDI.
    bool saveTo(const QString& path);
    // "Übertragen": checks the melody and hands an RTTTL file to the sender.
    void transfer();
    void play();
    void stopPlaying();
    bool playing() const;
    // The link went away: the buzzer stops.
    void linkLost();

    Melody& melody() { return melody_; }
    StaffView* staff() const { return staff_; }
    TKeys* keys() const { return keys_; }
    Tconverterform* converterDialog() const { return converter_; }
    QSpinBox* tempoField() const { return tempo_; }
    QLineEdit* titleField() const { return title_; }
    QPushButton* playButton() const { return play_; }
    QCheckBox* onPcBox() const { return onPc_; }
    QLabel* statusLine() const { return status_; }
    // Sets the input state as the buttons do.
    void setDuration(int duration);
    void setDotted(bool dotted);
    // A piano key as pressed and released.
    void pressKey(int note);
    void insertRest();
    void deleteMarked();
    void transposeBy(int direction);
    // "Neu", after the question.
    void newMelody();

  signals:
    // Send this RTTTL file to the phone.
    void transferRequested(const QString& rtttlFile);

  protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    QWidget* buildFileRow();
    QWidget* buildInputRow();
    QWidget* buildPlayRow();
    void changed();
    void apply(const MelodyRead& read);
    void report(const QString& title, const QString& text);
    void askToSave(std::function<void()> then);
    void chooseSaveFile(std::function<void()> then);
    void chooseLoadFile();
    void takeMidiChoice(int track, int channel);
    bool onPhone() const;
    void sound(const Note& note);
    void playOnPc();
    void playbackEnded();
    void setStatus(const QString& text);

    Melody melody_;
    Context context_;
    int duration_ = 1;
    bool dotted_ = false;
    QString folder_;
    std::unique_ptr<MidiImport> import_;
    std::unique_ptr<QTemporaryFile> sendFile_;
    std::vector<int> starts_;  // PC playback: start of each note from `from_`
    int from_ = 0;

    BuzzerPlayer* buzzer_ = nullptr;
    SoundOut* sound_ = nullptr;
    QTimer* release_ = nullptr;
    StaffView* staff_ = nullptr;
    QScrollArea* scroll_ = nullptr;
    TKeys* keys_ = nullptr;
    Tconverterform* converter_ = nullptr;
    QButtonGroup* durations_ = nullptr;
    QToolButton* dottedButton_ = nullptr;
    QPushButton* rest_ = nullptr;
    QPushButton* delete_ = nullptr;
    QPushButton* undo_ = nullptr;
    QPushButton* redo_ = nullptr;
    QToolButton* up_ = nullptr;
    QToolButton* down_ = nullptr;
    QLabel* transposition_ = nullptr;
    QSpinBox* tempo_ = nullptr;
    QLineEdit* title_ = nullptr;
    QPushButton* play_ = nullptr;
    QCheckBox* onPc_ = nullptr;
    QPushButton* send_ = nullptr;
    QPushButton* newButton_ = nullptr;
    QPushButton* loadButton_ = nullptr;
    QPushButton* saveButton_ = nullptr;
    QLabel* status_ = nullptr;
};

}  // namespace corvina
