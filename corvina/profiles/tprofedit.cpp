#include "corvina/profiles/tprofedit.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "corvina/language/language.h"
#include "corvina/profiles/profiletexts.h"
#include "corvina/shell/messagebox.h"

namespace corvina {

namespace {

using phonelib::ProfileSetting;

QList<ChoiceItem> messageTones() {
    QList<ChoiceItem> items;
    for (int32_t tone = 0; tone <= 4; ++tone) items.append({tone, messageToneName(tone)});
    return items;
}

std::optional<int32_t> boxValue(const QComboBox* box) {
    if (box->currentIndex() < 0) return std::nullopt;
    return box->currentData().toInt();
}

}  // namespace

Tprofedit::Tprofedit(ProfileEditorRules rules, const QStringList& groupNames,
                     const TProfile& values, QWidget* parent)
    : QDialog(parent), rules_(std::move(rules)), original_(values) {
    setWindowTitle(tx("profiledit2_1", "Profil editieren"));
    setAttribute(Qt::WA_DeleteOnClose);
    choices_ = choicesOf(rules_, values);

    auto* form = new QFormLayout;
    name_ = new QLineEdit(choices_.name, this);
    name_->setPlaceholderText(profileName(values));
    name_->setEnabled(rules_.nameEditable);
    connect(name_, &QLineEdit::textChanged, this,
            [this](const QString& text) { choices_.name = text; });
    form->addRow(tx("profiles3_28", "Name"), name_);

    ringingMode_ = choiceBox(rules_.ringingModes, choices_.ringingMode);
    connect(ringingMode_, &QComboBox::currentIndexChanged, this, [this] { ringingModeChosen(); });
    form->addRow(settingName(ProfileSetting::RingingMode), ringingMode_);

    ringtone_ = choiceBox(ringtoneItems(rules_, values), choices_.ringtone);
    connect(ringtone_, &QComboBox::currentIndexChanged, this,
            [this] { choices_.ringtone = boxValue(ringtone_); });
    form->addRow(settingName(ProfileSetting::Ringtone), ringtone_);

    volumeText_ = new QLabel(this);
    volume_ = levelSlider(rules_.volumeLow, rules_.volumeHigh, choices_.volume, volumeText_, 0,
                          &ProfileChoices::volume);
    auto* volumeRow = new QHBoxLayout;
    volumeRow->addWidget(volume_, 1);
    volumeRow->addWidget(volumeText_);
    form->addRow(settingName(ProfileSetting::Volume), volumeRow);

    if (rules_.earpieceVolume) {
        auto* label = new QLabel(this);
        earpiece_ =
            levelSlider(0, 4, choices_.earpieceVolume, label, 1, &ProfileChoices::earpieceVolume);
        auto* row = new QHBoxLayout;
        row->addWidget(earpiece_, 1);
        row->addWidget(label);
        form->addRow(tx("profiledit_22", " Hörer-Lautstärke ").trimmed(), row);
    }
    if (rules_.nokiaSettings) {
        auto* label = new QLabel(this);
        keypad_ = levelSlider(0, 3, choices_.keypadTones, label, 0, &ProfileChoices::keypadTones);
        auto* row = new QHBoxLayout;
        row->addWidget(keypad_, 1);
        row->addWidget(label);
        form->addRow(tx("profiledit_7", " Tastenton-Lautstärke ").trimmed(), row);
        messageTone_ = choiceBox(messageTones(), choices_.messageTone);
        connect(messageTone_, &QComboBox::currentIndexChanged, this,
                [this] { choices_.messageTone = boxValue(messageTone_); });
        form->addRow(settingName(ProfileSetting::MessageTone), messageTone_);
    }

    auto* switches = new QVBoxLayout;
    if (rules_.nokiaSettings) {
        warning_ =
            switchBox(settingName(ProfileSetting::WarningTones), &ProfileChoices::warningTones);
        lights_ = switchBox(settingName(ProfileSetting::Lights), &ProfileChoices::lights);
        answer_ = switchBox(settingName(ProfileSetting::AutomaticAnswer),
                            &ProfileChoices::automaticAnswer);
        switches->addWidget(warning_);
        switches->addWidget(lights_);
        switches->addWidget(answer_);
    }
    if (rules_.vibration) {
        vibration_ = switchBox(settingName(ProfileSetting::Vibration), &ProfileChoices::vibration);
        switches->addWidget(vibration_);
    }
    switches->addStretch();

    auto* columns = new QHBoxLayout;
    columns->addLayout(form, 3);
    columns->addLayout(switches, 1);
    if (rules_.nokiaSettings) {
        auto* box = new QGroupBox(settingName(ProfileSetting::CallerGroups), this);
        auto* boxLayout = new QVBoxLayout(box);
        groups_ = new QListWidget(box);
        boxLayout->addWidget(groups_);
        fillGroups(groupNames);
        columns->addWidget(box, 2);
    }

    auto* buttons = new QDialogButtonBox(this);
    auto* ok = buttons->addButton(tx("profiledit2_2", "&Ok"), QDialogButtonBox::AcceptRole);
    auto* cancel =
        buttons->addButton(tx("profiledit2_3", "Abbrechen"), QDialogButtonBox::RejectRole);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, [this] { OkClick(); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addWidget(buttons);
    updateEnabled();
}

QComboBox* Tprofedit::choiceBox(const QList<ChoiceItem>& items, std::optional<int32_t> value) {
    auto* box = new QComboBox(this);
    box->setPlaceholderText(unknownValueText());
    for (const ChoiceItem& item : items) box->addItem(item.text, item.value);
    box->setCurrentIndex(value ? box->findData(*value) : -1);
    return box;
}

QSlider* Tprofedit::levelSlider(int low, int high, std::optional<int32_t> value, QLabel* label,
                                int shown, std::optional<int32_t> ProfileChoices::*choice) {
    auto* slider = new QSlider(Qt::Horizontal, this);
    slider->setRange(low, high);
    slider->setPageStep(1);
    slider->setTickPosition(QSlider::TicksBelow);
    slider->setMinimumWidth(150);
    slider->setValue(value.value_or(low));
    label->setMinimumWidth(60);
    const auto show = [label, shown](std::optional<int32_t> level) {
        label->setText(level ? levelText(*level + shown) : unknownValueText());
    };
    show(value);
    const auto take = [this, slider, choice, show] {
        choices_.*choice = slider->value();
        show(slider->value());
    };
    connect(slider, &QSlider::valueChanged, this, take);
    connect(slider, &QSlider::sliderPressed, this, take);
    return slider;
}

QCheckBox* Tprofedit::switchBox(const QString& text, std::optional<bool> ProfileChoices::*choice) {
    auto* box = new QCheckBox(text, this);
    const std::optional<bool> value = choices_.*choice;
    box->setTristate(!value);
    box->setCheckState(!value ? Qt::PartiallyChecked : *value ? Qt::Checked : Qt::Unchecked);
    if (!value) box->setToolTip(unknownValueText());
    connect(box, &QCheckBox::stateChanged, this, [this, box, choice](int state) {
        if (state == Qt::PartiallyChecked) return;
        box->setTristate(false);
        choices_.*choice = state == Qt::Checked;
    });
    return box;
}

void Tprofedit::fillGroups(const QStringList& groupNames) {
    for (int group = 0; group < kEditorCallerGroups; ++group) {
        auto* item = new QListWidgetItem(groupNames.value(group), groups_);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        item->setCheckState(choices_.groups[group] ? Qt::Checked : Qt::Unchecked);
    }
    if (rules_.allCallsGroup) {
        allCalls_ = new QListWidgetItem(tx("profiledit_8", "Alle Anrufe"), groups_);
        allCalls_->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        allCalls_->setCheckState(choices_.allCalls ? Qt::Checked : Qt::Unchecked);
    }
    connect(groups_, &QListWidget::itemChanged, this,
            [this](QListWidgetItem* item) { groupTicked(item); });
}

void Tprofedit::groupTicked(QListWidgetItem* item) {
    const bool ticked = item->checkState() == Qt::Checked;
    if (item == allCalls_) {
        choices_.allCalls = ticked;
    } else {
        choices_.groups[groups_->row(item)] = ticked;
    }
    choices_.groupsChosen = true;
}

void Tprofedit::ringingModeChosen() {
    const std::optional<int32_t> picked = boxValue(ringingMode_);
    if (!picked) return;
    const int32_t mode = chosenRingingMode(rules_, *picked);
    if (mode != *picked) ringingMode_->setCurrentIndex(ringingMode_->findData(mode));
    choices_.ringingMode = mode;
    updateEnabled();
}

void Tprofedit::updateEnabled() {
    const bool volume = volumeEnabled(rules_, choices_);
    volume_->setEnabled(volume);
    volumeText_->setEnabled(volume);
    if (groups_) groups_->setEnabled(groupsEnabled(rules_, choices_));
}

void Tprofedit::OkClick() {
    const QList<ProfileSetting> missing = missingChoices(rules_, choices_, original_);
    if (!missing.isEmpty()) {
        QStringList names;
        for (const ProfileSetting setting : missing) names << settingName(setting);
        showMessage(this, QMessageBox::Warning, tx("profiledit2_4", "Hinweis"),
                    tx("profiledit2_5",
                       "Das Handy hat diese Werte nicht oder unbekannt gemeldet. Bitte wählen "
                       "Sie zuerst einen Wert für:") +
                        QLatin1Char('\n') + names.join(QStringLiteral(", ")));
        return;
    }
    emit chosen(valuesOf(rules_, choices_, original_));
    accept();
}

}  // namespace corvina
