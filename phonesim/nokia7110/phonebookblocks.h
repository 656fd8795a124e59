// Phonebook entries as the 7110 family keeps them on the wire: a list of
// blocks, each id, 00 00, its whole length, a running number, the content
// and 00 00. Texts are 16-bit characters (00 c) after a length byte.
//
//   07 name         (2n + 8) k (2n + 2) name 00 00     the length counts the 00 00
//   08 09 0A text   (2t + 8) k (2t) text 00 00         e-mail, postal address, note
//   0B number       (2m + 12) k type 00 00 00 (2m) number 00 00
//   1E group        08 k (group + 1) 00 00
//   0C ringtone     08 k id 00 00                       caller groups
//   1C logo on      08 k 01/00 00 00
//   1B logo         (size + 12) k w h 00 00 size rows 00 00
//   04 speed dial   0C (key's number + 2) FF location(2) 05 phone / 06 SIM 00 00 00
//
// Names count their closing 00 00 in the length byte, numbers and texts do
// not, as the phone answers them. Reading takes either: a text ends at its
// length byte or at a 00 00 character.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "phonesim/fixture/fixture.h"

namespace phonesim::nokia7110 {

struct Block {
    uint8_t id = 0;
    std::span<const uint8_t> bytes;  // the whole block, header included
};

class BlockWriter {
  public:
    void name(const QString& name);
    void text(uint8_t id, const QString& text);
    void number(uint8_t type, const QString& number);
    void byteBlock(uint8_t id, uint8_t value);  // 1E, 0C, 1C
    void logo(const GroupLogo& logo);
    void speedDial(const SpeedDial& dial);

    uint16_t count() const { return count_; }
    const std::vector<uint8_t>& bytes() const { return bytes_; }

  private:
    void add(uint8_t id, uint8_t number, const std::vector<uint8_t>& content);

    std::vector<uint8_t> bytes_;
    uint16_t count_ = 0;
};

// The blocks of a message from `from` on, as many as `count` says; nothing
// when one of them does not fit its declared length or the body.
std::optional<std::vector<Block>> readBlocks(std::span<const uint8_t> body, size_t from,
                                             uint16_t count);

// A text block's text (length byte at `lengthAt`, characters from `from`).
QString blockText(const Block& block, size_t lengthAt, size_t from);

// An entry (name, numbers, texts, group) from its blocks.
PhonebookEntry entryFromBlocks(const std::vector<Block>& blocks);

}  // namespace phonesim::nokia7110
