// Logo uploads and downloads of the Nokia 61xx family.
#include "phonelib/drivers/nokia61xx/logos.h"

#include <algorithm>

#include "phonelib/api/library.h"
#include "phonelib/api/phonelib.h"
#include "phonelib/drivers/nokia61xx/mailboxes.h"

namespace phonelib::nokia {

namespace {

// A download lasts at most this many ticks; it sets its own limit rather
// than rely on whatever the previous request left.
constexpr int32_t kLogoWait = 3;

// Width and height at the given places, then ceil(width x height / 8) data
// bytes from `dataAt`, cut to the record.
bool decodePicture(std::span<const uint8_t> body, size_t widthAt, size_t heightAt, size_t dataAt,
                   std::array<uint8_t, kBitmapBytes>& data, GSMBitmap& logo) {
    if (body.size() <= std::max(widthAt, heightAt)) return false;
    const int32_t width = body[widthAt];
    const int32_t height = body[heightAt];
    const int32_t size = std::min((width * height + 7) / 8, kBitmapBytes);
    if (dataAt + static_cast<size_t>(size) > body.size()) return false;
    logo.width = width;
    logo.height = height;
    logo.size = size;
    data.fill(0);
    std::copy_n(body.begin() + static_cast<long>(dataAt), size, data.begin());
    return true;
}

uint8_t downloadLogo(GSMBitmap& bitmap, uint8_t subCommand, uint8_t kind) {
    auto& box = mailboxes();
    bitmap.size = 0;
    box.logo.size = 0;
    box.logoFlag = 0;
    lib().frames.SendFbusMessage(0x05, {0x00, 0x01, 0x00, subCommand});
    const uint8_t result = lib().waitForFlag(box.logoFlag, kLogoWait);
    // Copied whatever the outcome; callers look at the result.
    bitmap = box.logo;
    bitmap.kind = kind;
    return result;
}

}  // namespace

bool decodeOperatorLogo(std::span<const uint8_t> body, GSMBitmap& logo) {
    if (!decodePicture(body, 11, 12, 14, logo.rowData, logo)) return false;
    logo.kind = bkOperatorLogo;
    return true;
}

bool decodeStartupLogo(std::span<const uint8_t> body, GSMBitmap& logo) {
    constexpr uint8_t kLogoBlock = 0x01;
    if (body.size() < 5) return false;
    size_t at = 5;
    for (int block = 0; block < body[4] && at + 1 < body.size(); ++block) {
        if (body[at] == kLogoBlock) {
            if (!decodePicture(body, at + 2, at + 1, at + 3, logo.stripeData, logo)) return false;
            logo.kind = bkStartupLogo;
            return true;
        }
        // A text block: type, length, text.
        at += 2 + body[at + 1];
    }
    return false;
}

void onOperatorLogo(std::span<const uint8_t> body) {
    if (decodeOperatorLogo(body, mailboxes().logo)) mailboxes().logoFlag = 1;
}

void onStartupLogo(std::span<const uint8_t> body) {
    if (decodeStartupLogo(body, mailboxes().logo)) mailboxes().logoFlag = 1;
}

uint8_t Sendbitmap(GSMBitmap& bitmap) {
    Request request;
    const uint8_t result = logoUploadRequest(bitmap, request);
    // A refused picture gets no tones: they tell the user that it went out.
    if (result == stTooLong || result == stNoSuchLocation) return result;
    if (result == stDone) send(request);
    // Two tones on the phone's buzzer, also when there was nothing to send.
    Peep(440, 100);
    Peep(440, 100);
    return result;
}

uint8_t GetBitmap(GSMBitmap& bitmap) {
    switch (bitmap.kind) {
        case bkOperatorLogo:
            return downloadLogo(bitmap, 0x33, bkOperatorLogo);
        case bkStartupLogo:
            return downloadLogo(bitmap, 0x16, bkStartupLogo);
        case bkCallerGroupLogo: {
            // The group's logo comes with the caller group's phonebook entry.
            const auto read = lib().table.ReadPhoneBookEntry;
            if (!read) return stNotAvailable;
            TPhoneBookEntry entry;
            entry.memory = memCallerGroups;
            entry.location = bitmap.groupIndex;
            entry.group.size = 0;
            entry.group.kind = bkCallerGroupLogo;
            entry.group.groupIndex = bitmap.groupIndex;
            const uint8_t result = read(entry);
            bitmap = entry.group;
            // The answer names the group in the entry, not in its picture.
            bitmap.groupName = entry.name;
            return result;
        }
        default:
            return stNotAvailable;
    }
}

uint8_t DeleteLogo(std::string&, uint8_t) {
    GSMBitmap empty = emptyOperatorLogo();
    return Sendbitmap(empty);
}

}  // namespace phonelib::nokia
