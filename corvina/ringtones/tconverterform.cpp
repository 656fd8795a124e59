#include "corvina/ringtones/tconverterform.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "codecs/tools/filebytes.h"
#include "corvina/language/language.h"
#include "corvina/ringtones/audio/soundout.h"
#include "corvina/ringtones/melodyfiles.h"

namespace corvina {

Tconverterform::Tconverterform(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Tconverterform"));
    setWindowTitle(tx("ringtones_30", midiconverter::kChooserCaption));
    setWindowModality(Qt::WindowModal);
    explanation_ = new QLabel(tx("ringtones_31", midiconverter::kChooserExplanation), this);
    explanation_->setObjectName(QStringLiteral("Label1"));
    explanation_->setWordWrap(true);
    auto* trackCaption = new QLabel(tx("ringtones_32", "Track:"), this);
    trackCaption->setObjectName(QStringLiteral("Label2"));
    auto* channelCaption = new QLabel(tx("ringtones_33", "Channel:"), this);
    channelCaption->setObjectName(QStringLiteral("Label3"));
    QFont bold = trackCaption->font();
    bold.setBold(true);
    trackCaption->setFont(bold);
    channelCaption->setFont(bold);
    tracks_ = new QListWidget(this);
    tracks_->setObjectName(QStringLiteral("ListBox1"));
    channels_ = new QListWidget(this);
    channels_->setObjectName(QStringLiteral("ListBox2"));
    for (QListWidget* list : {tracks_, channels_}) {
        list->setStyleSheet(QStringLiteral("QListWidget { background: rgb(200, 202, 201); }"));
    }
    note_ = new QLabel(this);
    note_->setObjectName(QStringLiteral("hinweis"));
    auto* buttons = new QDialogButtonBox(this);
    ok_ = buttons->addButton(tx("ringtones_34", "OK"), QDialogButtonBox::AcceptRole);
    ok_->setObjectName(QStringLiteral("Label4"));
    cancel_ = buttons->addButton(tx("ringtones_35", "Abbrechen"), QDialogButtonBox::RejectRole);
    cancel_->setObjectName(QStringLiteral("Button3"));
    connect(buttons, &QDialogButtonBox::accepted, this, &Tconverterform::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &Tconverterform::reject);

    auto* layout = new QGridLayout(this);
    layout->addWidget(explanation_, 0, 0, 1, 2);
    layout->addWidget(trackCaption, 1, 0);
    layout->addWidget(channelCaption, 1, 1);
    layout->addWidget(tracks_, 2, 0);
    layout->addWidget(channels_, 2, 1);
    layout->addWidget(note_, 3, 0, 1, 2);
    layout->addWidget(buttons, 4, 0, 1, 2);
    resize(420, 320);

    sound_ = new SoundOut(this);
    connect(tracks_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { selectTrack(tracks_->row(item)); });
    connect(channels_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { listenTo(channels_->row(item)); });
}

void Tconverterform::choose(MidiImport& import) {
    import_ = &import;
    const midiconverter::TrackChannel first =
        import.firstChoice().value_or(midiconverter::TrackChannel{1, 1});
    tracks_->clear();
    for (const std::string& line : import.converter().trackLines) {
        tracks_->addItem(QString::fromStdString(line));
    }
    selectTrack(first.track - 1);
    const auto& channels = import.converter().channels;
    const auto at = std::find(channels.begin(), channels.end(), first.channel);
    if (at != channels.end()) channels_->setCurrentRow(static_cast<int>(at - channels.begin()));
    open();
}

void Tconverterform::selectTrack(int row) {
    if (!import_ || row < 0 || row >= tracks_->count()) return;
    sound_->stop();
    tracks_->setCurrentRow(row);
    channels_->clear();
    import_->converter().selecttrack(row + 1);
    for (int channel : import_->converter().channels) {
        channels_->addItem(QString::number(channel));
    }
    const bool notes = channels_->count() > 0;
    if (notes) channels_->setCurrentRow(0);
    note_->setText(notes ? QString() : tx("ringtones_36", "Dieser Track enthält keine Noten!"));
    ok_->setEnabled(notes);
}

int Tconverterform::selectedChannel() const {
    const int row = channels_->currentRow();
    const auto& channels = import_->converter().channels;
    return row >= 0 && row < static_cast<int>(channels.size()) ? channels[row] : 0;
}

void Tconverterform::listenTo(int row) {
    if (!import_ || row < 0 || row >= channels_->count()) return;
    channels_->setCurrentRow(row);
    auto& converter = import_->converter();
    const tools::Outcome rendered = converter.render(tracks_->currentRow() + 1, selectedChannel());
    if (!rendered.ok()) {
        note_->setText(QString::fromStdString(rendered.message));
        return;
    }
    const std::optional<std::string> bytes =
        tools::readfilebytes(converter.renderedMidiFile, 1 << 20);
    QFile::remove(QString::fromStdString(converter.renderedMidiFile));
    const QString soundfont = soundfontFile();
    if (!bytes || soundfont.isEmpty()) {
        note_->setText(tx("ringtones_37", "Keine Soundfont gefunden: die Vorschau bleibt stumm."));
        return;
    }
    const RenderedSound sound = renderMidi(*bytes, soundfont);
    QString error;
    if (!sound.ok() || !sound_->play(sound.pcm, error))
        note_->setText(sound.ok() ? error : sound.error);
}

void Tconverterform::accept() {
    sound_->stop();
    const int track = tracks_->currentRow() + 1;
    const int channel = import_ ? selectedChannel() : 0;
    QDialog::accept();
    if (import_ && channel > 0) emit chosen(track, channel);
}

void Tconverterform::reject() {
    sound_->stop();
    QDialog::reject();
    emit cancelled();
}

}  // namespace corvina
