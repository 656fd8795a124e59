#include "phonesim/nokia7110/phonebookblocks.h"

#include <algorithm>

#include "phonesim/nokia7110/requests.h"

namespace phonesim::nokia7110 {

void BlockWriter::add(uint8_t id, uint8_t number, const std::vector<uint8_t>& content) {
    const size_t length = 5 + content.size() + 2;
    bytes_.insert(bytes_.end(), {id, 0x00, 0x00, static_cast<uint8_t>(length), number});
    bytes_.insert(bytes_.end(), content.begin(), content.end());
    bytes_.insert(bytes_.end(), {0x00, 0x00});
    ++count_;
}

void BlockWriter::name(const QString& name) {
    std::vector<uint8_t> content = wide(name);
    content.insert(content.begin(), static_cast<uint8_t>(content.size() + 2));
    add(0x07, static_cast<uint8_t>(count_ + 1), content);
}

void BlockWriter::text(uint8_t id, const QString& text) {
    std::vector<uint8_t> content = wide(text);
    content.insert(content.begin(), static_cast<uint8_t>(content.size()));
    add(id, static_cast<uint8_t>(count_ + 1), content);
}

void BlockWriter::number(uint8_t type, const QString& number) {
    const std::vector<uint8_t> characters = wide(number);
    std::vector<uint8_t> content = {type, 0x00, 0x00, 0x00,
                                    static_cast<uint8_t>(characters.size())};
    content.insert(content.end(), characters.begin(), characters.end());
    add(0x0B, static_cast<uint8_t>(count_ + 1), content);
}

void BlockWriter::byteBlock(uint8_t id, uint8_t value) {
    add(id, static_cast<uint8_t>(count_ + 1), {value});
}

void BlockWriter::logo(const GroupLogo& logo) {
    std::vector<uint8_t> content = {static_cast<uint8_t>(logo.width),
                                    static_cast<uint8_t>(logo.height), 0x00, 0x00,
                                    static_cast<uint8_t>(logo.data.size())};
    content.insert(content.end(), logo.data.begin(), logo.data.end());
    add(0x1B, static_cast<uint8_t>(count_ + 1), content);
}

void BlockWriter::speedDial(const SpeedDial& dial) {
    add(0x04, 0x02,
        {0xFF, static_cast<uint8_t>(dial.location >> 8), static_cast<uint8_t>(dial.location),
         static_cast<uint8_t>(dial.phoneMemory ? 0x05 : 0x06), 0x00});
}

std::optional<std::vector<Block>> readBlocks(std::span<const uint8_t> body, size_t from,
                                             uint16_t count) {
    std::vector<Block> blocks;
    size_t p = from;
    for (uint16_t i = 0; i < count; ++i) {
        if (p + 5 > body.size()) return std::nullopt;
        const size_t length = body[p + 3];
        if (length < 5 || p + length > body.size()) return std::nullopt;
        blocks.push_back({body[p], body.subspan(p, length)});
        p += length;
    }
    return blocks;
}

QString blockText(const Block& block, size_t lengthAt, size_t from) {
    if (lengthAt >= block.bytes.size() || from > block.bytes.size()) return {};
    const size_t bytes = std::min<size_t>(block.bytes[lengthAt], block.bytes.size() - from);
    return fromWide(block.bytes.subspan(from, bytes));
}

PhonebookEntry entryFromBlocks(const std::vector<Block>& blocks) {
    PhonebookEntry entry;
    bool firstNumber = true;
    for (const Block& block : blocks) {
        const auto& b = block.bytes;
        switch (block.id) {
            case 0x07:
                entry.name = blockText(block, 5, 6);
                break;
            case 0x08:
            case 0x09:
            case 0x0A:
                entry.texts.push_back({block.id, blockText(block, 5, 6)});
                break;
            case 0x0B:
                if (b.size() < 10) break;
                if (firstNumber) {
                    entry.number = blockText(block, 9, 10);
                    entry.numberType = b[5];
                    firstNumber = false;
                } else {
                    entry.otherNumbers.push_back({b[5], blockText(block, 9, 10)});
                }
                break;
            case 0x1E:
                if (b.size() > 5 && b[5] >= 1 && b[5] <= 5) entry.group = b[5] - 1;
                break;
            default:
                break;
        }
    }
    return entry;
}

}  // namespace phonesim::nokia7110
