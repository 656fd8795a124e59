#include "phonelib/api/modelgroups.h"

#include <array>
#include <utility>

#include "phonelib/api/keepalive.h"
#include "phonelib/drivers/nokia61xx/messages.h"
#include "phonelib/drivers/nokia61xx/phonebook.h"
#include "phonelib/drivers/nokia61xx/procedures.h"
#include "phonelib/drivers/nokia7110/procedures.h"
#include "phonelib/drivers/siemens/atengine.h"

namespace phonelib {

std::optional<uint8_t> modelIdOfCode(const std::string& modelCode) {
    static const std::array<std::pair<const char*, uint8_t>, 29> kCodes = {{
        {"NSE-1", 15}, {"NSK-1", 15}, {"NSB-1", 15}, {"NSE-3", 14}, {"NSK-3", 14},
        {"NSB-3", 14}, {"NSM-1", 14}, {"NSE-8", 10}, {"NSK-9", 10}, {"NHM-5", 11},
        {"NHM-6", 12}, {"NPM-5", 13}, {"NHM-7", 18}, {"NSB-6", 16}, {"NSM-2", 16},
        {"NSE-6", 16}, {"NSM-3", 17}, {"NSE-5", 21}, {"NPE-3", 19}, {"NHM-3", 19},
        {"NPE-4", 20}, {"SLIK", 5},   {"SL45", 4},   {"S45", 8},    {"Siemens S40/S42 PnP", 9},
        {"S35i", 3},   {"M35i", 2},   {"C35i", 1},   {"S25", 0},
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
    } else {
        table.Dispatch = nokia::Dispatch;
        table.KeepAlive = keepalive::nokia61xx;
    }
    table.GetPhoneInfos =
        modelId == 14 || modelId == 15 ? nokia::GetPhoneInfos64 : nokia7110::GetPhoneInfos40;
    // Both families answer from the status mailbox; only what feeds it differs.
    table.GetPhoneStatus = nokia::GetPhoneStatus;
    table.GetNetworkInfo = nokia::GetNetworkInfo;
    table.getdate = nokia::getdate;
    // Sending and the message centre serve both families.
    table.SendSMS = nokia::SendSMS;
    table.GetSMSCenter = nokia::GetSMSCenter;
    if (!family7110) {
        table.ReadPhoneBookEntry = nokia::ReadPhoneBookEntry;
        table.WritePhoneBookEntry = nokia::WritePhoneBookEntry;
        table.GetCapacity = nokia::GetCapacity;
    }
    if (!family7110 && !mixed) {
        table.GetSMS = nokia::GetSMS;
        table.deletesms = nokia::deletesms;
        table.getsmsinfos = nokia::getsmsinfos;
    }
}

void installAtProcedures(DriverTable& table) {
    table.Dispatch = siemens::Dispatch;
    table.KeepAlive = keepalive::siemensAt;
}

}  // namespace phonelib
