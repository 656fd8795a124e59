// Identity of a 61xx phone: the version text that answers the 0xD1 request
// of set-up and keep-alive, and the 0x64 identity of model ids 14 and 15.
#include "phonelib/api/library.h"
#include "phonelib/drivers/bodytext.h"
#include "phonelib/drivers/nokia61xx/procedures.h"
#include "phonelib/drivers/nokia61xx/replies.h"

namespace phonelib::nokia {

namespace {
constexpr uint8_t kLineFeed = 0x0A;
constexpr size_t kVersionTextStart = 4;
constexpr size_t kIdentity64Start = 9;
}  // namespace

VersionText decodeVersionText(std::span<const uint8_t> body) {
    VersionText text;
    text.softwareVersion = textUntil(body, kVersionTextStart, kLineFeed);
    const size_t dateLine = afterTerminator(body, kVersionTextStart, kLineFeed);
    const size_t modelLine = afterTerminator(body, dateLine, kLineFeed);
    if (dateLine < body.size()) text.modelCode = textUntil(body, modelLine, kLineFeed);
    return text;
}

Identity64 decodeIdentity64(std::span<const uint8_t> body) {
    Identity64 identity;
    size_t pos = kIdentity64Start;
    for (std::string* field : {&identity.imei, &identity.modelCode, &identity.productionData,
                               &identity.hardwareVersion}) {
        *field = textUntil(body, pos, 0x00);
        pos = afterTerminator(body, pos, 0x00);
    }
    return identity;
}

void onVersionText(std::span<const uint8_t> body) {
    const auto text = decodeVersionText(body);
    lib().phoneInfo.softwareVersion = text.softwareVersion;
    lib().state.ModelCode = text.modelCode;
    lib().state.ReplyState = 1;
}

void onIdentity64(std::span<const uint8_t> body) {
    const auto identity = decodeIdentity64(body);
    auto& box = lib().phoneInfo;
    box.serialNumber = identity.imei;
    lib().state.ModelCode = identity.modelCode;
    box.productionData = identity.productionData;
    box.hardwareVersion = identity.hardwareVersion;
    lib().state.ReplyState = 1;
}

uint8_t GetPhoneInfos64(TPhoneInfo& info) {
    auto& library = lib();
    library.state.ReplyState = 0;
    library.frames.SendFbusMessage(0x64, {0x00, 0x01, 0x00, 0x10});
    const uint8_t result = library.waitForReply(2);
    // Copied whatever the outcome: callers look at the result.
    info = library.phoneInfoRecord();
    return result;
}

}  // namespace phonelib::nokia
