// Feeds untrusted message bodies to the decoders of the Nokia answers for
// logos, profiles, diverts, calendar notes and WAP bookmarks. The first byte
// picks the model id; the rest is the body. The sanitizers catch any read
// past the body; the checks below catch records left inconsistent.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "phonelib/drivers/nokia61xx/calendar.h"
#include "phonelib/drivers/nokia61xx/diverts.h"
#include "phonelib/drivers/nokia61xx/logos.h"
#include "phonelib/drivers/nokia61xx/profiles.h"
#include "phonelib/drivers/nokia7110/wap.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const uint8_t modelId = data[0];
    const std::span<const uint8_t> body(data + 1, size - 1);

    GSMBitmap logo;
    if (phonelib::nokia::decodeOperatorLogo(body, logo) &&
        (logo.size < 0 || logo.size > kBitmapBytes)) {
        std::abort();
    }
    if (phonelib::nokia::decodeStartupLogo(body, logo) &&
        (logo.size < 0 || logo.size > kBitmapBytes)) {
        std::abort();
    }

    TProfile profile;
    phonelib::nokia::decodeProfileName(body, modelId, profile);
    if (profile.name.size() > body.size()) std::abort();
    phonelib::nokia::decodeProfileFeature(body);

    TDivert divert;
    if (phonelib::nokia::decodeDivert(body, divert) && (divert.reason > 3 || divert.callClass > 2))
        std::abort();

    TCalendarEntry note;
    phonelib::nokia::decodeCalendarNote(body, modelId, note);
    if (note.text.size() + note.number.size() > body.size()) std::abort();

    TWap bookmarks;
    for (int i = 0; i < kWapLinks + 2; ++i) phonelib::nokia7110::decodeBookmark(body, bookmarks);
    if (bookmarks.count > kWapLinks) std::abort();
    return 0;
}
