// Type 0x03, the phonebook of the 7110 family. Memories: 06 SIM, 05 phone,
// 10 caller groups (group + 1), 0E speed dials (by key), 01 dialled,
// 03 received, 02 missed. Blocks: see phonebookblocks.h.
//
//   00 01 xx 07 01 01 00 01 02 M L_hi L_lo 00 00     read
//     → 00 01 00 08 00 00 00 00 00 00 00 M L_hi L_lo 00 00, block count
//       (16 bits), the blocks
//     → 00 01 00 08 00 00 0F 00 00 00 33   empty location
//     → 00 01 00 08 00 00 0F 00 00 00 34   no such location or memory
//   00 01 00 0B 00 01 01 00 00 0C 02 M L_hi L_lo 00 00, count, blocks   write
//     → 00 01 00 0C 00 00 00 00 00 00 00 M L_hi L_lo    (0F at 6: refused)
//   00 01 01 0F 00 01 04 00 00 0C 01 FF L_hi L_lo M 00 00   delete
//     → 00 01 00 10 00 00 00 ...                           (0F at 6: refused)
//   00 01 00 03 02 M                                       memory status
//     → 00 01 00 04, 00 x 7, M, 00 00, locations in all (2), used (2)
//
// Other clients send 00 in byte 2 where the library sends 01; the phone
// does not look at it. An entry written with neither name nor number is
// removed.
#include "phonesim/nokia61xx/requests.h"
#include "phonesim/nokia7110/phonebookblocks.h"
#include "phonesim/nokia7110/requests.h"

namespace phonesim::nokia7110 {

namespace {

constexpr uint8_t kSim = 0x06;
constexpr uint8_t kPhone = 0x05;
constexpr uint8_t kGroups = 0x10;
constexpr uint8_t kSpeedDials = 0x0E;
constexpr uint8_t kEmpty = 0x33;
constexpr uint8_t kNoSuchLocation = 0x34;
constexpr int kFirstKey = 2;
constexpr int kLastKey = 9;

PhonebookMemory* storedMemory(Fixture& fixture, uint8_t memory) {
    switch (memory) {
        case kSim:
            return &fixture.phonebook.sim;
        case kPhone:
            return &fixture.phonebook.phone;
        default:
            return nullptr;
    }
}

std::vector<PhonebookEntry>* callList(Fixture& fixture, uint8_t memory) {
    switch (memory) {
        case 0x01:
            return &fixture.phonebook.dialled;
        case 0x03:
            return &fixture.phonebook.received;
        case 0x02:
            return &fixture.phonebook.missed;
        default:
            return nullptr;
    }
}

void answerError(Phone& phone, uint8_t subCode, uint8_t reason) {
    phone.answer({0x03, {0x00, 0x01, 0x00, subCode, 0x00, 0x00, 0x0F, 0x00, 0x00, 0x00, reason}});
}

void answerDone(Phone& phone, uint8_t subCode, uint8_t memory, uint16_t location) {
    phone.answer({0x03,
                  {0x00, 0x01, 0x00, subCode, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, memory,
                   static_cast<uint8_t>(location >> 8), static_cast<uint8_t>(location)}});
}

void answerBlocks(Phone& phone, uint8_t memory, uint16_t location, const BlockWriter& blocks) {
    std::vector<uint8_t> body = {0x00,
                                 0x01,
                                 0x00,
                                 0x08,
                                 0x00,
                                 0x00,
                                 0x00,
                                 0x00,
                                 0x00,
                                 0x00,
                                 0x00,
                                 memory,
                                 static_cast<uint8_t>(location >> 8),
                                 static_cast<uint8_t>(location),
                                 0x00,
                                 0x00,
                                 static_cast<uint8_t>(blocks.count() >> 8),
                                 static_cast<uint8_t>(blocks.count())};
    body.insert(body.end(), blocks.bytes().begin(), blocks.bytes().end());
    phone.answer({0x03, std::move(body)});
}

void writeEntry(BlockWriter& blocks, const PhonebookEntry& entry) {
    if (!entry.name.isEmpty()) blocks.name(entry.name);
    if (!entry.number.isEmpty())
        blocks.number(static_cast<uint8_t>(entry.numberType), entry.number);
    for (const auto& number : entry.otherNumbers) {
        blocks.number(static_cast<uint8_t>(number.type), number.text);
    }
    for (const auto& text : entry.texts) blocks.text(static_cast<uint8_t>(text.type), text.text);
    if (entry.group >= 0 && entry.group < 5) {
        blocks.byteBlock(0x1E, static_cast<uint8_t>(entry.group + 1));
    }
}

// The entry at a location of a memory or call list; nothing with the reason
// why not.
std::optional<PhonebookEntry> entryAt(Fixture& fixture, uint8_t memory, int location,
                                      uint8_t& reason) {
    reason = kNoSuchLocation;
    if (const auto* stored = storedMemory(fixture, memory)) {
        if (location < 1 || location > stored->capacity) return std::nullopt;
        const auto it = stored->entries.find(location);
        reason = kEmpty;
        if (it == stored->entries.end()) return std::nullopt;
        return it->second;
    }
    if (const auto* list = callList(fixture, memory)) {
        if (location < 1 || location > kCallListSize) return std::nullopt;
        reason = kEmpty;
        if (location > static_cast<int>(list->size())) return std::nullopt;
        return (*list)[static_cast<size_t>(location - 1)];
    }
    return std::nullopt;
}

void readGroup(Phone& phone, uint16_t location) {
    const auto& groups = phone.fixture.phonebook.callerGroups;
    const int group = location - 1;
    if (group < 0 || group >= kCallerGroups) return answerError(phone, 0x08, kNoSuchLocation);
    if (group >= static_cast<int>(groups.size())) return answerError(phone, 0x08, kEmpty);
    const CallerGroup& g = groups[static_cast<size_t>(group)];
    BlockWriter blocks;
    if (!g.name.isEmpty()) blocks.name(g.name);
    blocks.byteBlock(0x1E, static_cast<uint8_t>(location));
    blocks.byteBlock(0x0C, static_cast<uint8_t>(g.ringtone));
    blocks.byteBlock(0x1C, g.logoOn ? 0x01 : 0x00);
    if (g.logo.width > 0) blocks.logo(g.logo);
    answerBlocks(phone, kGroups, location, blocks);
}

void readSpeedDial(Phone& phone, uint16_t key) {
    if (key < kFirstKey || key > kLastKey) return answerError(phone, 0x08, kNoSuchLocation);
    const auto& dials = phone.fixture.phonebook.speedDials;
    const auto dial = dials.find(key);
    if (dial == dials.end()) return answerError(phone, 0x08, kEmpty);
    BlockWriter blocks;
    blocks.speedDial(dial->second);
    answerBlocks(phone, kSpeedDials, key, blocks);
}

// A caller group from its blocks: name, ringtone, logo switch and picture;
// what the blocks leave out stays.
void writeGroup(CallerGroup& group, const std::vector<Block>& blocks) {
    group.name.clear();
    for (const Block& block : blocks) {
        const auto& b = block.bytes;
        if (block.id == 0x07) group.name = blockText(block, 5, 6);
        if (block.id == 0x0C && b.size() > 5) group.ringtone = b[5];
        if (block.id == 0x1C && b.size() > 5) group.logoOn = b[5] == 0x01;
        if (block.id == 0x1B && b.size() >= 10) {
            const size_t size = std::min<size_t>(b[9], b.size() - 10);
            group.logo.width = b[5];
            group.logo.height = b[6];
            group.logo.data = QByteArray(reinterpret_cast<const char*>(b.data() + 10),
                                         static_cast<qsizetype>(size));
        }
    }
}

bool writeSpeedDial(Fixture& fixture, uint16_t key, const std::vector<Block>& blocks) {
    if (key < kFirstKey || key > kLastKey || blocks.empty() || blocks[0].id != 0x04 ||
        blocks[0].bytes.size() < 9) {
        return false;
    }
    const auto& b = blocks[0].bytes;
    const int location = wordAt(b, 6);
    if (location == 0) {
        fixture.phonebook.speedDials.erase(key);
    } else {
        fixture.phonebook.speedDials[key] = SpeedDial{b[8] == kPhone, location};
    }
    return true;
}

}  // namespace

void onEntryRead(Phone& phone, std::span<const uint8_t> body) {
    if (body.size() < 12) return answerError(phone, 0x08, kNoSuchLocation);
    const uint8_t memory = body[9];
    const uint16_t location = wordAt(body, 10);
    if (memory == kGroups) return readGroup(phone, location);
    if (memory == kSpeedDials) return readSpeedDial(phone, location);
    uint8_t reason = 0;
    const auto entry = entryAt(phone.fixture, memory, location, reason);
    if (!entry) return answerError(phone, 0x08, reason);
    BlockWriter blocks;
    writeEntry(blocks, *entry);
    answerBlocks(phone, memory, location, blocks);
}

void onEntryWrite(Phone& phone, std::span<const uint8_t> body) {
    if (body.size() < 18) return answerError(phone, 0x0C, kNoSuchLocation);
    const uint8_t memory = body[11];
    const uint16_t location = wordAt(body, 12);
    const auto blocks = readBlocks(body, 18, wordAt(body, 16));
    if (!blocks) return answerError(phone, 0x0C, kNoSuchLocation);
    Fixture& fixture = phone.fixture;
    if (memory == kGroups) {
        auto& groups = fixture.phonebook.callerGroups;
        if (location < 1 || location > kCallerGroups) {
            return answerError(phone, 0x0C, kNoSuchLocation);
        }
        if (groups.size() < location) groups.resize(location);
        writeGroup(groups[location - 1u], *blocks);
    } else if (memory == kSpeedDials) {
        if (!writeSpeedDial(fixture, location, *blocks)) {
            return answerError(phone, 0x0C, kNoSuchLocation);
        }
    } else {
        auto* stored = storedMemory(fixture, memory);
        if (!stored || location < 1 || location > stored->capacity) {
            return answerError(phone, 0x0C, kNoSuchLocation);
        }
        const PhonebookEntry entry = entryFromBlocks(*blocks);
        if (entry.name.isEmpty() && entry.number.isEmpty()) {
            stored->entries.erase(location);
        } else {
            stored->entries[location] = entry;
        }
    }
    answerDone(phone, 0x0C, memory, location);
}

void onEntryDelete(Phone& phone, std::span<const uint8_t> body) {
    if (body.size() < 15) return answerError(phone, 0x10, kNoSuchLocation);
    const uint16_t location = wordAt(body, 12);
    const uint8_t memory = body[14];
    Fixture& fixture = phone.fixture;
    if (auto* stored = storedMemory(fixture, memory)) {
        if (location < 1 || location > stored->capacity) {
            return answerError(phone, 0x10, kNoSuchLocation);
        }
        stored->entries.erase(location);
    } else if (auto* list = callList(fixture, memory)) {
        if (location < 1 || location > static_cast<int>(list->size())) {
            return answerError(phone, 0x10, kEmpty);
        }
        list->erase(list->begin() + location - 1);
    } else {
        return answerError(phone, 0x10, kNoSuchLocation);
    }
    answerDone(phone, 0x10, memory, location);
}

void onMemoryStatus(Phone& phone, std::span<const uint8_t> body) {
    if (body.size() < 6) return answerError(phone, 0x04, kNoSuchLocation);
    const uint8_t memory = body[5];
    int total = 0;
    int used = 0;
    Fixture& fixture = phone.fixture;
    if (const auto* stored = storedMemory(fixture, memory)) {
        total = stored->capacity;
        used = static_cast<int>(stored->entries.size());
    } else if (const auto* list = callList(fixture, memory)) {
        total = kCallListSize;
        used = static_cast<int>(list->size());
    } else if (memory == kSpeedDials) {
        total = kLastKey - kFirstKey + 1;
        used = static_cast<int>(fixture.phonebook.speedDials.size());
    } else {
        return answerError(phone, 0x04, kNoSuchLocation);
    }
    phone.answer({0x03,
                  {0x00, 0x01, 0x00, 0x04, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, memory, 0x00,
                   0x00, static_cast<uint8_t>(total >> 8), static_cast<uint8_t>(total),
                   static_cast<uint8_t>(used >> 8), static_cast<uint8_t>(used)}});
}

}  // namespace phonesim::nokia7110
