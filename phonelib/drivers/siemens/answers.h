// Pure readers of single AT answer lines. Each takes the line as the phone
// sent it and never reads past its end; a field that is missing or not a
// number leaves the target as it was (or gives nothing).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "records/typendefinitionen.h"

namespace phonelib::siemens {

// The leading decimal digits of the text from `from` on (blanks before them
// skipped); nothing when there are none or they do not fit an int.
std::optional<int> numberAt(std::string_view text, size_t from);

// "+CBC: 0,80": the percentage after the first 8 characters, divided by 25
// (at most 4).
void readBattery(std::string_view line, TPhoneStatus& status);
// "+CSQ: 17,99": the first number; 0 gives level 1, 1 gives 2, 2..31 give 3,
// 32 and above (99: no reading) give 4.
void readSignal(std::string_view line, TPhoneStatus& status);
// "+CREG: 2,1,"1A2B","3C4D"": area code at characters 13-16, cell at 20-23;
// the S25 answers without quotes ("+CREG: 2,1,1A2B,3C4D"): 12-15 and 17-20.
void readRegistration(std::string_view line, bool s25, TNetWorkInfo& network);
// "+COPS: 0,0,"D1-TELEKOM"": everything after the first 11 characters, the
// quotes included, as the operator's name.
void readOperator(std::string_view line, TNetWorkInfo& network);

// "+CCFC: 1,1,"+49301234",145,,,20": active when the 8th character is 1; the
// number between the quotes; the delay from the time field (the seventh)
// when there is one. An inactive divert keeps no number and no delay.
void readDivert(std::string_view line, TDivert& divert);

// Profile answers; each finds its line by the key it contains.
// "^SRTC: 3,2": ringtone number + 1 and volume (1..4, else -1 and ringing
// mode 1); the name comes from the ringtone table of the model.
void readRingtoneSetting(std::string_view line, const std::string& modelCode, TProfile& profile);
// "^SRTC: (0-41),(0-4)": the two characters after the first 10.
void readRingtoneCount(std::string_view line, TProfile& profile);
// "^SNFV: 3": the earpiece volume 0..4, else 65535.
void readEarpieceVolume(std::string_view line, TProfile& profile);
// "+CALM: 2": ringing mode 3 for 2 (silent), 5 for 1.
void readAlertMode(std::string_view line, TProfile& profile);
// "+CVIB: 1".
void readVibration(std::string_view line, TProfile& profile);

// "+CPBR: 3,"+4930123456",145,"Anna"": number between the first two quotes,
// name (GSM codes, mapped to Windows-1252) after the third quote without the
// closing one.
void readPhonebookLine(std::string_view line, TPhoneBookEntry& entry);

// "(1-250)", "(0)", "1-5": the count of a range a-b (b - a + 1) or the
// single value; nothing when the text holds no number.
std::optional<int> rangeCount(std::string_view text);
// "+CPBR: (1-250),20,14": the highest index.
std::optional<int> highestIndex(std::string_view line);

// "+CSCA: "+491722270333",145": the number without its quotes; empty when
// the phone has none.
std::string readServiceCentre(std::string_view line);

// "+CMGR: 1,,23": the storage status (0 unread, 1 read, 2 unsent, 3 sent);
// 0 when it is not a number.
int storageStatus(std::string_view line);

}  // namespace phonelib::siemens
