// The type 0x03 answers of the phonebook: entries, memory status, caller
// groups and speed dials. Every field is read only as far as the body goes;
// what lies beyond its end comes back empty.
#include <algorithm>

#include "codecs/ringtones/ringtonenames.h"
#include "codecs/tools/copybytes.h"
#include "phonelib/api/library.h"
#include "phonelib/drivers/nokia61xx/mailboxes.h"
#include "phonelib/drivers/nokia61xx/phonebook.h"

namespace phonelib::nokia {

namespace {

constexpr int kMaxGroupPicture = kBitmapBytes - 1;

std::optional<uint8_t> byteAt(std::span<const uint8_t> body, size_t index) {
    if (index >= body.size()) return std::nullopt;
    return body[index];
}

// Models whose entries carry no caller group the program can show.
bool showsNoGroup(uint8_t modelId) {
    return (modelId >= 10 && modelId <= 13) || modelId == 15 || modelId == 18;
}

}  // namespace

std::optional<uint8_t> decodeEntry(std::span<const uint8_t> body, TPhoneBookEntry& entry) {
    const size_t nameLength = byteAt(body, 5).value_or(0);
    std::string name = tools::copybytes(body, 6, nameLength);
    std::erase(name, '\0');
    const size_t numberAt = 6 + nameLength;
    const size_t numberLength = byteAt(body, numberAt).value_or(0);
    TNumberItem number;
    number.number = tools::copybytes(body, numberAt + 1, numberLength);
    number.isDefault = 1;

    entry.empty = name.empty() && number.number.empty() ? 1 : 0;
    entry.name = std::move(name);
    entry.numbers = {std::move(number)};
    entry.numberCount = 1;
    return byteAt(body, numberAt + 1 + numberLength);
}

void decodeMemoryStatus(std::span<const uint8_t> body, TCapacity& capacity) {
    if (const auto memory = byteAt(body, 4)) capacity.memory = memoryCodeOf(*memory);
    if (const auto free = byteAt(body, 5)) capacity.free = *free;
    if (const auto used = byteAt(body, 6)) capacity.used = *used;
}

std::optional<uint8_t> decodeCallerGroup(std::span<const uint8_t> body, TPhoneBookEntry& entry) {
    const size_t k = byteAt(body, 5).value_or(0);
    if (k > 0) {
        entry.name = tools::copybytes(body, 6, k);
        entry.empty = 0;
    } else {
        entry.name.clear();
    }
    const auto ringtone = byteAt(body, k + 6);
    GSMBitmap& picture = entry.group;
    const auto sizeHigh = byteAt(body, k + 8);
    const auto sizeLow = byteAt(body, k + 9);
    const auto width = byteAt(body, k + 11);
    const auto height = byteAt(body, k + 12);
    if (!sizeHigh || !sizeLow || !width || !height) return ringtone;

    // The phone counts the four bytes of the picture header in the size; a
    // picture longer than the row data hold is cut.
    const int32_t size =
        std::min({*sizeHigh << 8 | *sizeLow, *width * *height / 8, int32_t{kMaxGroupPicture}});
    picture.width = *width;
    picture.height = *height;
    picture.size = size;
    picture.rowData.fill(0);
    tools::copybytes(body, k + 14, picture.rowData, 0, static_cast<size_t>(size));
    return ringtone;
}

void decodeSpeedDial(std::span<const uint8_t> body, TPhoneBookEntry& entry) {
    if (const auto memory = byteAt(body, 4)) {
        entry.memory = *memory == 0x02 ? memPhone : *memory == 0x03 ? memSim : 8;
    }
    if (const auto location = byteAt(body, 5); location && *location != 0) {
        entry.location = *location;
    }
}

void onPhonebookEntry(std::span<const uint8_t> body) {
    auto& box = mailboxes();
    const auto group = decodeEntry(body, box.phonebook);
    if (showsNoGroup(lib().state.ModelId)) {
        box.phonebook.group.groupName.assign(1, ' ');  // a single blank: no group
    } else if (group) {
        box.phonebook.group.groupName = lib().groupNames.name(*group);
    }
    box.phonebookFlag = 1;
}

void onPhonebookWritten(std::span<const uint8_t>) {
    mailboxes().phonebookFlag = 1;
}

void onMemoryStatus(std::span<const uint8_t> body) {
    decodeMemoryStatus(body, mailboxes().capacity);
    mailboxes().phonebookFlag = 1;
}

void onCallerGroup(std::span<const uint8_t> body) {
    auto& box = mailboxes();
    if (const auto ringtone = decodeCallerGroup(body, box.phonebook)) {
        box.phonebook.group.groupRingtone = *ringtone;
        box.phonebook.group.groupRingtoneName =
            tools::getringtonename(*ringtone, lib().state.ModelCode);
    }
    box.phonebookFlag = 1;
}

void onSpeedDial(std::span<const uint8_t> body) {
    decodeSpeedDial(body, mailboxes().phonebook);
    mailboxes().phonebookFlag = 1;
}

}  // namespace phonelib::nokia
