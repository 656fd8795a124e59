// Reading and writing WAP bookmarks.
//
//   00 01 01 00             open                 -> any answer
//   00 01 01 06 00 i        read bookmark i      -> 00 01 01 07 ... (others: none there)
//   00 01 01 0C 00 i 01     clear location i     -> any answer
//   00 01 01 09 FF FF ...   write a new bookmark -> any answer
//
// A bookmark answer: name length in characters at 6, the name as 16-bit
// characters from 7, then the link's length and characters.
#include "phonelib/drivers/nokia7110/wap.h"

#include <algorithm>

#include "phonelib/api/library.h"
#include "phonelib/drivers/bodytext.h"
#include "phonelib/drivers/nokia61xx/mailboxes.h"

namespace phonelib::nokia7110 {

namespace {

constexpr int32_t kOpenWait = 5;
constexpr int32_t kBookmarkWait = 2;
constexpr uint8_t kClearedLocations = 16;

uint8_t exchange(const Request& request, int32_t limit) {
    auto& box = nokia::mailboxes();
    box.wapFlag = 0;
    send(request);
    return lib().waitForFlag(box.wapFlag, limit);
}

void putWide(std::vector<uint8_t>& body, const std::string& text) {
    body.push_back(static_cast<uint8_t>(text.size()));
    for (const char c : text) body.insert(body.end(), {0x00, static_cast<uint8_t>(c)});
}

std::string withoutNul(std::string text) {
    std::erase(text, '\0');
    return text;
}

}  // namespace

Request wapOpenRequest() {
    return {0x3F, {0x00, 0x01, 0x01, 0x00}};
}

Request bookmarkReadRequest(uint8_t index) {
    return {0x3F, {0x00, 0x01, 0x01, 0x06, 0x00, index}};
}

Request bookmarkClearRequest(uint8_t index) {
    return {0x3F, {0x00, 0x01, 0x01, 0x0C, 0x00, index, 0x01}};
}

uint8_t bookmarkWriteRequest(const std::string& name, const std::string& link, Request& request) {
    if (name.size() > 0xFF || link.size() > 0xFF) return stTooLong;
    request = {0x3F, {0x00, 0x01, 0x01, 0x09, 0xFF, 0xFF}};
    putWide(request.body, name);
    putWide(request.body, link);
    // The message is one byte longer than what it carries.
    request.body.push_back(0x00);
    return stDone;
}

bool decodeBookmark(std::span<const uint8_t> body, TWap& bookmarks) {
    if (body.size() < 7 || bookmarks.count < 0 || bookmarks.count >= kWapLinks) return false;
    const size_t nameBytes = 2 * size_t{body[6]};
    const size_t linkLengthAt = 7 + nameBytes;
    if (linkLengthAt >= body.size()) return false;
    const size_t linkBytes = 2 * size_t{body[linkLengthAt]};
    if (linkLengthAt + 1 + linkBytes > body.size()) return false;
    const int index = bookmarks.count;
    bookmarks.names[index] = withoutNul(bytesAt(body, 7, nameBytes));
    bookmarks.links[index] = withoutNul(bytesAt(body, linkLengthAt + 1, linkBytes));
    bookmarks.count = index + 1;
    return true;
}

void onWapAnswer(std::span<const uint8_t> body) {
    auto& box = nokia::mailboxes();
    if (body.size() > 3 && body[3] == 0x07) decodeBookmark(body, box.wap);
    box.wapFlag = 1;
}

uint8_t GetWAPlink(TWap& bookmarks) {
    bookmarks.count = 0;
    bookmarks.names.fill({});
    bookmarks.links.fill({});
    uint8_t result = exchange(wapOpenRequest(), kOpenWait);
    if (result == stNoAnswer) return result;
    auto& box = nokia::mailboxes();
    box.wap = TWap{};
    for (uint8_t index = 0; index < kWapLinks; ++index) {
        result = exchange(bookmarkReadRequest(index), kBookmarkWait);
        if (result == stNoAnswer) return result;
        bookmarks = box.wap;
    }
    return result;
}

uint8_t WriteWAPlink(TWap& bookmarks) {
    // Everything is checked before the phone's bookmarks are cleared.
    if (bookmarks.count < 0 || bookmarks.count > kWapLinks) return stTooLong;
    std::vector<Request> writes(static_cast<size_t>(bookmarks.count));
    for (int j = 0; j < bookmarks.count; ++j) {
        if (const uint8_t refused =
                bookmarkWriteRequest(bookmarks.names[j], bookmarks.links[j], writes[j]);
            refused != stDone) {
            return refused;
        }
    }
    uint8_t result = stNoAnswer;
    for (uint8_t index = 0; index < kClearedLocations; ++index) {
        result = exchange(bookmarkClearRequest(index), kBookmarkWait);
        if (result == stNoAnswer) return result;
    }
    for (const Request& write : writes) {
        result = exchange(write, kBookmarkWait);
        if (result == stNoAnswer) return result;
    }
    return result;
}

}  // namespace phonelib::nokia7110
