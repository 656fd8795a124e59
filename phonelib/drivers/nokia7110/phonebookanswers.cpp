// The type 0x03 answers of the 7110 phonebook.
//
//   08  entry: 6 status (0F: empty location), 11 memory, 12-13 location,
//       16-17 block count, blocks from 18
//   04  memory status: 14-15 locations in all, 16-17 used
//   0C  written, 10 deleted: 6 is 0F when the phone refused
//
// Each block is read only inside the length it declares and only when that
// length lies inside the body; texts end at their length byte or at the
// first 00 00 character, whichever comes first (phones count the closing
// 00 00 in names but not in numbers).
#include <algorithm>

#include "codecs/ringtones/ringtonenames.h"
#include "phonelib/api/library.h"
#include "phonelib/drivers/bodytext.h"
#include "phonelib/drivers/nokia61xx/mailboxes.h"
#include "phonelib/drivers/nokia7110/phonebook.h"

namespace phonelib::nokia7110 {

namespace {

constexpr uint8_t kEmpty = 0x0F;
constexpr size_t kFirstBlock = 18;

// The low bytes of the 16-bit characters from `from`, as many bytes as the
// length byte at `lengthAt` counts and the block holds.
std::string wideText(std::span<const uint8_t> block, size_t lengthAt, size_t from) {
    if (from > block.size() || lengthAt >= block.size()) return {};
    const size_t end = from + std::min<size_t>(block[lengthAt], block.size() - from);
    std::string text;
    for (size_t i = from; i + 1 < end; i += 2) {
        if (block[i] == 0x00 && block[i + 1] == 0x00) break;
        text.push_back(static_cast<char>(block[i + 1]));
    }
    return text;
}

std::optional<uint8_t> memoryCodeOf(uint8_t phoneMemory) {
    switch (phoneMemory) {
        case 0x05:
            return memPhone;
        case 0x06:
            return memSim;
        case 0x0E:
            return memSpeedDials;
        case 0x10:
            return memCallerGroups;
        case 0x01:
            return memDialled;
        case 0x03:
            return memReceived;
        case 0x02:
            return memMissed;
        default:
            return std::nullopt;
    }
}

void decodeBlock(std::span<const uint8_t> block, TPhoneBookEntry& entry, EntryFindings& found) {
    const uint8_t id = block[0];
    switch (id) {
        case 0x04:
            if (block.size() < 9) return;
            entry.speedDialNumberIndex = block[4] - 2;
            entry.speedDialLocation = entry.location = wordAt(block, 6);
            entry.speedDialMemory = block[8] == 0x05 ? 1 : 0;
            entry.memory = block[8] == 0x05 ? memPhone : memSim;
            return;
        case 0x07:
            entry.name = wideText(block, 5, 6);
            return;
        case 0x08:
        case 0x09:
        case 0x0A:
            entry.texts.push_back(TTextItem{wideText(block, 5, 6), id + 8, 0});
            entry.textCount = static_cast<int32_t>(entry.texts.size());
            return;
        case 0x0B:
            if (block.size() < 10) return;
            entry.numbers.push_back(TNumberItem{wideText(block, 9, 10), block[5],
                                                entry.numbers.empty() ? uint8_t{1} : uint8_t{0}});
            entry.numberCount = static_cast<int32_t>(entry.numbers.size());
            return;
        case 0x0C:
            if (block.size() > 5) found.ringtone = block[5];
            return;
        case 0x1B: {
            if (block.size() < 10) return;
            GSMBitmap& picture = entry.group;
            const size_t size = std::min<size_t>(block[9], block.size() - 10);
            picture.width = block[5];
            picture.height = block[6];
            picture.size = static_cast<int32_t>(size);
            picture.rowData.fill(0);
            std::copy_n(block.begin() + 10, size, picture.rowData.begin());
            return;
        }
        case 0x1C:
            if (block.size() > 5) entry.group.groupLogoOn = block[5] == 0x01 ? 1 : 0;
            return;
        case 0x1E:
            if (block.size() > 5) found.group = block[5] - 1;
            return;
        default:
            return;
    }
}

EntryFindings decodeEntryBlocks(std::span<const uint8_t> body, TPhoneBookEntry& entry) {
    EntryFindings found;
    const uint16_t count = wordAt(body, 16);
    size_t p = kFirstBlock;
    for (uint16_t i = 0; i < count && p + 5 <= body.size(); ++i) {
        const size_t length = body[p + 3];
        if (length < 5 || p + length > body.size()) break;
        decodeBlock(body.subspan(p, length), entry, found);
        p += length;
    }
    return found;
}

}  // namespace

EntryFindings decodeEntry(std::span<const uint8_t> body, TPhoneBookEntry& entry) {
    if (body.size() > 6 && body[6] == kEmpty) return {};
    if (body.size() < kFirstBlock) return {};
    entry.empty = 0;
    if (const auto memory = memoryCodeOf(body[11])) entry.memory = *memory;
    entry.location = wordAt(body, 12);
    // The phone counts caller groups from 1.
    if (entry.memory == memCallerGroups) entry.location -= 1;
    return decodeEntryBlocks(body, entry);
}

bool decodeMemoryStatus(std::span<const uint8_t> body, TCapacity& capacity) {
    if (body.size() < 18) return false;
    capacity.used = wordAt(body, 16);
    capacity.free = wordAt(body, 14) - capacity.used;
    return true;
}

bool refusedByPhone(std::span<const uint8_t> body) {
    return body.size() > 6 && body[6] == kEmpty;
}

void onPhonebookAnswer(std::span<const uint8_t> body) {
    auto& box = nokia::mailboxes();
    uint8_t flag = 1;
    switch (body.size() > 3 ? body[3] : 0) {
        case 0x08: {
            TPhoneBookEntry& entry = box.phonebook;
            const auto found = decodeEntry(body, entry);
            if (found.group) {
                entry.group.groupIndex = *found.group;
                entry.group.groupName = lib().groupNames.name(*found.group);
            }
            if (found.ringtone) {
                entry.group.groupRingtone = *found.ringtone;
                entry.group.groupRingtoneName =
                    tools::getringtonename(*found.ringtone, lib().state.ModelCode);
            }
            break;
        }
        case 0x04:
            decodeMemoryStatus(body, box.capacity);
            break;
        case 0x0C:
        case 0x10:
            if (refusedByPhone(body)) flag = stRefused;
            break;
        default:
            break;
    }
    box.phonebookFlag = flag;
}

}  // namespace phonelib::nokia7110
