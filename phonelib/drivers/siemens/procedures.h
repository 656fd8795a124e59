// The driver-table procedures of the Siemens AT driver. Each sends its
// commands through the engine, waits on its group's flag and returns the
// last wait's value (1 done, 3 no answer, or a status byte).
#pragma once

#include <cstdint>
#include <string>

#include "records/typendefinitionen.h"

namespace phonelib::siemens {

// Identity, status, network, data rate.
uint8_t GetPhoneInfos(TPhoneInfo& info);
uint8_t GetPhoneStatus(TPhoneStatus& status);
uint8_t GetNetworkInfo(TNetWorkInfo& info);
uint8_t changeconnectionspeed(int32_t baud);

// Profiles and diverts.
uint8_t GetProfile(TProfile& profile);
uint8_t SetProfile(TProfile& profile);
uint8_t GetDiverts(TDivert& divert);
uint8_t SetDiverts(TDivert& divert);

// Phonebooks (SIM, phone memory, call lists) and the address book.
uint8_t ReadPhoneBookEntry(TPhoneBookEntry& entry);
uint8_t WritePhoneBookEntry(TPhoneBookEntry& entry);
uint8_t GetCapacity(TCapacity& capacity);

// Calendar.
uint8_t ReadCalendarEntry(TCalendarEntry& entry, int32_t location);
uint8_t WriteCalendarEntry(TCalendarEntry& entry);
uint8_t DeleteCalendarentry(int32_t location);
uint8_t getcalinfo(TCalendarInfo& info);

// Messages.
uint8_t GetSMS(uint8_t folder, int32_t location, GSMSMS& message);
uint8_t SendSMS(GSMSMS& message, const std::string& part, int32_t recipient, int32_t recipients);
uint8_t deletesms(uint8_t folder, int32_t location);
uint8_t GetSMSCenter(std::string& number);
uint8_t getsmsinfos(tsmsinfo& info);

// Logos and ringtones.
uint8_t GetBitmap(GSMBitmap& bitmap);
uint8_t Sendbitmap(GSMBitmap& bitmap);
uint8_t DeleteLogo(std::string& code, uint8_t logoKind);
uint8_t SendRingTone(std::string& fileName, uint8_t mode);

}  // namespace phonelib::siemens
