#include "corvina/profiles/profilechoices.h"

#include <algorithm>

#include "codecs/tools/cp1252.h"
#include "corvina/profiles/profiletexts.h"

namespace corvina {

namespace {

using phonelib::ProfileFamily;
using phonelib::ProfileSetting;

constexpr int32_t kPlainRing = 0;
constexpr int32_t kRising = 1;
constexpr int32_t kRingOnce = 2;
constexpr int32_t kSingleBeep = 3;
constexpr int32_t kGroupRing = 4;
constexpr int32_t kSilent = 5;
constexpr int32_t kLastRingtone = 150;
constexpr int32_t kFirstNokiaRingtone = 17;
constexpr uint16_t kEarpieceHigh = 4;

QList<ChoiceItem> modes(std::initializer_list<int32_t> values) {
    QList<ChoiceItem> items;
    for (const int32_t mode : values) items.append({mode, ringingModeName(mode)});
    return items;
}

std::optional<int32_t> within(int32_t value, int32_t low, int32_t high) {
    if (value < low || value > high) return std::nullopt;
    return value;
}

std::optional<bool> switchOf(int32_t value) {
    if (value != 0 && value != 1) return std::nullopt;
    return value == 1;
}

bool listed(const QList<ChoiceItem>& items, int32_t value) {
    return std::ranges::any_of(items, [&](const ChoiceItem& item) { return item.value == value; });
}

int32_t fromSwitch(std::optional<bool> choice, int32_t original) {
    return choice ? (*choice ? 1 : 0) : original;
}

int32_t firstRingtone(const ProfileEditorRules& rules) {
    return rules.family == ProfileFamily::Siemens ? 1 : 0;
}

}  // namespace

ProfileEditorRules profileEditorRules(ProfileFamily family, uint8_t modelId,
                                      const std::function<std::string(int32_t)>& ringtoneName) {
    ProfileEditorRules rules;
    rules.family = family;
    const bool siemens = family == ProfileFamily::Siemens;
    const int32_t first = siemens ? 1 : kFirstNokiaRingtone;
    for (int32_t number = first; number <= kLastRingtone; ++number) {
        const std::string name = ringtoneName(number);
        if (name != std::to_string(number))
            rules.ringtones.append({number, tools::fromCp1252(name)});
    }
    if (siemens) {
        rules.nameEditable = false;
        rules.ringingModes = modelId == 0 ? modes({kPlainRing, kRising, kSilent})
                                          : modes({kPlainRing, kSingleBeep, kRising, kSilent});
        rules.volumeHigh = 4;
        rules.nokiaSettings = false;
        rules.earpieceVolume = true;
        rules.vibration = modelId != 0;  // the S25 has none
        return rules;
    }
    const bool family7110 = family == ProfileFamily::Nokia7110;
    rules.ringingModes =
        family7110 ? modes({kPlainRing, kSingleBeep, kSilent, kRingOnce, kRising})
                   : modes({kPlainRing, kSingleBeep, kSilent, kRingOnce, kRising, kGroupRing});
    rules.allCallsGroup = family7110;
    rules.groupModeFallsBack = modelId == 10 || modelId == 11 || modelId == 15;
    return rules;
}

QList<ChoiceItem> ringtoneItems(const ProfileEditorRules& rules, const TProfile& values) {
    QList<ChoiceItem> items = rules.ringtones;
    const int32_t own = values.ringtoneNumber;
    if (own >= firstRingtone(rules) && own <= 0xFF && !listed(items, own)) {
        const QString name = values.ringtoneName.empty() ? QString::number(own)
                                                         : tools::fromCp1252(values.ringtoneName);
        const auto at =
            std::ranges::find_if(items, [&](const ChoiceItem& item) { return item.value > own; });
        items.insert(at - items.begin(), {own, name});
    }
    return items;
}

ProfileChoices choicesOf(const ProfileEditorRules& rules, const TProfile& values) {
    ProfileChoices c;
    c.name = tools::fromCp1252(values.name);
    if (listed(rules.ringingModes, values.ringingMode)) c.ringingMode = values.ringingMode;
    if (listed(ringtoneItems(rules, values), values.ringtoneNumber)) {
        c.ringtone = values.ringtoneNumber;
    }
    c.volume = within(values.volume, rules.volumeLow, rules.volumeHigh);
    c.vibration = switchOf(values.vibration);
    if (rules.earpieceVolume) {
        c.earpieceVolume = within(values.earpieceVolume, 0, kEarpieceHigh);
    }
    if (!rules.nokiaSettings) return c;
    c.keypadTones = within(values.keypadTones, 0, 3);
    c.messageTone = within(values.messageTone, 0, 4);
    c.warningTones = switchOf(values.warningTones);
    c.lights = switchOf(values.lights);
    c.automaticAnswer = switchOf(values.automaticAnswer);
    if (values.callerGroups == kAllCallerGroups) {
        c.allCalls = rules.allCallsGroup;
        if (!rules.allCallsGroup) c.groups.fill(true);
    } else if (values.callerGroups >= 0) {
        for (int group = 0; group < kEditorCallerGroups; ++group) {
            c.groups[group] = (values.callerGroups >> group) & 1;
        }
    }
    return c;
}

int32_t chosenRingingMode(const ProfileEditorRules& rules, int32_t mode) {
    return mode == kGroupRing && rules.groupModeFallsBack ? kPlainRing : mode;
}

bool volumeEnabled(const ProfileEditorRules& rules, const ProfileChoices& choices) {
    return !(rules.family == ProfileFamily::Siemens && choices.ringingMode == kRising);
}

bool groupsEnabled(const ProfileEditorRules& rules, const ProfileChoices& choices) {
    return rules.nokiaSettings && (rules.allCallsGroup || choices.ringingMode == kGroupRing);
}

QList<ProfileSetting> missingChoices(const ProfileEditorRules& rules, const ProfileChoices& choices,
                                     const TProfile& original) {
    QList<ProfileSetting> missing;
    if (!choices.ringingMode) missing << ProfileSetting::RingingMode;
    if (!choices.ringtone) missing << ProfileSetting::Ringtone;
    if (!choices.volume && volumeEnabled(rules, choices)) missing << ProfileSetting::Volume;
    if (rules.earpieceVolume && !choices.earpieceVolume) missing << ProfileSetting::EarpieceVolume;
    if (rules.vibration && !choices.vibration) missing << ProfileSetting::Vibration;
    if (!rules.nokiaSettings) return missing;
    if (!choices.keypadTones) missing << ProfileSetting::KeypadTones;
    if (!choices.messageTone) missing << ProfileSetting::MessageTone;
    if (!choices.warningTones) missing << ProfileSetting::WarningTones;
    if (!choices.lights) missing << ProfileSetting::Lights;
    if (!choices.automaticAnswer) missing << ProfileSetting::AutomaticAnswer;
    if (!choices.groupsChosen && original.callerGroups < 0) missing << ProfileSetting::CallerGroups;
    return missing;
}

TProfile valuesOf(const ProfileEditorRules& rules, const ProfileChoices& choices,
                  const TProfile& original) {
    TProfile p = original;
    if (rules.nameEditable) p.name = tools::toCp1252(choices.name);
    p.ringingMode = choices.ringingMode.value_or(original.ringingMode);
    p.ringtoneNumber = choices.ringtone.value_or(original.ringtoneNumber);
    p.volume = choices.volume.value_or(original.volume);
    p.vibration = fromSwitch(choices.vibration, original.vibration);
    if (rules.earpieceVolume && choices.earpieceVolume) {
        p.earpieceVolume = static_cast<uint16_t>(*choices.earpieceVolume);
    }
    if (!rules.nokiaSettings) return p;
    p.keypadTones = choices.keypadTones.value_or(original.keypadTones);
    p.messageTone = choices.messageTone.value_or(original.messageTone);
    p.warningTones = fromSwitch(choices.warningTones, original.warningTones);
    p.lights = fromSwitch(choices.lights, original.lights);
    p.automaticAnswer = fromSwitch(choices.automaticAnswer, original.automaticAnswer);
    if (choices.groupsChosen) {
        int32_t bits = 0;
        for (int group = 0; group < kEditorCallerGroups; ++group) {
            if (choices.groups[group]) bits |= 1 << group;
        }
        p.callerGroups = choices.allCalls ? kAllCallerGroups : bits;
    }
    return p;
}

}  // namespace corvina
