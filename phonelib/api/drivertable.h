// The procedure slots through which the exports reach the driver of the
// connected phone family. Connection set-up fills them per model; a slot that
// no driver fills stays empty and its export answers "not available".
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "records/typendefinitionen.h"

namespace phonelib {

struct DriverTable {
    // Slot 0: runs once per complete FBUS message (with its type) or AT line.
    std::function<void(uint8_t messageType)> Dispatch;
    std::function<uint8_t(TPhoneInfo&)> GetPhoneInfos;
    std::function<uint8_t(int32_t baud)> changeconnectionspeed;
    std::function<uint8_t(GSMBitmap&)> Sendbitmap;
    std::function<uint8_t(GSMBitmap&)> GetBitmap;
    std::function<uint8_t(std::string& toneData, uint8_t mode)> SendRingTone;
    std::function<uint8_t(std::string& code, uint8_t logoKind)> DeleteLogo;
    std::function<uint8_t(TPhoneBookEntry&)> ReadPhoneBookEntry;
    std::function<uint8_t(TPhoneBookEntry&)> WritePhoneBookEntry;
    std::function<uint8_t(TCapacity&)> GetCapacity;
    std::function<uint8_t(TCalendarEntry&, int32_t location)> ReadCalendarEntry;
    std::function<uint8_t(TCalendarInfo&)> getcalinfo;
    std::function<uint8_t(TCalendarEntry&)> WriteCalendarEntry;
    std::function<uint8_t(int32_t location)> DeleteCalendarentry;
    std::function<uint8_t(uint8_t folder, int32_t location, GSMSMS&)> GetSMS;
    // The message, the part text "01", recipient index (from 1) and count.
    std::function<uint8_t(GSMSMS&, const std::string& part, int32_t recipient, int32_t recipients)>
        SendSMS;
    std::function<uint8_t(uint8_t folder, int32_t location)> deletesms;
    std::function<uint8_t(std::string& number)> GetSMSCenter;
    std::function<uint8_t(tsmsinfo&)> getsmsinfos;
    std::function<uint8_t(uint8_t folder, int32_t location, GSMSMS&)> writesms;
    std::function<void()> reserved20;  // no export reaches it
    std::function<uint8_t(TProfile&)> GetProfile;
    std::function<uint8_t(TProfile&)> SetProfile;
    std::function<uint8_t(TPhoneStatus&)> GetPhoneStatus;
    std::function<uint8_t(TNetWorkInfo&)> GetNetworkInfo;
    std::function<uint8_t(TDivert&)> GetDiverts;
    std::function<uint8_t(TDivert&)> SetDiverts;
    std::function<uint8_t(TDateTimeRec&)> getdate;
    std::function<uint8_t(TWap&)> WriteWAPlink;
    std::function<uint8_t(TWap&)> GetWAPlink;
    // Slot 30: runs on every tick after the tick counter has advanced.
    std::function<void()> KeepAlive;
    // Not a slot of its own: sends the family's keep-alive request once. The
    // link watch uses it to probe a phone whose transfer has gone silent;
    // whoever installs a keep-alive installs its probe with it.
    std::function<void()> KeepAliveProbe;
};

}  // namespace phonelib
