// Records exchanged between the program and the phone library.
//
// Every record is a plain value type. Strings hold Windows-1252 bytes as the
// phones and the files deliver them; nothing here re-encodes text. A
// default-constructed record is the initialised-empty record: strings empty,
// lists empty, numbers zero. Fields marked "carried along" have no meaning
// for this system but must survive every copy unchanged.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// Identity of the connected phone.
struct TPhoneInfo {
    std::string manufacturer;     // "SIEMENS" from the AT driver; Nokia drivers leave it
    std::string modelCode;        // for example "NSE-3" or "S35i"
    std::string softwareVersion;  // Nokia: first line of the version text
    std::string hardwareVersion;
    std::string serialNumber;  // IMEI
    std::string productionData;
};

// A network operator.
struct TOperator {
    std::string networkCode;   // operator code as text, for example "26201"
    std::string operatorName;  // readable name from the operator table
    int32_t countryCode = 0;   // mobile country code
    int32_t networkNumber = 0;  // mobile network code
};

// Network registration.
struct TNetWorkInfo {
    TOperator networkOperator;
    std::string areaCode;  // location area code, four upper-case hex digits
    std::string cellId;    // cell identity, four upper-case hex digits
};

// Battery level 0..4, then signal level (Nokia 0..4, AT 1..4).
struct TPhoneStatus {
    uint8_t battery = 0;
    uint8_t signal = 0;
};

// Memory codes of TPhoneBookEntry::memory and TCapacity::memory.
enum PhonebookMemory : uint8_t {
    memSim = 0,
    memPhone = 1,
    memAddressBook = 2,
    memCallerGroups = 3,
    memSpeedDials = 4,
    memDialled = 5,
    memReceived = 6,
    memMissed = 7,
};

// Argument of GetCapacity.
struct TCapacity {
    uint8_t memory = 0;
    int32_t free = 0;   // -1 when the phone does not report it
    int32_t used = 0;   // -1 when the phone does not report it
    int32_t total = 0;  // free + used, computed by the export
};

// Four address strings, carried along.
struct tadresse {
    std::array<std::string, 4> lines;
};

// Number types of a number item.
enum NumberType : int32_t {
    ntHome = 2,
    ntMobile = 3,
    ntFax = 4,
    ntWork = 6,
    ntGeneral = 10,  // 0 is read as general as well
};

// Text types of a text item; other values are shown as a note.
enum TextType : int32_t {
    ttEmail = 16,
    ttPostal = 17,
    ttNote = 18,
    ttUrl = 32,
    ttCompany = 33,
};

// One phone number of a phonebook entry. The number is a short string: the
// phone files store at most 255 characters of it.
struct TNumberItem {
    std::string number;
    int32_t type = 0;
    uint8_t isDefault = 0;  // 1 = the entry's default number
};

// One text of a phonebook entry (e-mail, postal address, note, URL, company).
struct TTextItem {
    std::string text;
    int32_t type = 0;
    uint8_t isDefault = 0;
};

// Logo and picture kinds of GSMBitmap::kind.
enum BitmapKind : uint8_t {
    bkOperatorLogo = 3,
    bkCallerGroupLogo = 4,
    bkStartupLogo = 5,
    bkPictureMessage = 7,
    bkScreensaver = 8,  // Siemens phones
};

constexpr int kBitmapBytes = 1501;

// A one-bit picture (logo or picture message) with its caller-group data.
struct GSMBitmap {
    int32_t location = 0;  // picture images: phone location to write
    uint8_t kind = 0;      // BitmapKind
    int32_t groupIndex = 0;  // 0..5, 5 = no group
    std::string groupName;
    int32_t groupRingtone = 0;
    std::string groupRingtoneName;
    int32_t size = 0;  // ceil(width * height / 8); 0 = no picture
    int32_t width = 0;
    int32_t height = 0;
    std::array<uint8_t, kBitmapBytes> rowData{};     // picture in row order
    std::array<uint8_t, kBitmapBytes> stripeData{};  // picture in 8-row stripes
    std::string pictureFile;  // bitmap file showing the picture
    std::string networkCode;  // operator logos: digits such as "26201"
    uint8_t groupLogoOn = 0;  // 1: the caller group shows its logo
};

// Caller group of a phonebook entry; only its group index and name are used
// for ordinary entries, caller-group reads fill the logo as well.
struct TPhoneBookEntry {
    uint8_t empty = 0;  // non-zero: the location is empty
    std::string name;
    std::string secondName;  // carried along
    int32_t numberCount = 0;
    int32_t textCount = 0;
    std::vector<TNumberItem> numbers;
    std::vector<TTextItem> texts;
    tadresse address;  // carried along
    int32_t speedDialNumberIndex = 0;
    int32_t speedDialMemory = 0;  // 0 SIM, 1 phone memory
    int32_t speedDialLocation = 0;
    uint8_t memory = 0;    // PhonebookMemory
    int32_t location = 0;  // from 1; speed dials 2..9; caller groups from 0
    GSMBitmap group;
};

// Smart kinds of GSMSMS::smartKind.
enum SmartKind : uint8_t {
    skText = 0,
    skOperatorLogo = 1,
    skCallerGroupLogo = 2,
    skPictureMessage = 5,
    skRingtone = 7,
};

constexpr int kStoredBodyBytes = 200;

// One short message, possibly carrying a picture or a ringtone.
struct GSMSMS {
    uint8_t flash = 0;
    std::string serviceCentre;
    uint8_t statusReport = 0;
    std::string remoteNumber;
    std::string text;  // Latin-1 at the library boundary
    int32_t validity = 5;  // validity code 0..5, 5 when none is set
    GSMBitmap picture;
    std::string ringtoneFile;
    uint8_t textFlag = 0;
    uint8_t unread = 0;
    uint8_t status = 0;  // 0 received, 2 sent or unsent outgoing
    uint8_t eightBit = 0;
    int32_t location = 0;
    std::string date;  // "DD.MM.YY"
    std::string time;  // "hh:mm:ss"
    std::array<uint8_t, kStoredBodyBytes> storedBody{};
    int32_t storedBodyLength = 0;
    uint8_t smartKind = 0;  // SmartKind
    // The whole text as UTF-8: a read fills it whatever the coding; a send
    // that sets it may go out in UCS-2 when 7-bit coding cannot carry it.
    std::string utf8Text;
    uint8_t dataCoding = 0;      // data coding scheme as stored (GSM 03.38)
    std::string userDataHeader;  // user data header bytes, length octet first; empty: none
};

constexpr int kFolderLocations = 512;
constexpr int kMaxFolders = 30;

// One message folder.
struct tsmsfolder {
    int32_t folderId = 0;
    std::string folderName;
    int32_t messageCount = 0;
    std::array<int32_t, kFolderLocations> locations{};
};

// Argument of getsmsinfos.
struct tsmsinfo {
    int32_t folderCount = 0;
    std::array<tsmsfolder, kMaxFolders> folders{};
};

// Date-time block: year, month, day, hour, minute, second and a seventh
// value that every block built by this system keeps 0.
struct TDateTimeRec {
    int32_t year = 0;
    int32_t month = 0;
    int32_t day = 0;
    int32_t hour = 0;
    int32_t minute = 0;
    int32_t second = 0;
    int32_t reserved = 0;
};

// Note types of TCalendarEntry::noteType.
enum NoteType : uint8_t {
    ntReminder = 0,
    ntCall = 1,
    ntMeeting = 2,
    ntBirthday = 3,
    ntTask = 4,
};

// One calendar note.
struct TCalendarEntry {
    int32_t location = 0;
    int32_t alarmLead = 0;  // minutes (birthday notes: seconds)
    uint16_t noteWord = 0;
    std::string text;
    uint8_t noteType = 0;  // NoteType
    std::string number;    // call notes
    uint16_t repeat = 0;   // hours: 0, 24, 168, 744, 8760; others carried
    uint16_t birthYear = 0;
    uint8_t noAlarm = 0;
    TDateTimeRec alarmTime;  // Siemens: end time
    uint8_t silent = 0;
    uint8_t alarmSet = 0;
    uint8_t noStart = 0;
    TDateTimeRec date;
    uint8_t noEnd = 0;
    TDateTimeRec extraBlock;  // carried along
    uint8_t status = 0;       // task notes: 0 open, 1 done, 2 none
};

constexpr int kCalendarLocations = 1000;

// Argument of getcalinfo.
struct TCalendarInfo {
    int32_t used = 0;
    int32_t maximum = 0;
    std::array<int32_t, kCalendarLocations> locations{};
    int32_t nextLocation = 0;  // location for the next write (Nokia 7110 family)
};

// One call-divert setting.
struct TDivert {
    uint8_t callClass = 0;  // 0 voice, 1 data, 2 fax
    uint8_t reason = 0;     // 0 unconditional, 1 busy, 2 not reachable, 3 no reply
    uint8_t active = 0;
    std::string number;
    int32_t delay = 0;  // no-reply delay in seconds
};

// One phone profile.
struct TProfile {
    int32_t profileNumber = 0;  // 0 = active profile
    std::string name;
    uint16_t standardNameIndex = 0;
    int32_t ringtoneCount = 0;
    uint16_t earpieceVolume = 0;  // 0..4; 65535 = not reported
    std::string extraText;        // carried along
    int32_t keypadTones = 0;
    int32_t lights = 0;
    int32_t ringingMode = 0;
    int32_t ringtoneNumber = 0;
    std::string ringtoneName;
    int32_t volume = 0;  // -1 = not reported
    int32_t messageTone = 0;
    int32_t vibration = 0;  // 0 off, 1 on, -1 not reported
    int32_t warningTones = 0;
    int32_t callerGroups = 0;  // bit i = caller group i rings; 255 = all
    std::string callerGroupNames;
    int32_t automaticAnswer = 0;
    int32_t extraValue = 0;  // carried along
};

constexpr int kWapLinks = 15;

// WAP bookmarks.
struct TWap {
    int32_t count = 0;
    std::array<std::string, kWapLinks> links;
    std::array<std::string, kWapLinks> names;
};

constexpr int kObjectParts = 201;

// Object buffer of the Siemens driver: an object as hex text cut into parts.
struct TENTRY {
    std::array<std::string, kObjectParts> parts;
    int32_t partCount = 0;
    int32_t objectKind = 0;  // 0 vcf, 1 vcs, 3 bmp, 4 mid
};
