#include "corvina/ringtones/truftoneditorform.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <array>

#include "codecs/ringtones/encoderingtone.h"
#include "codecs/tools/privatetemp.h"
#include "corvina/connection/modelnumbers.h"
#include "corvina/help/helpcontext.h"
#include "corvina/language/language.h"
#include "corvina/ringtones/audio/melodysound.h"
#include "corvina/ringtones/audio/soundout.h"
#include "corvina/ringtones/staffview.h"
#include "corvina/ringtones/tconverterform.h"
#include "corvina/ringtones/tkeys.h"
#include "corvina/shell/messagebox.h"

namespace corvina {
namespace {

constexpr int kMaxInstructions = 255;
constexpr int kLongestSound = 1000;

template <typename W>
W* named(W* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QString caption() {
    return tx("ringtones_40", "Rufton-Editor");
}

}  // namespace

Truftoneditorform::Truftoneditorform(QWidget* parent, BuzzerCalls buzzer)
    : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("Truftoneditorform"));
    setWindowTitle(caption());
    setWindowModality(Qt::WindowModal);
    setHelpPage(this, QStringLiteral("ringtones"));
    folder_ = QStandardPaths::writableLocation(QStandardPaths::MusicLocation);

    buzzer_ = new BuzzerPlayer(std::move(buzzer), this);
    sound_ = new SoundOut(this);
    release_ = new QTimer(this);
    release_->setSingleShot(true);
    converter_ = new Tconverterform(this);

    staff_ = new StaffView;
    staff_->setMelody(&melody_);
    scroll_ = named(new QScrollArea(this), "notenzeile");
    scroll_->setWidget(staff_);
    scroll_->setWidgetResizable(false);
    scroll_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll_->setFixedHeight(staff_->height() + scroll_->horizontalScrollBar()->sizeHint().height() +
                            2 * scroll_->frameWidth());

    keys_ = named(new TKeys(this), "klaviatur");
    keys_->setBaseOctave(kLowestOctave);
    keys_->setOctaves(kHighestOctave - kLowestOctave + 1);

    status_ = named(new QLabel(this), "status");
    status_->setWordWrap(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildFileRow());
    layout->addWidget(buildInputRow());
    layout->addWidget(scroll_);
    auto* keyRow = new QHBoxLayout;
    keyRow->addStretch();
    keyRow->addWidget(keys_);
    keyRow->addStretch();
    layout->addLayout(keyRow);
    layout->addWidget(buildPlayRow());
    layout->addWidget(status_);

    connect(keys_, &TKeys::noteOn, this, [this](int note, int) {
        sound_->keyDown(note + kMidiKeyOffset);
        if (!playing()) {
            melody_.insert(noteOfKey(note, duration_, dotted_));
            changed();
        }
    });
    connect(keys_, &TKeys::noteOff, this,
            [this](int note, int) { sound_->keyUp(note + kMidiKeyOffset); });
    connect(staff_, &StaffView::noteClicked, this, [this](int index) {
        if (playing()) return;
        melody_.select(index);
        changed();
        if (index >= 0) sound(melody_.notes()[index]);
    });
    connect(buzzer_, &BuzzerPlayer::noteStarted, this, [this](int index) {
        staff_->setPlaying(index);
        scroll_->ensureVisible(staff_->cellRect(index).center().x(), 100, 60, 0);
    });
    connect(buzzer_, &BuzzerPlayer::finished, this, &Truftoneditorform::playbackEnded);
    connect(sound_, &SoundOut::positionMs, this, [this](int ms) {
        int index = 0;
        while (index + 1 < static_cast<int>(starts_.size()) - 1 && starts_[index + 1] <= ms)
            ++index;
        staff_->setPlaying(from_ + index);
        scroll_->ensureVisible(staff_->cellRect(from_ + index).center().x(), 100, 60, 0);
    });
    connect(sound_, &SoundOut::finished, this, &Truftoneditorform::playbackEnded);
    connect(converter_, &Tconverterform::chosen, this, &Truftoneditorform::takeMidiChoice);
    connect(converter_, &Tconverterform::cancelled, this, [this] { import_.reset(); });
    connect(release_, &QTimer::timeout, this,
            [this] { sound_->keyUp(release_->property("key").toInt()); });
    changed();
    resize(760, 560);
}

Truftoneditorform::~Truftoneditorform() = default;

QWidget* Truftoneditorform::buildFileRow() {
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    newButton_ = named(new QPushButton(tx("ringtones_41", "Neu"), row), "neu");
    loadButton_ = named(new QPushButton(tx("ringtones_42", "Laden"), row), "laden");
    saveButton_ = named(new QPushButton(tx("ringtones_43", "Speichern"), row), "speichern");
    undo_ = named(new QPushButton(tx("ringtones_44", "Rückgängig"), row), "rueckgaengig");
    redo_ = named(new QPushButton(tx("ringtones_45", "Wiederholen"), row), "wiederholen");
    delete_ = named(new QPushButton(tx("ringtones_46", "Markierte Note löschen"), row), "loeschen");
    for (QPushButton* b : {newButton_, loadButton_, saveButton_, undo_, redo_, delete_}) {
        layout->addWidget(b);
    }
    layout->addStretch();
    layout->addWidget(named(new QLabel(tx("ringtones_47", "Titel:"), row), "titellabel"));
    title_ = named(new QLineEdit(row), "titel");
    title_->setMaxLength(kMaxTitleLength);
    title_->setFixedWidth(130);
    layout->addWidget(title_);

    connect(newButton_, &QPushButton::clicked, this,
            [this] { askToSave([this] { newMelody(); }); });
    connect(loadButton_, &QPushButton::clicked, this,
            [this] { askToSave([this] { chooseLoadFile(); }); });
    connect(saveButton_, &QPushButton::clicked, this, [this] { chooseSaveFile({}); });
    connect(undo_, &QPushButton::clicked, this, [this] {
        melody_.undo();
        changed();
    });
    connect(redo_, &QPushButton::clicked, this, [this] {
        melody_.redo();
        changed();
    });
    connect(delete_, &QPushButton::clicked, this, &Truftoneditorform::deleteMarked);
    connect(title_, &QLineEdit::textEdited, this, [this](const QString& text) {
        if (!melody_.setTitle(text.trimmed())) {
            setStatus(tx("ringtones_48", "Der Titel hat 1 bis 15 Zeichen, ohne Doppelpunkt."));
        }
    });
    return row;
}

QWidget* Truftoneditorform::buildInputRow() {
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    durations_ = new QButtonGroup(row);
    const std::array<std::pair<const char*, const char*>, 6> hints = {{
        {"ringtones_50", "Ganze Note"},
        {"ringtones_51", "Halbe Note"},
        {"ringtones_52", "4tel Note"},
        {"ringtones_53", "8tel Note"},
        {"ringtones_54", "16tel Note"},
        {"ringtones_55", "32tel Note"},
    }};
    for (int d = 1; d <= 6; ++d) {
        auto* button = new QToolButton(row);
        button->setObjectName(QStringLiteral("dauer%1").arg(d));
        button->setText(QStringLiteral("1/%1").arg(1 << (d - 1)));
        button->setToolTip(tx(hints[d - 1].first, hints[d - 1].second));
        button->setCheckable(true);
        button->setChecked(d == duration_);
        durations_->addButton(button, d);
        layout->addWidget(button);
    }
    dottedButton_ = named(new QToolButton(row), "punktiert");
    dottedButton_->setText(tx("ringtones_56", "Punktiert"));
    dottedButton_->setCheckable(true);
    layout->addWidget(dottedButton_);
    rest_ = named(new QPushButton(tx("ringtones_57", "Pause einfügen"), row), "pause");
    layout->addWidget(rest_);
    layout->addSpacing(12);
    layout->addWidget(named(new QLabel(tx("ringtones_58", "Tempo:"), row), "tempolabel"));
    tempo_ = named(new QSpinBox(row), "tempo");
    tempo_->setRange(kMinTempo, kMaxTempo);
    tempo_->setSingleStep(10);
    tempo_->setValue(melody_.tempo());
    tempo_->setToolTip(tx("ringtones_59", "Viertelschläge pro Minute"));
    layout->addWidget(tempo_);
    layout->addSpacing(12);
    layout->addWidget(named(new QLabel(tx("ringtones_60", "Transponieren"), row), "transplabel"));
    down_ = named(new QToolButton(row), "transpabwaerts");
    down_->setArrowType(Qt::DownArrow);
    up_ = named(new QToolButton(row), "transpaufwaerts");
    up_->setArrowType(Qt::UpArrow);
    transposition_ = named(new QLabel(QStringLiteral("0"), row), "transposition");
    transposition_->setMinimumWidth(24);
    transposition_->setAlignment(Qt::AlignCenter);
    layout->addWidget(down_);
    layout->addWidget(transposition_);
    layout->addWidget(up_);
    layout->addStretch();

    connect(durations_, &QButtonGroup::idClicked, this, &Truftoneditorform::setDuration);
    connect(dottedButton_, &QToolButton::toggled, this, [this](bool on) { dotted_ = on; });
    connect(rest_, &QPushButton::clicked, this, &Truftoneditorform::insertRest);
    connect(tempo_, &QSpinBox::valueChanged, this, [this](int value) { melody_.setTempo(value); });
    connect(up_, &QToolButton::clicked, this, [this] { transposeBy(+1); });
    connect(down_, &QToolButton::clicked, this, [this] { transposeBy(-1); });
    return row;
}

QWidget* Truftoneditorform::buildPlayRow() {
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    play_ = named(new QPushButton(tx("ringtones_61", "Abspielen"), row), "abspielen");
    play_->setToolTip(tx("ringtones_62", "Spielt die Melodie ab der markierten Note"));
    onPc_ = named(new QCheckBox(tx("ringtones_63", "Am PC"), row), "ampc");
    onPc_->setToolTip(tx("ringtones_64", "Über die Lautsprecher des PCs statt auf dem Handy"));
    send_ = named(new QPushButton(tx("ringtones_65", "Übertragen"), row), "uebertragen");
    send_->setToolTip(tx("ringtones_66", "Melodie zum Handy übertragen"));
    auto* close = named(new QPushButton(tx("ringtones_67", "Schließen"), row), "schliessen");
    close->setToolTip(tx("ringtones_68", "Rufton-Editor schließen"));
    layout->addWidget(play_);
    layout->addWidget(onPc_);
    layout->addStretch();
    layout->addWidget(send_);
    layout->addWidget(close);
    connect(play_, &QPushButton::clicked, this, [this] { playing() ? stopPlaying() : play(); });
    connect(send_, &QPushButton::clicked, this, &Truftoneditorform::transfer);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    return row;
}

void Truftoneditorform::setContext(const Context& context) {
    context_ = context;
    onPc_->setChecked(!onPhone());
}

bool Truftoneditorform::onPhone() const {
    return context_.connected && !context_.infrared && isNokia(context_.modelNumber);
}

void Truftoneditorform::setDuration(int duration) {
    duration_ = std::clamp(duration, 1, 6);
    if (auto* button = durations_->button(duration_)) button->setChecked(true);
}

void Truftoneditorform::setDotted(bool dotted) {
    dottedButton_->setChecked(dotted);
    dotted_ = dotted;
}

void Truftoneditorform::pressKey(int note) {
    emit keys_->noteOn(note, 127);
    emit keys_->noteOff(note, 0);
}

void Truftoneditorform::insertRest() {
    if (playing()) return;
    if (!melody_.insertRest(duration_, dotted_)) {
        setStatus(tx("ringtones_69", "Die Melodie hat schon 200 Noten."));
    }
    changed();
}

void Truftoneditorform::deleteMarked() {
    if (playing()) return;
    melody_.removeMarked();
    changed();
}

void Truftoneditorform::transposeBy(int direction) {
    if (playing()) return;
    if (!melody_.transpose(direction)) {
        setStatus(tx("ringtones_70", "Weiter geht es nicht: eine Note verließe die Klaviatur."));
    }
    changed();
}

void Truftoneditorform::newMelody() {
    stopPlaying();
    melody_.clear();
    changed();
}

void Truftoneditorform::changed() {
    const bool busy = playing();
    const bool notes = !melody_.empty();
    staff_->refresh();
    if (melody_.cursor() >= 0) {
        scroll_->ensureVisible(staff_->cellRect(melody_.cursor()).center().x(), 100, 60, 0);
    }
    transposition_->setText(QString::number(melody_.transposition()));
    if (tempo_->value() != melody_.tempo()) {
        const QSignalBlocker block(tempo_);
        tempo_->setValue(melody_.tempo());
    }
    if (title_->text() != melody_.title() && !title_->hasFocus()) title_->setText(melody_.title());
    delete_->setEnabled(!busy && melody_.cursor() >= 0);
    undo_->setEnabled(!busy && melody_.canUndo());
    redo_->setEnabled(!busy && melody_.canRedo());
    for (QWidget* w : std::initializer_list<QWidget*>{rest_, up_, down_, newButton_, loadButton_,
                                                      keys_, tempo_, title_}) {
        w->setEnabled(!busy);
    }
    up_->setEnabled(!busy && notes);
    down_->setEnabled(!busy && notes);
    send_->setEnabled(!busy && notes);
    saveButton_->setEnabled(!busy && notes);
    play_->setEnabled(busy || notes);
    play_->setText(busy ? tx("ringtones_71", "Stop") : tx("ringtones_61", "Abspielen"));
}

void Truftoneditorform::setStatus(const QString& text) {
    status_->setText(text);
}

void Truftoneditorform::report(const QString& title, const QString& text) {
    auto* box = showMessage(isVisible() ? this : parentWidget(), QMessageBox::Warning, title, text);
    box->setObjectName(QStringLiteral("meldung"));
}

void Truftoneditorform::openFile(const QString& file) {
    show();
    raise();
    if (file.isEmpty()) return;
    askToSave([this, file] { loadFile(file); });
}

bool Truftoneditorform::holdForChanges(std::function<void()> proceed) {
    if (!melody_.modified() || melody_.empty()) return false;
    show();
    raise();
    askToSave(std::move(proceed));
    return true;
}

void Truftoneditorform::apply(const MelodyRead& read) {
    if (!read.ok) {
        report(caption(), read.error);
        return;
    }
    stopPlaying();
    melody_.replace(read.melody.notes, read.melody.tempo, read.melody.title);
    changed();
    setStatus(read.notices.join(QLatin1Char(' ')));
    if (!read.notices.isEmpty()) {
        showMessage(this, QMessageBox::Information, caption(), read.notices.join(QLatin1Char('\n')))
            ->setObjectName(QStringLiteral("hinweise"));
    }
}

void Truftoneditorform::loadFile(const QString& file) {
    folder_ = QFileInfo(file).absolutePath();
    if (QFileInfo(file).suffix().compare(QLatin1String("txt"), Qt::CaseInsensitive) == 0) {
        apply(readRtttlFile(file));
        return;
    }
    import_ = std::make_unique<MidiImport>(file);
    const MelodyRead prepared = import_->prepare();
    if (!prepared.ok) {
        import_.reset();
        apply(prepared);
        return;
    }
    if (import_->needsChoice()) {
        converter_->choose(*import_);
        return;
    }
    import_.reset();
    apply(prepared);
}

void Truftoneditorform::takeMidiChoice(int track, int channel) {
    if (!import_) return;
    const MelodyRead read = import_->take(track, channel);
    import_.reset();
    apply(read);
}

void Truftoneditorform::chooseLoadFile() {
    auto* dialog = new QFileDialog(this, tx("ringtones_72", "Melodie laden"), folder_,
                                   tx("ringtones_73", "Midi-Datei (*.mid);;RTTL-File (*.txt)"));
    dialog->setObjectName(QStringLiteral("ladendialog"));
    dialog->setFileMode(QFileDialog::ExistingFile);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QFileDialog::fileSelected, this,
            [this](const QString& path) { loadFile(path); });
    dialog->open();
}

void Truftoneditorform::chooseSaveFile(std::function<void()> then) {
    auto* dialog = new QFileDialog(
        this, tx("ringtones_74", "Melodie speichern"),
        QDir(folder_).filePath(melody_.title() + ".mid"),
        tx("ringtones_75", "Midi-Datei (*.mid);;RTTL-File (*.txt);;WAV-Datei (*.wav)"));
    dialog->setObjectName(QStringLiteral("speicherndialog"));
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setDefaultSuffix(QStringLiteral("mid"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QFileDialog::filterSelected, dialog, [dialog](const QString& filter) {
        dialog->setDefaultSuffix(filter.section(QStringLiteral("*."), 1).left(3));
    });
    connect(dialog, &QFileDialog::fileSelected, this, [this, then](const QString& path) {
        if (saveTo(path) && then) then();
    });
    dialog->open();
}

bool Truftoneditorform::saveTo(const QString& path) {
    QString problem;
    if (QFileInfo(path).suffix().compare(QLatin1String("wav"), Qt::CaseInsensitive) == 0) {
        const QString soundfont = soundfontFile();
        RenderedSound sound;
        if (!soundfont.isEmpty())
            sound = renderMidi(soundingMidi(melody_.notes(), melody_.tempo(), 0), soundfont);
        if (soundfont.isEmpty() || !sound.ok()) {
            sound.pcm = buzzerPcm(melody_.notes(), melody_.tempo(), 0);
            setStatus(
                tx("ringtones_76", "Ohne Soundfont klingt die Melodie wie der Summer des Handys."));
        }
        problem = writeWav(path, sound.pcm);
        if (problem.isEmpty()) return true;  // a sound, not the melody: stays unsaved
    } else {
        problem = saveMelodyFile(path, contentOf(melody_));
    }
    if (!problem.isEmpty()) {
        report(caption(), problem);
        return false;
    }
    folder_ = QFileInfo(path).absolutePath();
    melody_.markSaved();
    setStatus(tx("ringtones_77", "Gespeichert: %1").arg(QFileInfo(path).fileName()));
    return true;
}

void Truftoneditorform::askToSave(std::function<void()> then) {
    if (!melody_.modified() || melody_.empty()) {
        then();
        return;
    }
    auto* box = new QMessageBox(QMessageBox::Question, caption(),
                                tx("ringtones_78",
                                   "Die Melodie wurde geändert. Sollen die "
                                   "Änderungen gespeichert werden?"),
                                QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel,
                                isVisible() ? this : parentWidget());
    box->setObjectName(QStringLiteral("speichernfrage"));
    box->button(QMessageBox::Save)->setText(tx("ringtones_43", "Speichern"));
    box->button(QMessageBox::Discard)->setText(tx("ringtones_79", "Verwerfen"));
    box->button(QMessageBox::Cancel)->setText(tx("ringtones_35", "Abbrechen"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    connect(box, &QMessageBox::finished, this, [this, box, then](int) {
        const auto answer = box->standardButton(box->clickedButton());
        if (answer == QMessageBox::Discard) {
            melody_.markSaved();
            then();
        } else if (answer == QMessageBox::Save) {
            chooseSaveFile(then);
        }
    });
    box->open();
}

void Truftoneditorform::transfer() {
    if (melody_.empty() || playing()) return;
    const MelodyContent content = contentOf(melody_);
    auto mid = std::make_unique<ringdecode::TMid>(midOf(content));
    ringdecode::countinstructions(*mid);
    if (mid->instructions > kMaxInstructions) {
        report(caption(), tx("ringtones_80",
                             "Die Melodie braucht %1 Befehle; das Handy nimmt "
                             "höchstens 255. Bitte kürzen Sie sie.")
                              .arg(mid->instructions));
        return;
    }
    QStringList unplayable;
    bool tooHigh = false;
    for (int i = 0; i < melody_.size(); ++i) {
        const Note& note = melody_.notes()[i];
        if (phonePlays(note)) continue;
        unplayable << QStringLiteral("%1: %2").arg(i + 1).arg(noteText(note));
        tooHigh = tooHigh || note.octave > kHighestOctave;
    }
    if (tooHigh) {
        report(caption(), tx("ringtones_81",
                             "Diese Noten liegen zu hoch für das Handy; bitte "
                             "transponieren Sie die Melodie:\n%1")
                              .arg(unplayable.join(QLatin1Char('\n'))));
        return;
    }
    auto send = [this, count = mid->instructions, content] {
        const QString dir = QString::fromStdString(tools::privatetempdir());
        sendFile_ = std::make_unique<QTemporaryFile>(
            QDir(dir).filePath(QStringLiteral("ruftonXXXXXX.txt")));
        if (dir.isEmpty() || !sendFile_->open()) {
            report(caption(),
                   tx("ringtones_7", "Das temporäre Verzeichnis kann nicht angelegt werden."));
            return;
        }
        sendFile_->write(QByteArray::fromStdString(rtttlOf(content) + "\r\n"));
        sendFile_->close();
        setStatus(tx("ringtones_82", "Übertragen: %1 Noten, %2 von höchstens 255 Befehlen.")
                      .arg(melody_.size())
                      .arg(count));
        emit transferRequested(sendFile_->fileName());
    };
    if (unplayable.isEmpty()) {
        send();
        return;
    }
    auto* box =
        new QMessageBox(QMessageBox::Question, caption(),
                        tx("ringtones_83",
                           "Diese Noten kann das Handy nicht wie geschrieben spielen (unter a der "
                           "Oktave 1 klingt eine Pause):\n%1\n\nTrotzdem übertragen?")
                            .arg(unplayable.join(QLatin1Char('\n'))),
                        QMessageBox::Ok | QMessageBox::Cancel, this);
    box->setObjectName(QStringLiteral("unspielbar"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    connect(box, &QMessageBox::finished, this, [box, send](int) {
        if (box->standardButton(box->clickedButton()) == QMessageBox::Ok) send();
    });
    box->open();
}

bool Truftoneditorform::playing() const {
    return buzzer_->playing() || sound_->playing();
}

void Truftoneditorform::play() {
    if (playing() || melody_.empty()) return;
    from_ = std::max(melody_.cursor(), 0);
    if (onPhone() && !onPc_->isChecked()) {
        buzzer_->play(melody_.notes(), melody_.tempo(), from_);
        changed();
        return;
    }
    playOnPc();
}

void Truftoneditorform::playOnPc() {
    const QString soundfont = soundfontFile();
    RenderedSound sound;
    if (!soundfont.isEmpty()) {
        sound = renderMidi(soundingMidi(melody_.notes(), melody_.tempo(), from_), soundfont);
    }
    if (soundfont.isEmpty() || !sound.ok()) {
        sound.pcm = buzzerPcm(melody_.notes(), melody_.tempo(), from_);
        setStatus(
            tx("ringtones_76", "Ohne Soundfont klingt die Melodie wie der Summer des Handys."));
    }
    starts_ = noteStartsMs(melody_.notes(), melody_.tempo(), from_);
    QString error;
    if (!sound_->play(sound.pcm, error)) {
        setStatus(error);
        return;
    }
    changed();
}

void Truftoneditorform::stopPlaying() {
    buzzer_->stop();
    sound_->stop();
    playbackEnded();
}

void Truftoneditorform::playbackEnded() {
    staff_->setPlaying(-1);
    changed();
}

void Truftoneditorform::linkLost() {
    if (buzzer_->playing()) stopPlaying();
}

void Truftoneditorform::sound(const Note& note) {
    if (note.pause) return;
    const int key = noteNumberOf(note) + kMidiKeyOffset;
    if (release_->isActive()) sound_->keyUp(release_->property("key").toInt());
    sound_->keyDown(key);
    release_->setProperty("key", key);
    release_->start(std::min(lengthMs(note, melody_.tempo()), kLongestSound));
}

void Truftoneditorform::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    staff_->refresh();
}

void Truftoneditorform::closeEvent(QCloseEvent* event) {
    stopPlaying();
    converter_->close();
    event->accept();
}

}  // namespace corvina
