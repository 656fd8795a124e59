// The profile editor ("Profil editieren"): the controls the phone's family
// offers, set from the profile read. A value the phone did not report shows
// "–" and has no choice; OK asks for one before anything is written.
#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSlider>

#include "corvina/profiles/profilechoices.h"

namespace corvina {

class Tprofedit : public QDialog {
    Q_OBJECT

  public:
    Tprofedit(ProfileEditorRules rules, const QStringList& groupNames, const TProfile& values,
              QWidget* parent = nullptr);

    const ProfileChoices& choices() const { return choices_; }

    // "&Ok": with every value chosen, emits the profile's values and closes;
    // otherwise names what is still to be chosen.
    void OkClick();

    QLineEdit* nameEdit() const { return name_; }
    QComboBox* ringingModeBox() const { return ringingMode_; }
    QComboBox* ringtoneBox() const { return ringtone_; }
    QSlider* volumeSlider() const { return volume_; }
    QSlider* keypadSlider() const { return keypad_; }
    QSlider* earpieceSlider() const { return earpiece_; }
    QComboBox* messageToneBox() const { return messageTone_; }
    QCheckBox* warningBox() const { return warning_; }
    QCheckBox* lightsBox() const { return lights_; }
    QCheckBox* answerBox() const { return answer_; }
    QCheckBox* vibrationBox() const { return vibration_; }
    QListWidget* groupList() const { return groups_; }
    QLabel* volumeLabel() const { return volumeText_; }

  signals:
    void chosen(const TProfile& values);

  private:
    QComboBox* choiceBox(const QList<ChoiceItem>& items, std::optional<int32_t> value);
    QSlider* levelSlider(int low, int high, std::optional<int32_t> value, QLabel* label, int shown,
                         std::optional<int32_t> ProfileChoices::*choice);
    QCheckBox* switchBox(const QString& text, std::optional<bool> ProfileChoices::*choice);
    void fillGroups(const QStringList& groupNames);
    void groupTicked(QListWidgetItem* item);
    void ringingModeChosen();
    void updateEnabled();

    ProfileEditorRules rules_;
    TProfile original_;
    ProfileChoices choices_;
    QLineEdit* name_ = nullptr;
    QComboBox* ringingMode_ = nullptr;
    QComboBox* ringtone_ = nullptr;
    QSlider* volume_ = nullptr;
    QLabel* volumeText_ = nullptr;
    QSlider* keypad_ = nullptr;
    QSlider* earpiece_ = nullptr;
    QComboBox* messageTone_ = nullptr;
    QCheckBox* warning_ = nullptr;
    QCheckBox* lights_ = nullptr;
    QCheckBox* answer_ = nullptr;
    QCheckBox* vibration_ = nullptr;
    QListWidget* groups_ = nullptr;
    QListWidgetItem* allCalls_ = nullptr;
};

}  // namespace corvina
