// The exported functions of the phone library.
//
// Phone operations return a status byte (phonelib/api/status.h). Records
// passed by reference are filled in place; records passed as const
// reference are copied by the library, which may change its copy freely.
// Every function may be called from any thread, one call at a time; see
// Library::runJob for how a call waits.
#pragma once

#include <QImage>
#include <QObject>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "phonelib/api/export.h"
#include "phonelib/api/porterror.h"
#include "phonelib/api/profilesettings.h"
#include "records/typendefinitionen.h"

class QPainter;

namespace phonelib {

// --- Connection and identity -------------------------------------------------

// Connects to a phone: host receives the notifications, port is a device
// path (for infrared the id of a device in range, empty for the first one),
// kind a ConnectionKind, baud used by AT cables only (0 = 19200).
PHONELIB_EXPORT uint8_t initport(QObject* host, const std::string& port, uint8_t kind,
                                 int32_t baud);
PHONELIB_EXPORT uint8_t changeconnectionspeed(int32_t baud);
// Stops notifications to this host object (if it is the current one); once
// it returns, the object may be destroyed.
PHONELIB_EXPORT void detachHost(QObject* host);
PHONELIB_EXPORT void GetModelName(uint8_t& modelId);
// The model code the phone reported at the last set-up, also when it named
// no known model (initport then answered 2).
PHONELIB_EXPORT std::string GetModelCode();
// false holds the keep-alive off, true releases it.
PHONELIB_EXPORT void setping(bool allow);
PHONELIB_EXPORT uint8_t GetPhoneInfos(TPhoneInfo& info);
PHONELIB_EXPORT uint8_t GetPhoneStatus(TPhoneStatus& status);
PHONELIB_EXPORT uint8_t GetNetworkInfo(TNetWorkInfo& info);
PHONELIB_EXPORT uint8_t getdate(TDateTimeRec& dateTime);
// A tone on the phone's buzzer (Nokia): frequency in Hz, duration in ms.
PHONELIB_EXPORT void Peep(int32_t frequency, int32_t duration);

// --- Phonebook -------------------------------------------------------------------

PHONELIB_EXPORT uint8_t ReadPhoneBookEntry(TPhoneBookEntry& entry);
PHONELIB_EXPORT uint8_t WritePhoneBookEntry(const TPhoneBookEntry& entry);
PHONELIB_EXPORT uint8_t GetCapacity(TCapacity& capacity);
PHONELIB_EXPORT uint8_t DownloadGroupnames();
PHONELIB_EXPORT void GetGroupname(int32_t index, std::string& name);
PHONELIB_EXPORT int32_t GetGroupIndex(const std::string& name);
PHONELIB_EXPORT void setdefaultgsm_groupnames(const std::vector<std::string>& names);

// --- Messages --------------------------------------------------------------------

PHONELIB_EXPORT uint8_t GetSMS(uint8_t folder, int32_t location, GSMSMS& message);
// recipientIndex counts from 1; both are reported back in the progress
// notifications.
PHONELIB_EXPORT uint8_t SendSMS(const GSMSMS& message, int32_t recipientIndex,
                                int32_t recipientCount);
PHONELIB_EXPORT uint8_t writesms(uint8_t folder, int32_t location, const GSMSMS& message);
PHONELIB_EXPORT uint8_t deletesms(uint8_t folder, int32_t location);
PHONELIB_EXPORT uint8_t GetSMSCenter(std::string& number);
PHONELIB_EXPORT uint8_t getsmsinfos(tsmsinfo& info);
PHONELIB_EXPORT void setdefault_foldernames(const std::string& first, const std::string& second);

// --- Logos and ringtones ---------------------------------------------------------

PHONELIB_EXPORT uint8_t Sendbitmap(const GSMBitmap& bitmap);
PHONELIB_EXPORT uint8_t GetBitmap(GSMBitmap& bitmap);
PHONELIB_EXPORT uint8_t DeleteLogo(const std::string& code, uint8_t logoKind);
PHONELIB_EXPORT uint8_t SendRingTone(const std::string& toneData, uint8_t mode);

// --- Calendar ----------------------------------------------------------------------

PHONELIB_EXPORT uint8_t ReadCalendarEntry(TCalendarEntry& entry, int32_t location);
PHONELIB_EXPORT uint8_t getcalinfo(TCalendarInfo& info);
PHONELIB_EXPORT uint8_t WriteCalendarEntry(const TCalendarEntry& entry);
PHONELIB_EXPORT uint8_t DeleteCalendarentry(int32_t location);

// --- Settings --------------------------------------------------------------------

PHONELIB_EXPORT uint8_t GetProfile(TProfile& profile);
// Writes the profile's phone codes (see ProfilePhoneCodes). A Nokia phone
// gets the name and then every feature, also after one went unanswered; the
// result is then 3 (no answer), not the last feature's.
PHONELIB_EXPORT uint8_t SetProfile(const TProfile& profile);
PHONELIB_EXPORT void GetProfileCallerGroupnames(int32_t groupMask, uint8_t modelId,
                                                std::string& text);
// The code table of the connected phone's profiles; ProfileFamily::None
// while no phone is connected.
PHONELIB_EXPORT ProfileFamily GetProfileFamily();
// Turns a profile's values, as GetProfile reports them, into the phone's
// codes that SetProfile sends, with the family's table. Nothing when every
// setting the family writes has a code; otherwise the first setting whose
// value has none (a value the phone did not report, or one it cannot take):
// then `codes` is incomplete and must not be written.
PHONELIB_EXPORT std::optional<ProfileSetting> ProfilePhoneCodes(ProfileFamily family,
                                                                const TProfile& values,
                                                                TProfile& codes);
PHONELIB_EXPORT uint8_t GetDiverts(TDivert& divert);
PHONELIB_EXPORT uint8_t SetDiverts(const TDivert& divert);
PHONELIB_EXPORT uint8_t GetWAPlink(TWap& bookmarks);
PHONELIB_EXPORT uint8_t WriteWAPlink(TWap& bookmarks);

// --- Codecs ------------------------------------------------------------------------

// Normalises a phone number: 0 international (leading "+"; "00" becomes "+"),
// 1 national, -1 not a usable number (left unchanged).
PHONELIB_EXPORT int8_t formatnumber(std::string& number);
// Operator code such as "26201" to the semi-octet network code "62F210".
PHONELIB_EXPORT void makenetcode(const std::string& operatorCode, std::string& networkCode);
// Looks the operator up in "netcode.csv": row -1 searches by country and
// network code, any other row reads that row. 1 found, 0 not.
PHONELIB_EXPORT uint8_t GetOperatorname(TOperator& networkOperator, int32_t& row);

// Logo files: reads a NOL, NGG, BMP or JPEG file into the bitmap (1 read,
// 5 not a logo file, 6 damaged or too large, 8 cannot be opened).
PHONELIB_EXPORT uint8_t readgsmbitmap(const std::string& fileName, GSMBitmap& bitmap);
// Writes the bitmap as a NOL file (atomically); false when it cannot.
PHONELIB_EXPORT bool savenol(const std::string& fileName, const GSMBitmap& bitmap);
// Writes the bitmap's picture as a one-bit BMP file.
PHONELIB_EXPORT bool drawbin(const std::string& fileName, const GSMBitmap& bitmap);
// Fits a picture file into a target size (see codecs/bitmaps/stretchbmp.h);
// either draws onto the canvas or writes a temporary bitmap file.
PHONELIB_EXPORT bool stretchbmp(const std::string& fileName, QSize target, QImage::Format format,
                                uint8_t mode, QPoint shift, QPoint zoom, bool keepProportions,
                                QPainter* canvas, QRect offset, std::string& resultFile);
// The name of a built-in ringtone of a model ("ringtones.ini"), or the
// number itself.
PHONELIB_EXPORT std::string getringtonename(int32_t number, const std::string& modelCode);

// --- Library settings and statistics ----------------------------------------

// Period of the library tick in milliseconds (default 1000). Every time
// limit and the keep-alive count in ticks, so tests run with short ticks;
// the infrared poll keeps to ten polls per tick.
PHONELIB_EXPORT void setTickPeriod(int milliseconds);

// Why the serial port of the last connection set-up could not be opened,
// with the system's own words in `detail`. After an infrared set-up:
// NotFound when no device (or not the one named) was in range, Other when
// the socket or the private infrared folder failed, None when a device was
// there (it then did not offer the service or did not answer).
PHONELIB_EXPORT PortOpenError GetPortOpenError(std::string& detail);

struct FrameStatistics {
    uint64_t badChecksumFrames = 0;  // rejected, not acknowledged
    uint64_t oversizeMessages = 0;   // longer than the receive buffer, dropped
    uint64_t repeatedFrames = 0;     // sent again by the phone, taken once
    uint64_t bytesSent = 0;          // over the serial port, since loading
    uint64_t bytesReceived = 0;
};
PHONELIB_EXPORT FrameStatistics GetFrameStatistics();

}  // namespace phonelib
