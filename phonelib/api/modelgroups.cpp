#include "phonelib/api/modelgroups.h"

#include <array>
#include <utility>

#include "phonelib/api/keepalive.h"
#include "phonelib/api/loadtimeslots.h"
#include "phonelib/drivers/nokia61xx/calendar.h"
#include "phonelib/drivers/nokia61xx/diverts.h"
#include "phonelib/drivers/nokia61xx/logos.h"
#include "phonelib/drivers/nokia61xx/messages.h"
#include "phonelib/drivers/nokia61xx/phonebook.h"
#include "phonelib/drivers/nokia61xx/procedures.h"
#include "phonelib/drivers/nokia61xx/profiles.h"
#include "phonelib/drivers/nokia7110/procedures.h"
#include "phonelib/drivers/nokia7110/wap.h"
#include "phonelib/drivers/siemens/atengine.h"
#include "phonelib/drivers/siemens/procedures.h"

namespace phonelib {

std::optional<uint8_t> modelIdOfCode(const std::string& modelCode) {
    // ME45 and C45 take the numbers the program gives them.
    static const std::array<std::pair<const char*, uint8_t>, 31> kCodes = {{
        {"NSE-1", 15}, {"NSK-1", 15}, {"NSB-1", 15}, {"NSE-3", 14}, {"NSK-3", 14},
        {"NSB-3", 14}, {"NSM-1", 14}, {"NSE-8", 10}, {"NSK-9", 10}, {"NHM-5", 11},
        {"NHM-6", 12}, {"NPM-5", 13}, {"NHM-7", 18}, {"NSB-6", 16}, {"NSM-2", 16},
        {"NSE-6", 16}, {"NSM-3", 17}, {"NSE-5", 21}, {"NPE-3", 19}, {"NHM-3", 19},
        {"NPE-4", 20}, {"SLIK", 5},   {"SL45", 4},   {"S45", 8},    {"Siemens S40/S42 PnP", 9},
        {"S35i", 3},   {"M35i", 2},   {"C35i", 1},   {"S25", 0},    {"ME45", 6},
        {"C45", 7},
    }};
    for (const auto& [code, id] : kCodes) {
        if (modelCode == code) return id;
    }
    return std::nullopt;
}

void installNokiaProcedures(DriverTable& table, uint8_t modelId) {
    const bool family7110 = modelId >= 19 && modelId <= 21;
    const bool mixed = modelId == 18;

    if (family7110 || mixed) {
        table.Dispatch = nokia7110::Dispatch;
        table.KeepAlive = keepalive::nokia7110;
        table.KeepAliveProbe = keepalive::pingNokia7110;
    } else {
        table.Dispatch = nokia::Dispatch;
        table.KeepAlive = keepalive::nokia61xx;
        table.KeepAliveProbe = keepalive::pingNokia61xx;
    }
    table.GetPhoneInfos =
        modelId == 14 || modelId == 15 ? nokia::GetPhoneInfos64 : nokia7110::GetPhoneInfos40;
    // Both families answer from the status mailbox; only what feeds it differs.
    table.GetPhoneStatus = nokia::GetPhoneStatus;
    table.GetNetworkInfo = nokia::GetNetworkInfo;
    table.getdate = nokia::getdate;
    // Phonebook, messages, logos, ringtones, profiles, calendar, diverts and
    // WAP bookmarks. Every slot is set here, to this family's procedure or
    // to none: the 7110 family's own phonebook, message, logo, ringtone,
    // profile and calendar procedures are not built yet, so those slots stay
    // empty and getcalinfo keeps its default.
    const bool phonebook61xx = !family7110;
    const bool settings61xx = !family7110 && !mixed;
    const bool type12Ringtones = modelId >= 14 && modelId <= 17;
    table.ReadPhoneBookEntry = phonebook61xx ? nokia::ReadPhoneBookEntry : nullptr;
    table.WritePhoneBookEntry = phonebook61xx ? nokia::WritePhoneBookEntry : nullptr;
    table.GetCapacity = phonebook61xx ? nokia::GetCapacity : nullptr;
    table.GetSMS = settings61xx ? nokia::GetSMS : nullptr;
    table.deletesms = settings61xx ? nokia::deletesms : nullptr;
    table.getsmsinfos = settings61xx ? nokia::getsmsinfos : nullptr;
    table.SendSMS = nokia::SendSMS;  // sending and the message centre serve both families
    table.GetSMSCenter = nokia::GetSMSCenter;
    table.Sendbitmap = phonebook61xx ? nokia::Sendbitmap : nullptr;
    table.GetBitmap = phonebook61xx ? nokia::GetBitmap : nullptr;
    table.DeleteLogo = phonebook61xx ? nokia::DeleteLogo : nullptr;
    table.SendRingTone = !phonebook61xx   ? nullptr
                         : type12Ringtones ? nokia::SendRingTone12
                                           : nokia::SendRingTone05;
    table.GetProfile = settings61xx ? nokia::GetProfile : nullptr;
    table.SetProfile = settings61xx ? nokia::SetProfile : nullptr;
    table.ReadCalendarEntry = settings61xx ? nokia::ReadCalendarEntry : nullptr;
    table.WriteCalendarEntry = settings61xx ? nokia::WriteCalendarEntry : nullptr;
    table.DeleteCalendarentry = settings61xx ? nokia::DeleteCalendarentry : nullptr;
    table.getcalinfo = settings61xx ? nokia::getcalinfo : loadtime::getcalinfo;
    table.GetDiverts = nokia::GetDiverts;
    table.SetDiverts = nokia::SetDiverts;
    table.GetWAPlink = nokia7110::GetWAPlink;
    table.WriteWAPlink = nokia7110::WriteWAPlink;
}

void installAtProcedures(DriverTable& table) {
    using namespace siemens;
    table.Dispatch = Dispatch;
    table.KeepAlive = keepalive::siemensAt;
    table.KeepAliveProbe = keepalive::pingSiemensAt;
    table.GetPhoneInfos = GetPhoneInfos;
    table.GetPhoneStatus = GetPhoneStatus;
    table.GetNetworkInfo = GetNetworkInfo;
    table.changeconnectionspeed = changeconnectionspeed;
    table.GetProfile = GetProfile;
    table.SetProfile = SetProfile;
    table.GetDiverts = GetDiverts;
    table.SetDiverts = SetDiverts;
    table.ReadPhoneBookEntry = ReadPhoneBookEntry;
    table.WritePhoneBookEntry = WritePhoneBookEntry;
    table.GetCapacity = GetCapacity;
    table.ReadCalendarEntry = ReadCalendarEntry;
    table.WriteCalendarEntry = WriteCalendarEntry;
    table.DeleteCalendarentry = DeleteCalendarentry;
    table.getcalinfo = getcalinfo;
    table.GetSMS = GetSMS;
    table.SendSMS = SendSMS;
    table.deletesms = deletesms;
    table.GetSMSCenter = GetSMSCenter;
    table.getsmsinfos = getsmsinfos;
    table.GetBitmap = GetBitmap;
    table.Sendbitmap = Sendbitmap;
    table.DeleteLogo = DeleteLogo;
    table.SendRingTone = SendRingTone;
    // No date query, no message writing and no WAP bookmarks over AT: those
    // slots stay empty and their exports answer "not available".
}

}  // namespace phonelib
