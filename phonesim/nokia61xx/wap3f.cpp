// Type 0x3F WAP bookmarks in 15 slots (0 to 14). Every request is answered.
//
//   00 01 01 00            -> 00 01 01 01
//   00 01 01 06 00 i       -> 00 01 01 07 00 i n name m link   (16-bit characters)
//                             00 01 01 08 00 i when slot i is empty or missing
//   00 01 01 0C 00 i 01    -> 00 01 01 0D 00 i (slot i cleared; 0E when missing)
//   00 01 01 09 FF FF n name m link  -> 00 01 01 0A 00 i (stored in the first
//                                       free slot i; 0B when all are taken)
#include "phonesim/nokia61xx/requests.h"

namespace phonesim::nokia61xx {

namespace {

void answer(Phone& phone, std::vector<uint8_t> rest) {
    std::vector<uint8_t> body = {0x00, 0x01, 0x01};
    body.insert(body.end(), rest.begin(), rest.end());
    phone.answer({0x3F, std::move(body)});
}

void putWide(std::vector<uint8_t>& out, const QString& text) {
    out.push_back(static_cast<uint8_t>(text.size()));
    for (const QChar c : text) {
        out.push_back(static_cast<uint8_t>(c.unicode() >> 8));
        out.push_back(static_cast<uint8_t>(c.unicode()));
    }
}

// A length in characters and the 16-bit characters; nothing when the body
// ends inside it.
std::optional<QString> wideAt(std::span<const uint8_t> body, size_t& at) {
    if (at >= body.size()) return std::nullopt;
    const size_t length = body[at++];
    if (body.size() < at + 2 * length) return std::nullopt;
    QString text;
    for (size_t i = 0; i < length; ++i, at += 2)
        text += QChar(static_cast<char16_t>(body[at] << 8 | body[at + 1]));
    return text;
}

int slotOf(std::span<const uint8_t> body) {
    return body.size() > 5 ? body[5] : -1;
}

}  // namespace

void onWapOpen(Phone& phone, std::span<const uint8_t>) {
    answer(phone, {0x01});
}

void onBookmarkRead(Phone& phone, std::span<const uint8_t> body) {
    const int slot = slotOf(body);
    const auto& bookmarks = phone.fixture.data.bookmarks;
    if (slot < 0 || slot >= kBookmarkSlots || !bookmarks[static_cast<size_t>(slot)]) {
        return answer(phone, {0x08, 0x00, static_cast<uint8_t>(slot)});
    }
    const Bookmark& bookmark = *bookmarks[static_cast<size_t>(slot)];
    std::vector<uint8_t> rest = {0x07, 0x00, static_cast<uint8_t>(slot)};
    putWide(rest, bookmark.name);
    putWide(rest, bookmark.link);
    answer(phone, std::move(rest));
}

void onBookmarkClear(Phone& phone, std::span<const uint8_t> body) {
    const int slot = slotOf(body);
    if (slot < 0 || slot >= kBookmarkSlots) {
        return answer(phone, {0x0E, 0x00, static_cast<uint8_t>(slot)});
    }
    phone.fixture.data.bookmarks[static_cast<size_t>(slot)].reset();
    answer(phone, {0x0D, 0x00, static_cast<uint8_t>(slot)});
}

void onBookmarkWrite(Phone& phone, std::span<const uint8_t> body) {
    size_t at = 6;
    const auto name = wideAt(body, at);
    const auto link = name ? wideAt(body, at) : std::nullopt;
    if (!link) return answer(phone, {0x0B, 0x00, 0xFF});
    auto& bookmarks = phone.fixture.data.bookmarks;
    for (size_t slot = 0; slot < bookmarks.size(); ++slot) {
        if (bookmarks[slot]) continue;
        bookmarks[slot] = Bookmark{*name, *link};
        return answer(phone, {0x0A, 0x00, static_cast<uint8_t>(slot)});
    }
    answer(phone, {0x0B, 0x00, 0xFF});
}

}  // namespace phonesim::nokia61xx
