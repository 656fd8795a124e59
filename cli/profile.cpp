// corvina-cli profile: list, show and change the phone's profiles.
//
// Values are those GetProfile reports: keypad 0-3, lights/vibration/
// autoanswer 0-1, mode 0-5 (Rufton, Ansteigend, Rufton 1x, Einzelton,
// Anrufergruppe, Aus), ringtone number, volume 1-5, messagetone 0-4, warning
// 0-1, groups bit set (255 all). "profile set" turns them back into the
// phone's codes (ProfilePhoneCodes, with the table of the phone's family),
// which SetProfile sends as they are.
//
// Siemens phones have one profile, the active one: mode 0 Rufton, 1 Aus,
// 3 Einzelton, 5 Lautlos, ringtone (from 1), volume 1-4, vibration 0-1 and
// the earpiece volume 0-4.
#include <algorithm>
#include <functional>

#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/output.h"
#include "phonelib/api/phonelib.h"
#include "phonelib/api/status.h"

namespace cli {

namespace {

constexpr const char* kUsage = "profile list | profile get N | profile set N schlüssel=wert ...";
constexpr int kMaxProfiles = 7;

const char* const kStandardNames[] = {"Allgemein", "Lautlos",     "Leise",        "Laut",
                                      "Privat",    "leer",        "Benutzerdef.", "Kopfhörer",
                                      "Auto",      "Besprechung", "Draußen",      "Pager"};
const char* const kRingingModes[] = {"Rufton",    "Ansteigend",    "Rufton 1x",
                                     "Einzelton", "Anrufergruppe", "Aus"};
const char* const kMessageTones[] = {"Kein Ton", "Standard", "Spezial", "Einzelton", "Ansteigend"};

std::string nameOf(const TProfile& profile) {
    if (!profile.name.empty()) return profile.name;
    const int index = profile.standardNameIndex == 0xFFFF ? -1 : profile.standardNameIndex;
    return cp1252(index >= 0 && index < 12 ? kStandardNames[index] : "Unbekannt");
}

std::string onOff(int32_t value) {
    return value == 1 ? "An" : value == 0 ? "Aus" : "-";
}

template <size_t N>
std::string named(const char* const (&names)[N], int32_t value) {
    return value >= 0 && static_cast<size_t>(value) < N ? cp1252(names[value]) : "-";
}

// One feature: its key, the setting it is, and how it reads.
struct Feature {
    const char* key;
    phonelib::ProfileSetting setting;
    int32_t TProfile::*field;
    std::function<std::string(const TProfile&)> text;
};

std::string level(int32_t value) {
    return value < 0 ? "-" : "Stufe " + std::to_string(value);
}

const std::vector<Feature>& features() {
    using S = phonelib::ProfileSetting;
    static const std::vector<Feature> list = {
        {"keypad", S::KeypadTones, &TProfile::keypadTones,
         [](const TProfile& p) { return level(p.keypadTones); }},
        {"lights", S::Lights, &TProfile::lights, [](const TProfile& p) { return onOff(p.lights); }},
        {"mode", S::RingingMode, &TProfile::ringingMode,
         [](const TProfile& p) { return named(kRingingModes, p.ringingMode); }},
        {"ringtone", S::Ringtone, &TProfile::ringtoneNumber,
         [](const TProfile& p) { return p.ringtoneName; }},
        {"volume", S::Volume, &TProfile::volume, [](const TProfile& p) { return level(p.volume); }},
        {"messagetone", S::MessageTone, &TProfile::messageTone,
         [](const TProfile& p) { return named(kMessageTones, p.messageTone); }},
        {"vibration", S::Vibration, &TProfile::vibration,
         [](const TProfile& p) { return onOff(p.vibration); }},
        {"warning", S::WarningTones, &TProfile::warningTones,
         [](const TProfile& p) { return onOff(p.warningTones); }},
        {"groups", S::CallerGroups, &TProfile::callerGroups,
         [](const TProfile& p) { return p.callerGroupNames; }},
        {"autoanswer", S::AutomaticAnswer, &TProfile::automaticAnswer,
         [](const TProfile& p) { return onOff(p.automaticAnswer); }},
    };
    return list;
}

const char* siemensMode(int32_t mode) {
    switch (mode) {
        case 0:
            return "Rufton";
        case 1:
            return "Aus";
        case 3:
            return "Einzelton";
        case 5:
            return "Lautlos";
        default:
            return "-";
    }
}

const std::vector<Feature>& siemensFeatures() {
    using S = phonelib::ProfileSetting;
    static const std::vector<Feature> list = {
        {"mode", S::RingingMode, &TProfile::ringingMode,
         [](const TProfile& p) { return std::string(siemensMode(p.ringingMode)); }},
        {"ringtone", S::Ringtone, &TProfile::ringtoneNumber,
         [](const TProfile& p) { return p.ringtoneName; }},
        {"volume", S::Volume, &TProfile::volume, [](const TProfile& p) { return level(p.volume); }},
        {"vibration", S::Vibration, &TProfile::vibration,
         [](const TProfile& p) { return onOff(p.vibration); }},
    };
    return list;
}

uint8_t readProfile(int number, TProfile& profile) {
    profile = TProfile{};
    profile.profileNumber = number;
    return phonelib::GetProfile(profile);
}

void printProfile(const TProfile& profile, bool at) {
    printRecord({"number", std::to_string(profile.profileNumber)});
    printRecord({"name", at ? "Allgemein" : nameOf(profile)});
    for (const Feature& feature : at ? siemensFeatures() : features()) {
        printRecord({feature.key, std::to_string(profile.*feature.field), feature.text(profile)});
    }
    if (at) {
        printRecord(
            {"earpiece", std::to_string(profile.earpieceVolume), level(profile.earpieceVolume)});
    }
}

int setProfile(int number, const QStringList& assignments, bool at) {
    const auto& list = at ? siemensFeatures() : features();
    TProfile profile;
    const uint8_t read = readProfile(number, profile);
    if (read != phonelib::stDone) return failed("Profil nicht gelesen", read);
    for (const QString& assignment : assignments) {
        const qsizetype equals = assignment.indexOf(QLatin1Char('='));
        const QString key = assignment.left(equals);
        const QString value = assignment.mid(equals + 1);
        if (equals <= 0) return usageError(kUsage);
        if (key == "name" && !at) {
            profile.name = phoneText(value);
            continue;
        }
        if (key == "earpiece" && at) {
            const auto volume = numberArgument(value, "earpiece", 0, 4);
            if (!volume) return 2;
            profile.earpieceVolume = static_cast<uint16_t>(*volume);
            continue;
        }
        const auto feature = std::ranges::find_if(
            list, [&](const Feature& f) { return key == QLatin1String(f.key); });
        if (feature == list.end()) {
            printError("Unbekannter Schlüssel: " + key.toStdString());
            return 2;
        }
        const auto given = numberArgument(value, feature->key, -1, 255);
        if (!given) return 2;
        profile.*feature->field = *given;
    }
    // SetProfile takes the phone's codes.
    TProfile codes;
    if (const auto uncoded =
            phonelib::ProfilePhoneCodes(phonelib::GetProfileFamily(), profile, codes)) {
        const auto feature = std::ranges::find(list, *uncoded, &Feature::setting);
        const std::string key = feature != list.end() ? feature->key : "earpiece";
        const int32_t value =
            feature != list.end() ? profile.*feature->field : profile.earpieceVolume;
        printError("Wert für " + key + " ungültig oder unbekannt: " + std::to_string(value) +
                   "; bitte angeben.");
        return 2;
    }
    const uint8_t status = phonelib::SetProfile(codes);
    if (status != phonelib::stDone) return failed("Profil nicht geschrieben", status);
    TProfile written;
    if (readProfile(number, written) == phonelib::stDone) printProfile(written, at);
    return 0;
}

}  // namespace

int profile(Session& session, const QStringList& arguments) {
    const bool at = session.speaksAt();
    const QString action = arguments.value(0);
    if (action == "list" && arguments.size() == 1) {
        for (int number = 0; number < kMaxProfiles; ++number) {
            TProfile profile;
            const uint8_t status = readProfile(number, profile);
            if (status == phonelib::stNotAvailable) break;
            if (status != phonelib::stDone) {
                // A phone with fewer profiles refuses the first it lacks;
                // a lost link is no end of the list.
                if (number == 0 || status == phonelib::stNotConnected) {
                    return failed("Profile nicht gelesen", status);
                }
                break;
            }
            printRecord(
                {std::to_string(number), at ? "Allgemein" : nameOf(profile),
                 at ? siemensMode(profile.ringingMode) : named(kRingingModes, profile.ringingMode),
                 profile.ringtoneName, level(profile.volume)});
        }
        return 0;
    }
    if ((action != "get" && action != "set") || arguments.size() < 2) return usageError(kUsage);
    const auto number = numberArgument(arguments[1], "Die Profilnummer", 0, kMaxProfiles - 1);
    if (!number) return 2;
    if (action == "set") return setProfile(*number, arguments.mid(2), at);
    TProfile profile;
    const uint8_t status = readProfile(*number, profile);
    if (status != phonelib::stDone) return failed("Profil nicht gelesen", status);
    printProfile(profile, at);
    return 0;
}

}  // namespace cli
