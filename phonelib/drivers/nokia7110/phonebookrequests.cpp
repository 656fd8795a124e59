// The type 0x03 requests of the 7110 phonebook.
//
//   read    00 01 01 07 01 01 00 01 02 M L_hi L_lo 00 00
//   write   00 01 00 0B 00 01 01 00 00 0C 02 M L_hi L_lo 00 00, block count
//           (16 bits), the blocks
//   delete  00 01 01 0F 00 01 04 00 00 0C 01 FF L_hi L_lo M 00 00
//   status  00 01 00 03 02 M
//
// Blocks written: 07 name and 08/09/0A texts (length 2t + 8: k, 2t + 2, the
// characters as 00 c), 1E group (k, group + 1), 0B number (length 2m + 14:
// k, type, 00 00 00, 2m + 2, the characters, two more zero bytes), 04 speed
// dial (length 12: key + 2, FF, target location, 05 phone / 06 SIM, one
// more zero byte), 0C ringtone, 1C logo on and 1B logo (length size + 16:
// k, width, height, 00 00, size, row data, four more zero bytes). The zero
// bytes after the content fill each block to the length it declares, so
// the phone, which steps from block to block by that length, never lands
// inside the next one.
#include <algorithm>

#include "phonelib/api/status.h"
#include "phonelib/drivers/nokia7110/phonebook.h"

namespace phonelib::nokia7110 {

namespace {

constexpr uint8_t kCallerGroupMemory = 0x10;
constexpr uint8_t kSpeedDialMemory = 0x0E;

// The blocks of one write message.
class Blocks {
  public:
    // id 00 00 length number content 00 00, then `padding` zero bytes.
    void add(uint8_t id, uint8_t number, const std::vector<uint8_t>& content, size_t padding = 0) {
        const size_t length = 5 + content.size() + 2 + padding;
        if (length > 0xFF) {
            tooLong_ = true;
            return;
        }
        bytes_.insert(bytes_.end(), {id, 0x00, 0x00, static_cast<uint8_t>(length), number});
        bytes_.insert(bytes_.end(), content.begin(), content.end());
        bytes_.insert(bytes_.end(), 2 + padding, 0x00);
        ++count_;
    }
    // A text as its byte count (the 00 00 after it included) and its
    // characters as 00 c.
    void addText(uint8_t id, uint8_t number, const std::string& text) {
        add(id, number, wide(text));
    }

    uint16_t nextNumber() const { return static_cast<uint16_t>(count_ + 1); }
    bool tooLong() const { return tooLong_; }

    Request message(uint8_t memory, uint16_t location) const {
        Request request{0x03,
                        {0x00, 0x01, 0x00, 0x0B, 0x00, 0x01, 0x01, 0x00, 0x00, 0x0C, 0x02, memory,
                         static_cast<uint8_t>(location >> 8), static_cast<uint8_t>(location), 0x00,
                         0x00, static_cast<uint8_t>(count_ >> 8), static_cast<uint8_t>(count_)}};
        request.body.insert(request.body.end(), bytes_.begin(), bytes_.end());
        return request;
    }

    static std::vector<uint8_t> wide(const std::string& text) {
        std::vector<uint8_t> content;
        content.reserve(1 + 2 * text.size());
        content.push_back(static_cast<uint8_t>(std::min<size_t>(2 * text.size() + 2, 0xFF)));
        for (const char c : text) content.insert(content.end(), {0x00, static_cast<uint8_t>(c)});
        return content;
    }

  private:
    std::vector<uint8_t> bytes_;
    uint16_t count_ = 0;
    bool tooLong_ = false;
};

std::optional<uint8_t> textBlockOf(int32_t textType) {
    switch (textType) {
        case ttEmail:
            return 0x08;
        case ttPostal:
            return 0x09;
        case ttNote:
            return 0x0A;
        default:
            return std::nullopt;  // URL, company and others have no block
    }
}

uint8_t numberTypeByte(int32_t type) {
    return type == 0 ? static_cast<uint8_t>(ntGeneral) : static_cast<uint8_t>(type & 0xFF);
}

// The phone's location of an entry: caller groups count from 1.
std::optional<uint16_t> phoneLocation(const TPhoneBookEntry& entry) {
    const int32_t location = entry.memory == memCallerGroups ? entry.location + 1 : entry.location;
    if (!fitsSixteenBits(location)) return std::nullopt;
    return static_cast<uint16_t>(location);
}

uint8_t speedDialWrite(const TPhoneBookEntry& entry, uint16_t key, Request& request) {
    if (!fitsSixteenBits(entry.speedDialLocation)) return stNoSuchLocation;
    if (!fitsOneByte(entry.speedDialNumberIndex + 2)) return stTooLong;
    Blocks blocks;
    const auto target = static_cast<uint16_t>(entry.speedDialLocation);
    blocks.add(0x04, static_cast<uint8_t>(entry.speedDialNumberIndex + 2),
               {0xFF, static_cast<uint8_t>(target >> 8), static_cast<uint8_t>(target),
                static_cast<uint8_t>(entry.speedDialMemory != 0 ? 0x05 : 0x06)},
               1);
    request = blocks.message(kSpeedDialMemory, key);
    return stDone;
}

Request deleteRequest(uint8_t memory, uint16_t location) {
    return {
        0x03,
        {0x00, 0x01, 0x01, 0x0F, 0x00, 0x01, 0x04, 0x00, 0x00, 0x0C, 0x01, 0xFF,
         static_cast<uint8_t>(location >> 8), static_cast<uint8_t>(location), memory, 0x00, 0x00}};
}

}  // namespace

std::optional<uint8_t> phoneMemoryOf(uint8_t memoryCode) {
    switch (memoryCode) {
        case memSim:
            return 0x06;
        case memPhone:
            return 0x05;
        case memCallerGroups:
            return kCallerGroupMemory;
        case memSpeedDials:
            return kSpeedDialMemory;
        case memDialled:
            return 0x01;
        case memReceived:
            return 0x03;
        case memMissed:
            return 0x02;
        default:
            return std::nullopt;
    }
}

uint8_t entryReadRequest(const TPhoneBookEntry& entry, Request& request) {
    const auto memory = phoneMemoryOf(entry.memory);
    if (!memory) return stNotAvailable;
    const auto location = phoneLocation(entry);
    if (!location) return stNoSuchLocation;
    request = {0x03,
               {0x00, 0x01, 0x01, 0x07, 0x01, 0x01, 0x00, 0x01, 0x02, *memory,
                static_cast<uint8_t>(*location >> 8), static_cast<uint8_t>(*location), 0x00, 0x00}};
    return stDone;
}

uint8_t entryWriteRequest(const TPhoneBookEntry& entry, Request& request) {
    const auto memory = phoneMemoryOf(entry.memory);
    if (!memory) return stNotAvailable;
    const auto location = phoneLocation(entry);
    if (!location) return stNoSuchLocation;
    if (entry.memory == memSpeedDials) return speedDialWrite(entry, *location, request);
    if (entry.memory == memCallerGroups) {
        // The whole group is written, so its ringtone and logo stay.
        GSMBitmap group = entry.group;
        group.groupIndex = entry.location;
        group.groupName = entry.name;
        return groupLogoWriteRequest(group, request);
    }

    // Default number first, empty numbers left out.
    std::vector<TNumberItem> numbers;
    for (const auto& number : entry.numbers) {
        if (number.number.empty()) continue;
        if (number.isDefault) {
            numbers.insert(numbers.begin(), number);
        } else {
            numbers.push_back(number);
        }
    }
    const bool firstNumberEmpty = entry.numbers.empty() || entry.numbers.front().number.empty();
    if (entry.name.empty() && firstNumberEmpty) {
        request = deleteRequest(*memory, *location);
        return stDone;
    }

    Blocks blocks;
    if (!entry.name.empty()) blocks.addText(0x07, 1, entry.name);
    if (entry.group.groupIndex >= 0 && entry.group.groupIndex < 5) {
        blocks.add(0x1E, static_cast<uint8_t>(blocks.nextNumber()),
                   {static_cast<uint8_t>(entry.group.groupIndex + 1)});
    }
    for (const auto& number : numbers) {
        std::vector<uint8_t> content = {numberTypeByte(number.type), 0x00, 0x00, 0x00};
        const auto characters = Blocks::wide(number.number);
        content.insert(content.end(), characters.begin(), characters.end());
        blocks.add(0x0B, static_cast<uint8_t>(blocks.nextNumber()), content, 2);
    }
    for (const auto& text : entry.texts) {
        if (const auto id = textBlockOf(text.type)) {
            blocks.addText(*id, static_cast<uint8_t>(blocks.nextNumber()), text.text);
        }
    }
    if (blocks.tooLong()) return stTooLong;
    request = blocks.message(*memory, *location);
    return stDone;
}

uint8_t groupLogoWriteRequest(const GSMBitmap& bitmap, Request& request) {
    if (bitmap.groupIndex < 0 || bitmap.groupIndex > 4) return stNoSuchLocation;
    if (bitmap.size < 0 || bitmap.size > 0xFF || !fitsOneByte(bitmap.width) ||
        !fitsOneByte(bitmap.height)) {
        return stTooLong;
    }
    Blocks blocks;
    if (!bitmap.groupName.empty()) blocks.addText(0x07, 1, bitmap.groupName);
    blocks.add(0x1E, 2, {static_cast<uint8_t>(bitmap.groupIndex + 1)});
    if (bitmap.groupRingtone >= 0) {
        blocks.add(0x0C, 3, {static_cast<uint8_t>(bitmap.groupRingtone & 0xFF)});
    }
    blocks.add(0x1C, 4, {static_cast<uint8_t>(bitmap.groupLogoOn != 0 ? 0x01 : 0x00)});
    std::vector<uint8_t> picture = {static_cast<uint8_t>(bitmap.width),
                                    static_cast<uint8_t>(bitmap.height), 0x00, 0x00,
                                    static_cast<uint8_t>(bitmap.size)};
    picture.insert(picture.end(), bitmap.rowData.begin(), bitmap.rowData.begin() + bitmap.size);
    blocks.add(0x1B, 5, picture, 4);
    if (blocks.tooLong()) return stTooLong;
    request = blocks.message(kCallerGroupMemory, static_cast<uint16_t>(bitmap.groupIndex + 1));
    return stDone;
}

uint8_t memoryStatusRequest(uint8_t memoryCode, Request& request) {
    const auto memory = phoneMemoryOf(memoryCode);
    if (!memory || memoryCode == memCallerGroups) return stNotAvailable;
    request = {0x03, {0x00, 0x01, 0x00, 0x03, 0x02, *memory}};
    return stDone;
}

}  // namespace phonelib::nokia7110
