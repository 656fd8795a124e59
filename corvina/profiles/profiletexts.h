// How profiles read in the profile list and the editor: the names of the
// ringing modes, standard profiles and message tones, levels and switches,
// one row per profile, and the list as a text file.
//
// A value the phone did not report (or reported with a code the program
// does not know) reads "–" everywhere.
#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

#include "phonelib/api/profilesettings.h"
#include "records/typendefinitionen.h"

namespace corvina {

struct ProfileRow;

QString unknownValueText();
QString ringingModeName(int32_t mode);
QString standardProfileName(int32_t index);
QString messageToneName(int32_t tone);
// "An", "Aus", or "–".
QString switchText(int32_t value);
// "Stufe n", or "–" below 0.
QString levelText(int32_t level);
// The earpiece volume shows as value + 1 (phone 0..4 as "Stufe 1".."Stufe 5");
// 65535 (not reported) as "–".
QString earpieceText(uint16_t volume);
// The profile's own name, or its standard name when the phone gives none.
QString profileName(const TProfile& profile);
// The groups whose calls ring, as the phone names them; "Alle Anrufe" for
// all groups.
QString callerGroupsText(const TProfile& profile);
// The name of a setting in messages ("Lautstärke", "Tastentöne", ...).
QString settingName(phonelib::ProfileSetting setting);

// Column headers of the list: twelve for Nokia phones, seven for Siemens.
QStringList profileHeaders(phonelib::ProfileFamily family);
// The row of a profile; a profile whose read failed shows its number and
// "nicht gelesen".
QStringList profileRowTexts(phonelib::ProfileFamily family, const ProfileRow& row);

// The list as text: a heading line with the phone, then the table.
QStringList profileListLines(const QString& phone, phonelib::ProfileFamily family,
                             const std::vector<ProfileRow>& rows);

}  // namespace corvina
