// The request table of the Nokia 61xx family, the phone-side mirror of the
// driver's reply table: message type and sub-command select one handler.
#include <array>

#include "phonesim/nokia61xx/requests.h"

namespace phonesim::nokia61xx {

namespace {

constexpr std::array kRequests = {
    RequestRow{0xD1, 0, kAnySubCode, onVersionRequest},
    RequestRow{0x64, 3, 0x10, onIdentityRequest},
    RequestRow{0x40, 2, 0x64, onExtendedCommandsSwitch},
    RequestRow{0x40, 2, 0x66, onImeiRequest},
    RequestRow{0x40, 2, 0xC8, onVersionQuery},
    RequestRow{0x40, 2, 0xCA, onProductionDataRequest},
    RequestRow{0x40, 2, 0xCC, onMakerDetails},
    RequestRow{0x40, 2, 0x8A, onSimLockRequest},
    RequestRow{0x40, 2, 0xB4, onSecurityIdRequest},
    RequestRow{0x40, 2, 0x8F, onBuzzer},
    RequestRow{0x40, 2, 0x7E, onNetMonitor},
    RequestRow{0x01, 3, 0x20, onActiveCallsRequest},
    RequestRow{0x02, 3, 0x0D, onHandshakeStart},
    RequestRow{0x02, 3, 0x20, onCellBroadcast},
    RequestRow{0x0C, 3, 0x40, onKeyTableRequest},
    RequestRow{0x04, 3, 0x01, onStatusRequest},
    RequestRow{0x0A, 3, 0x70, onNetworkRequest},
    // Short messages: sending, reading, the centre; deleting.
    RequestRow{0x02, 3, 0x01, onSubmit},
    RequestRow{0x02, 3, 0x07, onMessageRead},
    RequestRow{0x02, 3, 0x33, onCentreRequest},
    RequestRow{0x02, 3, 0x30, onCentreWrite},
    RequestRow{0x14, 3, 0x0A, onMessageDelete},
    RequestRow{0x14, 3, 0x36, onMessageStatusRequest},
    // The clock
    RequestRow{0x11, 3, 0x62, onClockRead},
    RequestRow{0x11, 3, 0x60, onClockSet},
    // Phonebook: entries, memory status, caller groups, speed dials.
    RequestRow{0x03, 3, 0x01, onPhonebookRead},
    RequestRow{0x03, 3, 0x04, onPhonebookWrite},
    RequestRow{0x03, 3, 0x07, onMemoryStatusRequest},
    RequestRow{0x03, 3, 0x10, onCallerGroupRead},
    RequestRow{0x03, 3, 0x13, onCallerGroupWrite},
    RequestRow{0x03, 3, 0x16, onSpeedDialRead},
    RequestRow{0x03, 3, 0x19, onSpeedDialWrite},
    // Logos, pictures and ringtones
    RequestRow{0x05, 3, 0x30, onOperatorLogoUpload},
    RequestRow{0x05, 3, 0x33, onOperatorLogoRequest},
    RequestRow{0x05, 3, 0x18, onStartupLogoUpload},
    RequestRow{0x05, 3, 0x16, onStartupLogoRequest},
    RequestRow{0x47, 3, 0x03, onPictureImageUpload},
    RequestRow{0x05, 3, 0x36, onRingtoneUpload05},
    RequestRow{0x12, 0, 0x0C, onSmartMessage12},
    RequestRow{0x40, 2, 0x9E, onRingtoneRead},
    // Profiles
    RequestRow{0x05, 3, 0x1A, onProfileNameRequest},
    RequestRow{0x05, 3, 0x13, onProfileFeatureRequest},
    RequestRow{0x05, 3, 0x1C, onProfileNameWrite},
    RequestRow{0x05, 3, 0x10, onProfileFeatureWrite},
    // Call diverts
    RequestRow{0x06, 3, 0x01, onDivertRequest},
    // Calendar
    RequestRow{0x13, 3, 0x66, onCalendarRead},
    RequestRow{0x13, 3, 0x64, onCalendarWrite},
    RequestRow{0x13, 3, 0x68, onCalendarDelete},
    // WAP bookmarks
    RequestRow{0x3F, 3, 0x00, onWapOpen},
    RequestRow{0x3F, 3, 0x06, onBookmarkRead},
    RequestRow{0x3F, 3, 0x0C, onBookmarkClear},
    RequestRow{0x3F, 3, 0x09, onBookmarkWrite},
};

}  // namespace

bool dispatchRequest(Phone& phone, const Message& request) {
    return dispatchRequest(kRequests, phone, request);
}

bool dispatchRequest(std::span<const RequestRow> rows, Phone& phone, const Message& request) {
    for (const auto& row : rows) {
        if (row.type != request.type) continue;
        if (row.subCode != kAnySubCode &&
            (static_cast<size_t>(row.subCodeAt) >= request.body.size() ||
             request.body[static_cast<size_t>(row.subCodeAt)] != row.subCode)) {
            continue;
        }
        row.handle(phone, request.body);
        return true;
    }
    return false;
}

std::vector<uint8_t> latin1(const QString& text) {
    const QByteArray bytes = text.toLatin1();
    return {bytes.begin(), bytes.end()};
}

}  // namespace phonesim::nokia61xx
