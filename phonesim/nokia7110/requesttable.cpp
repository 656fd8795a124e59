// The request table of the Nokia 7110 family, the phone-side mirror of the
// 7110 driver's reply table, plus the identity requests (0x1B) that other
// FBUS clients send.
#include <array>

#include "phonesim/nokia61xx/requests.h"
#include "phonesim/nokia7110/requests.h"

namespace phonesim::nokia7110 {

namespace {

using nokia61xx::kAnySubCode;
using nokia61xx::RequestRow;

constexpr std::array kRequests = {
    // Identity, buzzer, battery, network and signal.
    RequestRow{0xD1, 0, kAnySubCode, nokia61xx::onVersionRequest},
    RequestRow{0x1B, 3, 0x01, onIdentityRequest},
    RequestRow{0x1B, 3, 0x03, onIdentityRequest},
    RequestRow{0x40, 2, 0x64, nokia61xx::onExtendedCommandsSwitch},
    RequestRow{0x40, 2, 0x66, nokia61xx::onImeiRequest},
    RequestRow{0x40, 2, 0xC8, nokia61xx::onVersionQuery},
    RequestRow{0x40, 2, 0xCA, nokia61xx::onProductionDataRequest},
    RequestRow{0x40, 2, 0x8F, nokia61xx::onBuzzer},
    RequestRow{0x0A, 3, 0x70, onNetworkRequest},
    RequestRow{0x0A, 3, 0x81, onSignalRequest},
    RequestRow{0x0A, 3, 0xA3, onOperatorLogoUpload},
    // Sending and the message centre, as the 61xx family.
    RequestRow{0x02, 3, 0x01, nokia61xx::onSubmit},
    RequestRow{0x02, 3, 0x33, nokia61xx::onCentreRequest},
    // Phonebook.
    RequestRow{0x03, 3, 0x07, onEntryRead},
    RequestRow{0x03, 3, 0x0B, onEntryWrite},
    RequestRow{0x03, 3, 0x0F, onEntryDelete},
    RequestRow{0x03, 3, 0x03, onMemoryStatus},
    // Stored messages, folders and picture images.
    RequestRow{0x14, 3, 0x07, onMessageRead},
    RequestRow{0x14, 3, 0x0A, onMessageDelete},
    RequestRow{0x14, 3, 0x04, onMessageWrite},
    RequestRow{0x14, 3, 0x7A, onFolderList},
    RequestRow{0x14, 3, 0x6B, onFolderStatus},
    RequestRow{0x14, 3, 0x77, onFolderCreate},
    RequestRow{0x14, 3, 0x50, onPictureImageUpload},
    // Calendar.
    RequestRow{0x13, 3, 0x3A, onCalendarInfo},
    RequestRow{0x13, 3, 0x31, onNextLocation},
    RequestRow{0x13, 3, 0x19, onCalendarRead},
    RequestRow{0x13, 3, 0x01, onCalendarWrite},
    RequestRow{0x13, 3, 0x03, onCalendarWrite},
    RequestRow{0x13, 3, 0x05, onCalendarWrite},
    RequestRow{0x13, 3, 0x07, onCalendarWrite},
    RequestRow{0x13, 3, 0x0B, onCalendarDelete},
    // Profiles.
    RequestRow{0x39, 3, 0x01, onProfileRead},
    RequestRow{0x39, 3, 0x03, onProfileWrite},
    // Start-up logo and ringtones.
    RequestRow{0x7A, 3, 0xEC, onStartupLogoUpload},
    RequestRow{0x7A, 3, 0xEE, onStartupLogoRequest},
    RequestRow{0x1F, 3, 0x1F, onBinaryRingtoneUpload},
    RequestRow{0x00, 0, 0x7C, onRingtoneUpload00},
    // Call diverts and WAP bookmarks, as the 61xx family.
    RequestRow{0x06, 3, 0x01, nokia61xx::onDivertRequest},
    RequestRow{0x3F, 3, 0x00, nokia61xx::onWapOpen},
    RequestRow{0x3F, 3, 0x06, nokia61xx::onBookmarkRead},
    RequestRow{0x3F, 3, 0x0C, nokia61xx::onBookmarkClear},
    RequestRow{0x3F, 3, 0x09, nokia61xx::onBookmarkWrite},
};

// The 8310 keeps its phonebook, caller groups, speed dials, logos, picture
// images and ringtones as the 61xx phones do.
bool takes61xxLayout(const Phone& phone, uint8_t type) {
    return phone.fixture.identity.modelCode == QLatin1String("NHM-7") &&
           (type == 0x03 || type == 0x05 || type == 0x47);
}

}  // namespace

bool dispatchRequest(Phone& phone, const Message& request) {
    if (takes61xxLayout(phone, request.type)) return nokia61xx::dispatchRequest(phone, request);
    return nokia61xx::dispatchRequest(kRequests, phone, request);
}

std::vector<uint8_t> wide(const QString& text) {
    std::vector<uint8_t> bytes;
    for (const uint8_t c : nokia61xx::latin1(text)) bytes.insert(bytes.end(), {0x00, c});
    return bytes;
}

QString fromWide(std::span<const uint8_t> bytes) {
    QString text;
    for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const auto c = static_cast<char16_t>(bytes[i] << 8 | bytes[i + 1]);
        if (c == 0) break;
        text += QChar(c);
    }
    return text;
}

}  // namespace phonesim::nokia7110
