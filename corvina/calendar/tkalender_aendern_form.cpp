#include "corvina/calendar/tkalender_aendern_form.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QPushButton>
#include <QVBoxLayout>

#include "corvina/connection/modelnumbers.h"
#include "corvina/language/language.h"
#include "corvina/language/languageapply.h"
#include "corvina/shell/messagebox.h"

namespace corvina {

Tkalender_aendern_form::Tkalender_aendern_form(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Tkalender_aendern_form"));
    setWindowTitle(QStringLiteral("Termin"));
    setWindowModality(Qt::WindowModal);
    auto* layout = new QVBoxLayout(this);
    auto* top = new QFormLayout;
    text_ = named(new QLineEdit(this), "beschreibung");
    text_->setMaxLength(kNoteTextLength);
    text_->setToolTip(QStringLiteral("Maximal 30 Zeichen"));
    text_->setPlaceholderText(QStringLiteral("Maximal 30 Zeichen"));
    type_ = named(new QComboBox(this), "typ");
    markDynamic(type_);
    top->addRow(named(new QLabel(QStringLiteral("Beschreibung:"), this), "beschreibunglabel"),
                text_);
    top->addRow(named(new QLabel(QStringLiteral("Art:"), this), "typlabel"), type_);
    layout->addLayout(top);

    first_ = named(new QGroupBox(QStringLiteral(" Termin "), this), "termingruppe");
    auto* firstForm = new QFormLayout(first_);
    startDate_ = named(new QDateEdit(first_), "startdatum");
    startDate_->setCalendarPopup(true);
    startDate_->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    startTime_ = named(new QTimeEdit(first_), "startzeit");
    startTime_->setDisplayFormat(QStringLiteral("HH:mm"));
    auto* when = new QHBoxLayout;
    when->addWidget(startDate_);
    when->addWidget(startTime_);
    firstForm->addRow(named(new QLabel(QStringLiteral("Datum:"), first_), "datumlabel"), when);
    numberLabel_ = named(new QLabel(QStringLiteral("Nummer:"), first_), "nummerlabel");
    number_ = named(new QLineEdit(first_), "nummer");
    firstForm->addRow(numberLabel_, number_);
    birthYearLabel_ = named(new QLabel(QStringLiteral("Geburtsjahr:"), first_), "geburtsjahrlabel");
    birthYear_ = named(new QLineEdit(first_), "geburtsjahr");
    birthYear_->setValidator(new QIntValidator(0, 9999, birthYear_));
    firstForm->addRow(birthYearLabel_, birthYear_);
    layout->addWidget(first_);

    second_ = named(new QGroupBox(QStringLiteral(" Alarm "), this), "alarmgruppe");
    markDynamic(second_);
    auto* secondForm = new QFormLayout(second_);
    alarmDate_ = named(new QDateEdit(second_), "alarmdatum");
    alarmDate_->setCalendarPopup(true);
    alarmDate_->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    alarmTime_ = named(new QTimeEdit(second_), "alarmzeit");
    alarmTime_->setDisplayFormat(QStringLiteral("HH:mm"));
    auto* alarmWhen = new QHBoxLayout;
    alarmWhen->addWidget(alarmDate_);
    alarmWhen->addWidget(alarmTime_);
    secondForm->addRow(named(new QLabel(QStringLiteral("Zeit:"), second_), "alarmzeitlabel"),
                       alarmWhen);
    repeat_ = named(new QComboBox(second_), "wiederholung");
    markDynamic(repeat_);
    secondForm->addRow(
        named(new QLabel(QStringLiteral("Wiederholung:"), second_), "wiederholunglabel"), repeat_);
    layout->addWidget(second_);

    auto* boxes = new QHBoxLayout;
    alarm_ = named(new QCheckBox(QStringLiteral("Alarm"), this), "alarm");
    done_ = named(new QCheckBox(QStringLiteral("Erledigt"), this), "erledigt");
    silent_ = named(new QCheckBox(QStringLiteral("Lautlos"), this), "lautlos");
    boxes->addWidget(alarm_);
    boxes->addWidget(done_);
    boxes->addWidget(silent_);
    boxes->addStretch();
    layout->addLayout(boxes);

    auto* buttons = new QDialogButtonBox(this);
    auto* ok = named(buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole), "ok");
    auto* cancel = named(
        buttons->addButton(QStringLiteral("Abbrechen"), QDialogButtonBox::RejectRole), "abbrechen");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, [this] { accept_(); });
    connect(cancel, &QPushButton::clicked, this, [this] { reject(); });
    layout->addWidget(buttons);

    connect(type_, &QComboBox::currentIndexChanged, this, [this] { applyLayout(); });
    connect(alarm_, &QCheckBox::toggled, this, [this] { applyLayout(); });
    for (QDateTimeEdit* field :
         {static_cast<QDateTimeEdit*>(startDate_), static_cast<QDateTimeEdit*>(startTime_),
          static_cast<QDateTimeEdit*>(alarmDate_), static_cast<QDateTimeEdit*>(alarmTime_)}) {
        connect(field, &QDateTimeEdit::editingFinished, this, [this] { correctSilently(); });
    }
}

void Tkalender_aendern_form::prepare(uint8_t modelNumber) {
    model_ = modelNumber;
    const QSignalBlocker block(type_);
    type_->clear();
    type_->addItems(typeChoices(modelNumber));
}

void Tkalender_aendern_form::openNew(uint8_t modelNumber, const QDate& selectedDay) {
    prepare(modelNumber);
    index_.reset();
    original_.reset();
    text_->setMaxLength(kNoteTextLength);
    setValues(newNoteValues(modelNumber, selectedDay));
    QDialog::open();
    text_->setFocus();
}

void Tkalender_aendern_form::openNote(uint8_t modelNumber, const CalendarNote& note, int index,
                                      int shownYear) {
    prepare(modelNumber);
    index_ = index;
    original_ = note;
    // A longer text read from the phone or a file stays whole until changed.
    text_->setMaxLength(std::max<int>(kNoteTextLength, static_cast<int>(note.text.size())));
    setValues(noteValues(modelNumber, note, shownYear));
    QDialog::open();
    text_->setFocus();
}

void Tkalender_aendern_form::fillRepeat(uint16_t repeat) {
    const RepeatChoices choices = repeatChoices(repeat);
    repeat_->clear();
    repeat_->addItems(choices.texts);
    repeatValues_ = choices.values;
    repeat_->setCurrentIndex(choices.selected);
}

void Tkalender_aendern_form::setValues(const EditorValues& v) {
    text_->setText(v.text);
    {
        const QSignalBlocker block(type_);
        type_->setCurrentIndex(std::min<int>(v.type, type_->count() - 1));
    }
    startDate_->setDate(v.startDate);
    startTime_->setTime(v.startTime);
    number_->setText(v.number);
    birthYear_->setText(v.birthYear > 0 ? QString::number(v.birthYear) : QString());
    alarmDate_->setDate(v.alarmDate);
    alarmTime_->setTime(v.alarmTime);
    fillRepeat(v.repeat);
    {
        const QSignalBlocker block(alarm_);
        alarm_->setChecked(v.alarmOn);
    }
    done_->setChecked(v.done);
    silent_->setChecked(v.silent);
    applyLayout();
    if (!v.alarmPickers && editorLayout(model_, v.type).alarmFollowsBox) {
        alarmDate_->setEnabled(false);
        alarmTime_->setEnabled(false);
    }
}

EditorValues Tkalender_aendern_form::values() const {
    EditorValues v;
    v.text = text_->text();
    v.type = static_cast<uint8_t>(std::max(0, type_->currentIndex()));
    v.startDate = startDate_->date();
    v.startTime = startTime_->time();
    v.number = number_->text();
    v.birthYear = birthYear_->text().toInt();
    v.alarmDate = alarmDate_->date();
    v.alarmTime = alarmTime_->time();
    const int choice = repeat_->currentIndex();
    v.repeat = choice >= 0 && choice < static_cast<int>(repeatValues_.size())
                   ? repeatValues_[static_cast<size_t>(choice)]
                   : 0;
    v.alarmOn = alarm_->isChecked();
    v.done = done_->isChecked();
    v.silent = silent_->isChecked();
    return v;
}

void Tkalender_aendern_form::applyLayout() {
    const uint8_t type = static_cast<uint8_t>(std::max(0, type_->currentIndex()));
    const EditorLayout l = editorLayout(model_, type);
    type_->setEnabled(!l.typeFixed);
    if (l.typeFixed && type_->currentIndex() != 0) type_->setCurrentIndex(0);
    startTime_->setVisible(l.startTime);
    numberLabel_->setVisible(l.number);
    number_->setVisible(l.number);
    birthYearLabel_->setVisible(l.birthYear);
    birthYear_->setVisible(l.birthYear);
    second_->setVisible(l.secondGroup);
    second_->setTitle(l.secondGroupIsEnd ? tx("termin_aendern_666_2", " Ende ")
                                         : tx("termin_aendern_666_3", " Alarm "));
    repeat_->setVisible(l.repeat);
    if (auto* form = qobject_cast<QFormLayout*>(second_->layout())) {
        if (QWidget* label = form->labelForField(repeat_)) label->setVisible(l.repeat);
    }
    alarm_->setVisible(l.alarmBox);
    done_->setVisible(l.done);
    silent_->setVisible(l.silent);
    const bool pickers = !l.alarmFollowsBox || alarm_->isChecked();
    alarmDate_->setEnabled(pickers);
    alarmTime_->setEnabled(pickers);
}

void Tkalender_aendern_form::correctSilently() {
    EditorValues v = values();
    if (!correctDates(model_, v)) return;
    alarmDate_->setDate(v.alarmDate);
    alarmTime_->setTime(v.alarmTime);
}

bool Tkalender_aendern_form::accept_() {
    EditorValues v = values();
    CalendarNote note;
    const EditorVerdict verdict = acceptNote(model_, v, original_, note);
    if (verdict != EditorVerdict::Stored) {
        if (verdict == EditorVerdict::Corrected) setValues(v);
        lastMessage_ = verdictText(model_, verdict);
        showMessage(this, QMessageBox::Information, tx("termin_18", "Hinweis"), lastMessage_);
        return false;
    }
    lastMessage_.clear();
    const int index = index_.value_or(-1);
    index_.reset();
    QDialog::accept();
    emit stored(note, index);
    return true;
}

}  // namespace corvina
