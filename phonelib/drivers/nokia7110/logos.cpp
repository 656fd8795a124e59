// Logo uploads and downloads and ringtone uploads of the 7110 family.
#include "phonelib/drivers/nokia7110/logos.h"

#include <algorithm>

#include "codecs/tools/phonenumbers.h"
#include "phonelib/api/library.h"
#include "phonelib/api/phonelib.h"
#include "phonelib/drivers/nokia61xx/mailboxes.h"
#include "phonelib/drivers/nokia7110/phonebook.h"
#include "phonelib/drivers/ringtonefile.h"

namespace phonelib::nokia7110 {

namespace {

// A download sets its own limit rather than rely on the previous request's.
constexpr int32_t kLogoWait = 3;
constexpr uint8_t kBinaryRingtoneModel = 21;

void twoTones() {
    Peep(440, 100);
    Peep(440, 100);
}

uint8_t downloadLogo(const Request& request, GSMBitmap& bitmap, uint8_t kind) {
    auto& box = nokia::mailboxes();
    bitmap.size = 0;
    box.logo.size = 0;
    box.logoFlag = 0;
    send(request);
    const uint8_t result = lib().waitForFlag(box.logoFlag, kLogoWait);
    // Copied whatever the outcome; callers look at the result.
    bitmap = box.logo;
    bitmap.kind = kind;
    return result;
}

}  // namespace

bool decodeStartupLogo(std::span<const uint8_t> body, GSMBitmap& logo) {
    if (body.size() < 22) return false;
    const int32_t height = body[13];
    const int32_t width = body[17];
    const int32_t size = (width * height + 7) / 8;
    if (size > kBitmapBytes || 22 + static_cast<size_t>(size) > body.size()) return false;
    logo.kind = bkStartupLogo;
    logo.width = width;
    logo.height = height;
    logo.size = size;
    logo.stripeData.fill(0);
    std::copy_n(body.begin() + 22, size, logo.stripeData.begin());
    return true;
}

void onStartupLogo(std::span<const uint8_t> body) {
    if (decodeStartupLogo(body, nokia::mailboxes().logo)) nokia::mailboxes().logoFlag = 1;
}

uint8_t Sendbitmap(GSMBitmap& bitmap) {
    if (bitmap.kind == bkCallerGroupLogo) {
        Request request;
        if (const uint8_t refused = groupLogoWriteRequest(bitmap, request); refused != stDone) {
            return refused;
        }
        auto& box = nokia::mailboxes();
        box.phonebookFlag = 0;
        send(request);
        const uint8_t result = lib().waitForFlag(box.phonebookFlag, 5);
        twoTones();
        return result;
    }
    std::vector<Request> requests;
    const uint8_t result = logoUploadRequests(bitmap, requests);
    // A refused picture gets no tones: they tell the user that it went out.
    if (result == stTooLong || result == stNoSuchLocation) return result;
    for (const auto& request : requests) send(request);
    twoTones();
    return result;
}

uint8_t GetBitmap(GSMBitmap& bitmap) {
    switch (bitmap.kind) {
        case bkOperatorLogo:
            // The network answer carries the operator logo.
            return downloadLogo({0x0A, {0x00, 0x01, 0x00, 0x70}}, bitmap, bkOperatorLogo);
        case bkStartupLogo:
            return downloadLogo(startupLogoReadRequest(), bitmap, bkStartupLogo);
        case bkCallerGroupLogo: {
            TPhoneBookEntry entry;
            entry.memory = memCallerGroups;
            entry.location = bitmap.groupIndex;
            entry.group.kind = bkCallerGroupLogo;
            const uint8_t result = ReadPhoneBookEntry(entry);
            bitmap = entry.group;
            bitmap.kind = bkCallerGroupLogo;
            bitmap.groupIndex = entry.location;
            // The answer names the group in the entry, not in its picture.
            bitmap.groupName = entry.name;
            return result;
        }
        default:
            return stNotAvailable;
    }
}

uint8_t DeleteLogo(std::string& code, uint8_t) {
    // An operator logo without picture (width and height 0) for the network.
    GSMBitmap empty;
    empty.kind = bkOperatorLogo;
    empty.networkCode = tools::makenetcode(code);
    return Sendbitmap(empty);
}

uint8_t SendRingTone(std::string& fileName, uint8_t location) {
    Request request;
    if (lib().state.ModelId == kBinaryRingtoneModel) {
        const RingtoneText text = loadringtonetext(fileName);
        if (text.status != stDone) return text.status;
        midi::TMidi parser;
        std::vector<midi::TNote> notes;
        if (!parser.parsertttl(text.rtttl, notes).ok()) return stFileUnreadable;
        if (const uint8_t refused = binaryRingtoneRequest(notes, parser.Tempo, location, request);
            refused != stDone) {
            return refused;
        }
        send(request);
        twoTones();
        return stDone;
    }
    const RingtoneBytes ringtone = loadringtone(fileName);
    if (ringtone.status != stDone) return ringtone.status;
    if (const uint8_t refused = ringtoneRequest00(ringtone.bytes, request); refused != stDone) {
        return refused;
    }
    send(request);
    return stDone;
}

}  // namespace phonelib::nokia7110
