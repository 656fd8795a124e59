#include "corvina/profiles/profiletexts.h"

#include <QDateTime>

#include "codecs/tools/cp1252.h"
#include "corvina/common/textexport.h"
#include "corvina/language/language.h"
#include "corvina/profiles/profilebook.h"
#include "corvina/profiles/profilechoices.h"

namespace corvina {

namespace {

using phonelib::ProfileFamily;
using phonelib::ProfileSetting;

constexpr uint16_t kNotReported = 0xFFFF;

}  // namespace

QString unknownValueText() {
    return QStringLiteral("–");
}

QString ringingModeName(int32_t mode) {
    switch (mode) {
        case 0:
            return tx("profiledit_1", "Rufton");
        case 1:
            return tx("profiledit_5", "Ansteigend");
        case 2:
            return tx("profiledit_4", "Rufton 1x");
        case 3:
            return tx("profiledit_2", "Einzelton");
        case 4:
            return tx("profiledit_6", "Anrufergruppe");
        case 5:
            return tx("profiledit_3", "Aus");
        default:
            return unknownValueText();
    }
}

QString standardProfileName(int32_t index) {
    switch (index) {
        case 0:
            return tx("profiles3_1", "Allgemein");
        case 1:
            return tx("profiles3_2", "Lautlos");
        case 2:
            return tx("profiles3_3", "Leise");
        case 3:
            return tx("profiles3_4", "Laut");
        case 4:
            return tx("profiles3_5", "Privat");
        case 5:
            return tx("profiles3_6", "leer");
        case 6:
            return tx("profiles3_7", "Benutzerdef.");
        case 7:
            return tx("profiles3_8", "Kopfhörer");
        case 8:
            return tx("profiles3_9", "Auto");
        case 9:
            return tx("profiles3_10", "Besprechung");
        case 10:
            return tx("profiles3_11", "Draußen");
        case 11:
            return tx("profiles3_12", "Pager");
        default:
            return tx("profiles3_13", "Unbekannt");
    }
}

QString messageToneName(int32_t tone) {
    switch (tone) {
        case 0:
            return tx("profiles3_14", "Kein Ton");
        case 1:
            return tx("profiles3_15", "Standard");
        case 2:
            return tx("profiles3_16", "Spezial");
        case 3:
            return tx("profiledit_2", "Einzelton");
        case 4:
            return tx("profiledit_5", "Ansteigend");
        default:
            return unknownValueText();
    }
}

QString switchText(int32_t value) {
    if (value == 1) return tx("profiledit_10", "An");
    if (value == 0) return tx("profiledit_3", "Aus");
    return unknownValueText();
}

QString levelText(int32_t level) {
    if (level < 0) return unknownValueText();
    return tx("profiledit_14", "Stufe ") + QString::number(level);
}

QString earpieceText(uint16_t volume) {
    if (volume == kNotReported) return unknownValueText();
    return levelText(volume + 1);
}

QString profileName(const TProfile& profile) {
    if (!profile.name.empty()) return tools::fromCp1252(profile.name);
    const int32_t index =
        profile.standardNameIndex == kNotReported ? -1 : profile.standardNameIndex;
    return standardProfileName(index);
}

QString settingName(ProfileSetting setting) {
    switch (setting) {
        case ProfileSetting::KeypadTones:
            return tx("profiles3_17", "Tastentöne");
        case ProfileSetting::Lights:
            return tx("profiles3_18", "Licht");
        case ProfileSetting::RingingMode:
            return tx("profiles3_19", "Anrufsignalisierung");
        case ProfileSetting::Ringtone:
            return tx("profiles3_20", "Ruftontyp");
        case ProfileSetting::Volume:
            return tx("profiles3_21", "Lautstärke");
        case ProfileSetting::MessageTone:
            return tx("profiles3_22", "SMS-Ton");
        case ProfileSetting::Vibration:
            return tx("profiles3_23", "Vibration");
        case ProfileSetting::WarningTones:
            return tx("profiles3_24", "Warntöne");
        case ProfileSetting::CallerGroups:
            return tx("profiles3_25", "Rufgruppenfilter");
        case ProfileSetting::AutomaticAnswer:
            return tx("profiles3_26", "autom. Annahme");
        case ProfileSetting::EarpieceVolume:
            return tx("profiles_3", "Hörerlautstärke");
    }
    return {};
}

QString callerGroupsText(const TProfile& profile) {
    // Every group rings: the 61xx phones have no name of their own for it.
    if (profile.callerGroups == kAllCallerGroups) return tx("profiledit_8", "Alle Anrufe");
    return tools::fromCp1252(profile.callerGroupNames);
}

QStringList profileHeaders(ProfileFamily family) {
    QStringList headers = {tx("profiles3_27", "Nummer"), tx("profiles3_28", "Name"),
                           settingName(ProfileSetting::Ringtone),
                           settingName(ProfileSetting::Volume),
                           settingName(ProfileSetting::RingingMode)};
    if (family == ProfileFamily::Siemens) {
        return headers << settingName(ProfileSetting::EarpieceVolume)
                       << settingName(ProfileSetting::Vibration);
    }
    return headers << settingName(ProfileSetting::MessageTone)
                   << settingName(ProfileSetting::KeypadTones)
                   << settingName(ProfileSetting::WarningTones)
                   << settingName(ProfileSetting::Vibration) << settingName(ProfileSetting::Lights)
                   << settingName(ProfileSetting::AutomaticAnswer)
                   << settingName(ProfileSetting::CallerGroups);
}

QStringList profileRowTexts(ProfileFamily family, const ProfileRow& row) {
    const QString number = QString::number(row.number);
    if (!row.read()) return {number, tx("profiles3_29", "nicht gelesen")};
    const TProfile& p = row.profile;
    QStringList texts = {number, profileName(p), tools::fromCp1252(p.ringtoneName),
                         levelText(p.volume), ringingModeName(p.ringingMode)};
    if (family == ProfileFamily::Siemens) {
        return texts << earpieceText(p.earpieceVolume) << switchText(p.vibration);
    }
    return texts << messageToneName(p.messageTone) << levelText(p.keypadTones)
                 << switchText(p.warningTones) << switchText(p.vibration) << switchText(p.lights)
                 << switchText(p.automaticAnswer) << callerGroupsText(p);
}

QStringList profileListLines(const QString& phone, ProfileFamily family,
                             const std::vector<ProfileRow>& rows) {
    QList<QStringList> table = {profileHeaders(family)};
    for (const ProfileRow& row : rows) table << profileRowTexts(family, row);
    return QStringList{
               tx("profiles3_30", "Profile von ") + phone + QStringLiteral(", ") +
                   QDateTime::currentDateTime().toString(QStringLiteral("dd.MM.yyyy HH:mm")),
               QString()} +
           alignedColumns(table);
}

}  // namespace corvina
