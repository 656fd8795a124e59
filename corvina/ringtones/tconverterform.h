// "Track/Channel auswählen": the user picks one channel of one track of a
// MIDI file with several; clicking a channel lets him hear it. Opens without
// blocking and answers with chosen() or cancelled().
#pragma once

#include <QDialog>

class QLabel;
class QListWidget;
class QPushButton;

namespace corvina {

class MidiImport;
class SoundOut;

class Tconverterform : public QDialog {
    Q_OBJECT

  public:
    explicit Tconverterform(QWidget* parent = nullptr);

    // Shows the import's tracks, on the first track holding notes and its
    // first channel. The import must live until the answer.
    void choose(MidiImport& import);

    QListWidget* trackList() const { return tracks_; }
    QListWidget* channelList() const { return channels_; }
    QPushButton* okButton() const { return ok_; }
    // Selects a track (from 0) and fills its channels.
    void selectTrack(int row);
    // A click on a channel: selects it and plays what it holds.
    void listenTo(int row);

    void accept() override;
    void reject() override;

  signals:
    void chosen(int track, int channel);
    void cancelled();

  private:
    int selectedChannel() const;

    MidiImport* import_ = nullptr;
    QLabel* explanation_ = nullptr;
    QLabel* note_ = nullptr;
    QListWidget* tracks_ = nullptr;
    QListWidget* channels_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
    SoundOut* sound_ = nullptr;
};

}  // namespace corvina
