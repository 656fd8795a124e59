// What the profile editor offers for the phone, and how its controls turn
// into a profile's values and back.
//
// The family of the phone's profile procedures decides (the 8310 edits like
// a 7110). A value the phone did not report, or reported with a code the
// program does not know, leaves its control without a choice: the editor
// shows "–" and asks for a choice before OK instead of guessing one.
#pragma once

#include <QList>
#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "phonelib/api/profilesettings.h"
#include "records/typendefinitionen.h"

namespace corvina {

struct ChoiceItem {
    int32_t value = 0;
    QString text;

    bool operator==(const ChoiceItem&) const = default;
};

constexpr int kEditorCallerGroups = 5;
constexpr int32_t kAllCallerGroups = 255;

struct ProfileEditorRules {
    phonelib::ProfileFamily family = phonelib::ProfileFamily::None;
    bool nameEditable = true;
    QList<ChoiceItem> ringingModes;
    QList<ChoiceItem> ringtones;  // the model's ringtones that have a name
    int32_t volumeLow = 1;
    int32_t volumeHigh = 5;
    bool nokiaSettings = true;  // keypad and message tones, warning tones, lights,
                                // automatic answer, caller groups
    bool earpieceVolume = false;
    bool vibration = true;
    bool allCallsGroup = false;       // "Alle Anrufe" beside the five groups
    bool groupModeFallsBack = false;  // "Anrufergruppe" becomes "Rufton"
};

// ringtoneName(number) names a ringtone of the phone's model, or gives the
// number itself when it has no name.
ProfileEditorRules profileEditorRules(phonelib::ProfileFamily family, uint8_t modelId,
                                      const std::function<std::string(int32_t)>& ringtoneName);

struct ProfileChoices {
    QString name;
    std::optional<int32_t> ringingMode;
    std::optional<int32_t> ringtone;
    std::optional<int32_t> volume;
    std::optional<int32_t> keypadTones;
    std::optional<int32_t> messageTone;
    std::optional<int32_t> earpieceVolume;
    std::optional<bool> warningTones;
    std::optional<bool> lights;
    std::optional<bool> automaticAnswer;
    std::optional<bool> vibration;
    std::array<bool, kEditorCallerGroups> groups{};
    bool allCalls = false;
    bool groupsChosen = false;  // the user changed the ticks: they are written

    bool operator==(const ProfileChoices&) const = default;
};

// The ringtone list of the editor: the model's named ringtones, and the
// profile's own ringtone (under the name read with it) when it is not
// among them.
QList<ChoiceItem> ringtoneItems(const ProfileEditorRules& rules, const TProfile& values);

ProfileChoices choicesOf(const ProfileEditorRules& rules, const TProfile& values);

// The ringing mode that choosing `mode` selects: "Anrufergruppe" falls back
// to "Rufton" on phones without caller-group ringing.
int32_t chosenRingingMode(const ProfileEditorRules& rules, int32_t mode);
bool volumeEnabled(const ProfileEditorRules& rules, const ProfileChoices& choices);
bool groupsEnabled(const ProfileEditorRules& rules, const ProfileChoices& choices);

// The settings shown without a choice; OK asks for them before writing.
QList<phonelib::ProfileSetting> missingChoices(const ProfileEditorRules& rules,
                                               const ProfileChoices& choices,
                                               const TProfile& original);

// The profile with the choices applied; what the editor does not offer
// keeps the value read, and so do the caller groups while their ticks are
// untouched.
TProfile valuesOf(const ProfileEditorRules& rules, const ProfileChoices& choices,
                  const TProfile& original);

}  // namespace corvina
