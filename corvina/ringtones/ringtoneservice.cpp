#include "corvina/ringtones/ringtoneservice.h"

#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QTemporaryFile>

#include "codecs/midi/tmidi.h"
#include "codecs/tools/filebytes.h"
#include "codecs/tools/privatetemp.h"
#include "corvina/connection/connectioncontrol.h"
#include "corvina/language/language.h"
#include "corvina/ringtones/audio/soundout.h"
#include "corvina/ringtones/melodyfiles.h"
#include "corvina/ringtones/tconverterform.h"
#include "corvina/ringtones/truftoneditorform.h"
#include "corvina/settings/settingsrecord.h"
#include "corvina/shell/messagebox.h"
#include "corvina/shell/tgesamtform.h"

namespace corvina {
namespace {

// Connection kinds over infrared (AT and FBUS): no buzzer there.
bool infrared(int kind) {
    return kind == 3 || kind == 4;
}

}  // namespace

RingtoneService::RingtoneService(Tgesamtform& shell, QWidget* window)
    : QObject(window), shell_(shell) {
    editor_ = new Truftoneditorform(window);
    converter_ = new Tconverterform(window);
    sound_ = new SoundOut(this);
    connect(editor_, &Truftoneditorform::transferRequested, this,
            &RingtoneService::transferRequested);
    connect(&shell_.connection(), &ConnectionControl::disconnected, editor_,
            &Truftoneditorform::linkLost);
    connect(converter_, &Tconverterform::chosen, this, [this](int track, int channel) {
        const MelodyRead read = import_->take(track, channel);
        import_.reset();
        auto answer = std::move(answer_);
        if (!read.ok) {
            showMessage(converter_->parentWidget(), QMessageBox::Warning,
                        tx("ringtones_40", "Rufton-Editor"), read.error);
            answer(std::nullopt);
            return;
        }
        answer(keepForSending(rtttlOf(read.melody)));
    });
    connect(converter_, &Tconverterform::cancelled, this, [this] {
        import_.reset();
        if (auto answer = std::move(answer_)) answer(std::nullopt);
    });
}

RingtoneService::~RingtoneService() = default;

void RingtoneService::edit(const QString& file) {
    const ConnectionControl& connection = shell_.connection();
    editor_->setContext(
        {connection.modelNumber(), !connection.notConnected(), infrared(readSettings().lastModel)});
    editor_->openFile(file);
}

void RingtoneService::playMidi(const QString& file) {
    sound_->stop();
    const std::optional<std::string> bytes =
        tools::readfilebytes(QFile::encodeName(file).toStdString(), midi::kMaxMidiFileBytes);
    const QString soundfont = soundfontFile();
    QString problem;
    if (!bytes) {
        problem = tx("ringtones_5", "Die Datei \"%1\" kann nicht gelesen werden.").arg(file);
    } else if (soundfont.isEmpty()) {
        problem = tx("ringtones_90", "Keine Soundfont gefunden: Midi-Dateien bleiben stumm.");
    } else {
        const RenderedSound sound = renderMidi(*bytes, soundfont);
        if (!sound.ok() || !sound_->play(sound.pcm, problem)) {
            if (!sound.ok()) problem = sound.error;
        }
    }
    if (!problem.isEmpty()) shell_.setStatusText(Tgesamtform::StatusField::Middle, problem);
}

void RingtoneService::stopMidi() {
    sound_->stop();
}

void RingtoneService::prepareForSending(const QString& file,
                                        std::function<void(std::optional<QString>)> then) {
    if (answer_) {
        then(std::nullopt);
        return;
    }
    import_ = std::make_unique<MidiImport>(file);
    const MelodyRead prepared = import_->prepare();
    if (!prepared.ok) {
        import_.reset();
        showMessage(converter_->parentWidget(), QMessageBox::Warning,
                    tx("ringtones_40", "Rufton-Editor"), prepared.error);
        then(std::nullopt);
        return;
    }
    if (!import_->needsChoice()) {
        // One track, one channel: the library reads the file itself.
        import_.reset();
        then(file);
        return;
    }
    answer_ = std::move(then);
    converter_->choose(*import_);
}

std::optional<QString> RingtoneService::keepForSending(const std::string& rtttl) {
    const QString dir = QString::fromStdString(tools::privatetempdir());
    prepared_ =
        std::make_unique<QTemporaryFile>(QDir(dir).filePath(QStringLiteral("ruftonXXXXXX.txt")));
    if (dir.isEmpty() || !prepared_->open()) return std::nullopt;
    prepared_->write(QByteArray::fromStdString(rtttl + "\r\n"));
    prepared_->close();
    return prepared_->fileName();
}

}  // namespace corvina
