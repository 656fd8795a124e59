// Type 0x14, stored messages in named folders. Answers repeat 00 01 00 and
// a sub-code; F is a folder id, L a location (16 bits).
//
//   07 F L_hi L_lo 01 65          read
//     → 08, read state (01 read, 03 not read, 05 sent, 07 not sent), F,
//       L_hi L_lo, the stored form (storedform.h), 00
//     → 09 02 no such folder, 09 07 empty location
//   0A F L_hi L_lo                delete → 0B F L_hi L_lo, or 0C 02 nothing there
//   04 state F L_hi L_lo form     write (state 01 read, 03 not read; L 0:
//                                 the first free location)
//     → 05 F L_hi L_lo, or 03 when the folder is unknown, the location
//       taken or the form unreadable (a message is never overwritten)
//   7A 00 00                      folder list → 7B, count, then per folder
//                                 its id and its name as 16-bit characters
//                                 closed by 00 00
//   6B F 0F 01                    folder status → 6C, count (16 bits), the
//                                 locations (16 bits each; none for an
//                                 unknown folder)
//   77 29 name 00 00 01 01        new folder (name as 16-bit characters)
//     → 78, the new folder's id (8 past the highest)
//
// By itself, type 0x02: 00 01 00 10 F L_hi L_lo, a message came in and lies
// in folder F at L.
#include "phonesim/nokia7110/requests.h"
#include "phonesim/nokia7110/storedform.h"

namespace phonesim::nokia7110 {

namespace {

constexpr size_t kFormAt = 8;
constexpr int kFolderStep = 8;

MessageFolder* folderOf(Fixture& fixture, int id) {
    for (auto& folder : fixture.messages.folders) {
        if (folder.id == id) return &folder;
    }
    return nullptr;
}

uint8_t readState(const StoredMessage& message) {
    if (message.status == 2) return message.unread ? 0x07 : 0x05;
    return message.unread ? 0x03 : 0x01;
}

void answer(Phone& phone, std::vector<uint8_t> body) {
    body.insert(body.begin(), {0x00, 0x01, 0x00});
    phone.answer({0x14, std::move(body)});
}

int firstFreeLocation(const MessageFolder& folder) {
    int location = 1;
    while (folder.messages.contains(location)) ++location;
    return location;
}

}  // namespace

void onMessageRead(Phone& phone, std::span<const uint8_t> body) {
    if (body.size() < 7) return answer(phone, {0x09, 0x02});
    const MessageFolder* folder = folderOf(phone.fixture, body[4]);
    if (!folder) return answer(phone, {0x09, 0x02});
    const uint16_t location = wordAt(body, 5);
    const auto stored = folder->messages.find(location);
    if (stored == folder->messages.end()) return answer(phone, {0x09, 0x07});
    std::vector<uint8_t> message = {0x08, readState(stored->second), body[4], body[5], body[6]};
    const auto form = storedForm(stored->second, phone.fixture.messages.centre);
    message.insert(message.end(), form.begin(), form.end());
    message.push_back(0x00);
    answer(phone, std::move(message));
}

void onMessageDelete(Phone& phone, std::span<const uint8_t> body) {
    MessageFolder* folder = body.size() >= 7 ? folderOf(phone.fixture, body[4]) : nullptr;
    if (!folder || folder->messages.erase(wordAt(body, 5)) == 0) {
        return answer(phone, {0x0C, 0x02});
    }
    answer(phone, {0x0B, body[4], body[5], body[6]});
}

void onMessageWrite(Phone& phone, std::span<const uint8_t> body) {
    MessageFolder* folder = body.size() > kFormAt ? folderOf(phone.fixture, body[5]) : nullptr;
    if (!folder) return answer(phone, {0x03});
    auto message = messageFromStoredForm(body.subspan(kFormAt));
    int location = wordAt(body, 6);
    if (location == 0) location = firstFreeLocation(*folder);
    if (!message || folder->messages.contains(location)) return answer(phone, {0x03});
    message->unread = (body[4] & 0x02) != 0;
    folder->messages[location] = *message;
    answer(phone,
           {0x05, body[5], static_cast<uint8_t>(location >> 8), static_cast<uint8_t>(location)});
}

void onFolderList(Phone& phone, std::span<const uint8_t>) {
    const auto& folders = phone.fixture.messages.folders;
    std::vector<uint8_t> list = {0x7B, static_cast<uint8_t>(folders.size())};
    for (const auto& folder : folders) {
        list.push_back(static_cast<uint8_t>(folder.id));
        const auto name = wide(folder.name);
        list.insert(list.end(), name.begin(), name.end());
        list.insert(list.end(), {0x00, 0x00});
    }
    answer(phone, std::move(list));
}

void onFolderStatus(Phone& phone, std::span<const uint8_t> body) {
    const MessageFolder* folder = body.size() > 4 ? folderOf(phone.fixture, body[4]) : nullptr;
    const size_t count = folder ? folder->messages.size() : 0;
    std::vector<uint8_t> status = {0x6C, static_cast<uint8_t>(count >> 8),
                                   static_cast<uint8_t>(count)};
    if (folder) {
        for (const auto& [location, message] : folder->messages) {
            status.insert(status.end(),
                          {static_cast<uint8_t>(location >> 8), static_cast<uint8_t>(location)});
        }
    }
    answer(phone, std::move(status));
}

void onFolderCreate(Phone& phone, std::span<const uint8_t> body) {
    if (body.size() < 5) return;
    auto& folders = phone.fixture.messages.folders;
    int id = 0;
    for (const auto& folder : folders) id = std::max(id, folder.id);
    id += kFolderStep;
    if (id > 0xFF) return answer(phone, {0x03});
    folders.push_back({id, fromWide(body.subspan(5)), {}});
    answer(phone, {0x78, static_cast<uint8_t>(id)});
}

std::optional<Message> storeArrival(Fixture& fixture, const StoredMessage& message) {
    if (fixture.messages.folders.empty()) return std::nullopt;
    MessageFolder& inbox = fixture.messages.folders.front();
    const int location = firstFreeLocation(inbox);
    if (location > 0xFFFF) return std::nullopt;
    StoredMessage arrived = message;
    arrived.status = 0;
    arrived.unread = true;
    inbox.messages[location] = arrived;
    return Message{0x02,
                   {0x00, 0x01, 0x00, 0x10, static_cast<uint8_t>(inbox.id),
                    static_cast<uint8_t>(location >> 8), static_cast<uint8_t>(location)}};
}

}  // namespace phonesim::nokia7110
