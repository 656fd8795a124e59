// The exported phone operations: each is a guarded or an unguarded wrapper
// around its driver slot, plus the extra work some of them do.
#include "codecs/tools/gsmtext.h"
#include "codecs/tools/phonenumbers.h"
#include "phonelib/api/phonelib.h"
#include "phonelib/api/wrappers.h"
#include "phonelib/transport/commportdriver.h"
#include "phonelib/transport/infraredlink.h"

namespace phonelib {

using wrap::guarded;
using wrap::unguarded;

void GetModelName(uint8_t& modelId) {
    modelId = lib().state.ModelId;
}

std::string GetModelCode() {
    std::string code;
    lib().runJob([&] { code = lib().state.ModelCode; });
    return code;
}

void detachHost(QObject* host) {
    lib().detachHost(host);
}

void setping(bool allow) {
    lib().state.Busy = !allow;
}

uint8_t changeconnectionspeed(int32_t baud) {
    return guarded(&DriverTable::changeconnectionspeed, baud);
}

uint8_t GetPhoneInfos(TPhoneInfo& info) {
    return guarded(&DriverTable::GetPhoneInfos, info);
}

uint8_t GetPhoneStatus(TPhoneStatus& status) {
    return guarded(&DriverTable::GetPhoneStatus, status);
}

uint8_t GetNetworkInfo(TNetWorkInfo& info) {
    return guarded(&DriverTable::GetNetworkInfo, info);
}

uint8_t getdate(TDateTimeRec& dateTime) {
    return unguarded(&DriverTable::getdate, dateTime);
}

uint8_t ReadPhoneBookEntry(TPhoneBookEntry& entry) {
    return guarded(&DriverTable::ReadPhoneBookEntry, entry);
}

uint8_t WritePhoneBookEntry(const TPhoneBookEntry& entry) {
    TPhoneBookEntry copy = entry;
    // The drivers always write a first number, empty if need be.
    if (copy.numberCount == 0) copy.numbers = {TNumberItem{}};
    return guarded(&DriverTable::WritePhoneBookEntry, copy);
}

uint8_t GetCapacity(TCapacity& capacity) {
    return lib().call([&] {
        if (!lib().state.Connected) return uint8_t{stNotConnected};
        uint8_t result = stNoAnswer;
        for (int attempt = 0; attempt < 3; ++attempt) {
            capacity.used = capacity.free = capacity.total = 0;
            result = wrap::callSlot(&DriverTable::GetCapacity, capacity);
            if (result == stDone || result == stNotAvailable || result == stNotConnected) break;
        }
        // Only a phone that reports both counts has a total.
        if (capacity.used != -1 && capacity.free != -1)
            capacity.total = capacity.used + capacity.free;
        return result;
    });
}

uint8_t DownloadGroupnames() {
    return lib().call([] {
        // Siemens S25, C35i, M35i and S35i have no caller groups.
        if (lib().state.ModelId < 4) return uint8_t{stNotAvailable};
        uint8_t result = stDone;
        for (int group = 0; group <= 5; ++group) {
            TPhoneBookEntry entry;
            entry.memory = memCallerGroups;
            entry.location = group;
            const uint8_t status = ReadPhoneBookEntry(entry);
            if (status != stDone) result = status;
            lib().groupNames.setName(group,
                                     entry.name.empty() ? defaultGroupName(group) : entry.name);
        }
        return result;
    });
}

void GetGroupname(int32_t index, std::string& name) {
    name = lib().groupNames.name(index);
}

int32_t GetGroupIndex(const std::string& name) {
    return lib().groupNames.index(name);
}

void setdefaultgsm_groupnames(const std::vector<std::string>& names) {
    lib().groupNames.setDefaults(names);
}

uint8_t GetSMS(uint8_t folder, int32_t location, GSMSMS& message) {
    return lib().call([&] {
        const uint8_t result = wrap::callSlot(&DriverTable::GetSMS, folder, location, message);
        tools::gsmtolatin(message.text);
        return result;
    });
}

uint8_t SendSMS(const GSMSMS& message, int32_t recipientIndex, int32_t recipientCount) {
    GSMSMS copy = message;
    if (copy.smartKind == skText) tools::latintogsm(copy.text);
    const std::string firstPart = "01";
    return unguarded(&DriverTable::SendSMS, copy, firstPart, recipientIndex, recipientCount);
}

uint8_t writesms(uint8_t folder, int32_t location, const GSMSMS& message) {
    GSMSMS copy = message;
    return unguarded(&DriverTable::writesms, folder, location, copy);
}

uint8_t deletesms(uint8_t folder, int32_t location) {
    return unguarded(&DriverTable::deletesms, folder, location);
}

uint8_t GetSMSCenter(std::string& number) {
    return unguarded(&DriverTable::GetSMSCenter, number);
}

uint8_t getsmsinfos(tsmsinfo& info) {
    return unguarded(&DriverTable::getsmsinfos, info);
}

void setdefault_foldernames(const std::string& first, const std::string& second) {
    lib().groupNames.setFolderNames(first, second);
}

uint8_t Sendbitmap(const GSMBitmap& bitmap) {
    GSMBitmap copy = bitmap;
    copy.networkCode = tools::makenetcode(bitmap.networkCode);
    return guarded(&DriverTable::Sendbitmap, copy);
}

uint8_t GetBitmap(GSMBitmap& bitmap) {
    return guarded(&DriverTable::GetBitmap, bitmap);
}

uint8_t DeleteLogo(const std::string& code, uint8_t logoKind) {
    std::string copy = code;
    return guarded(&DriverTable::DeleteLogo, copy, logoKind);
}

uint8_t SendRingTone(const std::string& toneData, uint8_t mode) {
    std::string copy = toneData;
    return guarded(&DriverTable::SendRingTone, copy, mode);
}

uint8_t ReadCalendarEntry(TCalendarEntry& entry, int32_t location) {
    return unguarded(&DriverTable::ReadCalendarEntry, entry, location);
}

uint8_t getcalinfo(TCalendarInfo& info) {
    return unguarded(&DriverTable::getcalinfo, info);
}

uint8_t WriteCalendarEntry(const TCalendarEntry& entry) {
    TCalendarEntry copy = entry;
    return unguarded(&DriverTable::WriteCalendarEntry, copy);
}

uint8_t DeleteCalendarentry(int32_t location) {
    return unguarded(&DriverTable::DeleteCalendarentry, location);
}

uint8_t GetProfile(TProfile& profile) {
    return guarded(&DriverTable::GetProfile, profile);
}

uint8_t SetProfile(const TProfile& profile) {
    TProfile copy = profile;
    return guarded(&DriverTable::SetProfile, copy);
}

void GetProfileCallerGroupnames(int32_t groupMask, uint8_t modelId, std::string& text) {
    text = lib().groupNames.callerGroupNames(groupMask, modelId);
}

uint8_t GetDiverts(TDivert& divert) {
    return guarded(&DriverTable::GetDiverts, divert);
}

uint8_t SetDiverts(const TDivert& divert) {
    TDivert copy = divert;
    return guarded(&DriverTable::SetDiverts, copy);
}

uint8_t GetWAPlink(TWap& bookmarks) {
    return guarded(&DriverTable::GetWAPlink, bookmarks);
}

uint8_t WriteWAPlink(TWap& bookmarks) {
    return guarded(&DriverTable::WriteWAPlink, bookmarks);
}

void setTickPeriod(int milliseconds) {
    lib().setTickPeriod(milliseconds);
}

PortOpenError GetPortOpenError(std::string& detail) {
    PortOpenError error = PortOpenError::None;
    lib().runJob([&] {
        auto& library = lib();
        const uint8_t kind = library.state.ConnectionKind;
        if (kind == ckAtInfrared || kind == ckFbusInfrared) {
            error = library.infrared().lastOpenError();
            detail = library.infrared().lastOpenErrorText();
        } else {
            error = library.serialPort().lastOpenError();
            detail = library.serialPort().lastOpenErrorText();
        }
    });
    return error;
}

FrameStatistics GetFrameStatistics() {
    FrameStatistics statistics;
    lib().runJob([&] {
        statistics.badChecksumFrames = lib().fbusAssembler.badChecksumFrames();
        statistics.oversizeMessages = lib().fbusAssembler.oversizeMessages();
        statistics.repeatedFrames = lib().fbusAssembler.repeatedFrames();
        statistics.bytesSent = lib().serialPort().bytesWritten();
        statistics.bytesReceived = lib().serialPort().bytesRead();
    });
    return statistics;
}

}  // namespace phonelib
