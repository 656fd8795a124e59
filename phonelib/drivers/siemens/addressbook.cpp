#include "phonelib/drivers/siemens/addressbook.h"

#include "codecs/tools/hextext.h"
#include "phonelib/api/library.h"
#include "phonelib/drivers/request.h"
#include "phonelib/drivers/siemens/answers.h"
#include "phonelib/drivers/siemens/atdriver.h"
#include "phonelib/drivers/siemens/objects.h"
#include "phonelib/drivers/siemens/replies.h"
#include "phonelib/drivers/siemens/vcard.h"

namespace phonelib::siemens {

namespace {

constexpr int32_t kReadTicks = 3;
constexpr int32_t kDeleteTicks = 2;
constexpr int32_t kSizeTicks = 3;

uint8_t addressCommand(const std::string& command, int32_t ticks) {
    return atcommand(atdriver().phonebookFlag, command, ticks);
}

// The name of the entry's caller group for CATEGORIES; none for an entry
// without a group.
std::string groupNameOf(const TPhoneBookEntry& entry) {
    const std::string name = lib().groupNames.name(entry.group.groupIndex);
    return name == "-" || name == " " ? std::string() : name;
}

}  // namespace

void onAddressBookRead(const Lines& lines) {
    auto& driver = atdriver();
    if (holdsLine(lines, "ERROR")) {
        driver.phonebookFlag = errorFlag();
        return;
    }
    driver.objectBytes = tools::hextobytes(objectHex(lines));
    driver.phonebookFlag = 1;
}

void onAddressBookWritten(const Lines& lines) {
    atdriver().phonebookFlag = holdsLine(lines, "ERROR") ? writeErrorFlag() : uint8_t{1};
}

void onObjectSizes(const Lines& lines) {
    answer(lines, atdriver().phonebookFlag, [&](const std::string&) {
        for (const std::string& line : lines) {
            const std::string text = upper(line);
            const size_t vcf = text.find("\"VCF\",");
            if (vcf == std::string::npos) continue;
            atdriver().capacity.total = rangeCount(text.substr(vcf + 6)).value_or(0);
            return;
        }
    });
}

void onAddressBookUsed(const Lines& lines) {
    answer(lines, atdriver().phonebookFlag, [](const std::string& line) {
        const size_t colon = line.find(':');
        if (colon == std::string::npos) return;
        if (const auto used = rangeCount(line.substr(colon + 1))) atdriver().capacity.used = *used;
    });
}

uint8_t readAddressEntry(TPhoneBookEntry& entry) {
    auto& driver = atdriver();
    if (entry.location < 1) return stNoSuchLocation;
    driver.objectBytes.clear();
    uint8_t result =
        addressCommand("AT^SBNR=\"VCF\"," + std::to_string(entry.location - 1) + "\r", kReadTicks);
    if (result == stEmptyLocation) result = stDone;  // "not found": nothing stored there
    if (result != stDone) return result;
    parsevcard(driver.objectBytes, driver.phonebook);
    driver.phonebook.group.groupIndex = lib().groupNames.index(driver.phonebook.group.groupName);
    entry = driver.phonebook;
    return stDone;
}

uint8_t writeAddressEntry(const TPhoneBookEntry& entry) {
    const int32_t index = entry.location - 1;
    if (!fitsOneByte(index)) return stNoSuchLocation;
    if (isBlankAddressEntry(entry)) {
        return addressCommand("AT^SBNW=\"vcf\"," + std::to_string(index) + ",0,0\r", kDeleteTicks);
    }
    TENTRY parts;
    if (!splitcardparts(tools::bytestohex(writevcard(entry, groupNameOf(entry))), parts)) {
        return stTooLong;
    }
    return sendobject(parts, index);
}

uint8_t addressBookCapacity(TCapacity& capacity) {
    addressCommand("AT^SBNR=?\r", kSizeTicks);
    capacity.used = -1;
    capacity.free = -1;
    const uint8_t result = addressCommand("AT^SDBR=?\r", kSizeTicks);
    if (capacity.used != -1) capacity.free = capacity.total - capacity.used;
    return result;
}

}  // namespace phonelib::siemens
