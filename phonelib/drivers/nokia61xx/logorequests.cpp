// The upload messages of logos, pictures and ringtones.
//
// Operator logo (type 0x05): 00 01 00 30 00, network code (3 bytes),
// size + 4 (16 bits, big-endian), 00, width, height, 01, row data.
// Caller-group logo (type 0x03): 00 01 00 13, group, name length, name,
// ringtone, logo on (01/00), size + 4, 00, width, height, 01, row data.
// Start-up logo (type 0x05): 00 01 00 18 01 01, height, width, stripe data,
// 00, width.
// Picture image (type 0x47): 00 01 00 03, location, 00 81 00 00 00, width,
// height, 01, row data.
// The operator logo, start-up logo and picture image bodies are one byte
// longer than what they carry; that last byte is sent as 00.
#include "codecs/tools/hextext.h"
#include "phonelib/api/status.h"
#include "phonelib/drivers/nokia61xx/logos.h"

namespace phonelib::nokia {

namespace {

uint8_t low(int32_t value) {
    return static_cast<uint8_t>(value & 0xFF);
}

void putSizeField(std::vector<uint8_t>& body, int32_t size) {
    body.push_back(static_cast<uint8_t>((size + 4) >> 8));
    body.push_back(low(size + 4));
}

void putData(std::vector<uint8_t>& body, const std::array<uint8_t, kBitmapBytes>& data,
             int32_t size) {
    body.insert(body.end(), data.begin(), data.begin() + size);
}

Request operatorLogo(const GSMBitmap& bitmap) {
    Request request{0x05, {0x00, 0x01, 0x00, 0x30, 0x00}};
    auto& body = request.body;
    std::string code = tools::hextobytes(bitmap.networkCode);
    code.resize(3, '\0');
    body.insert(body.end(), code.begin(), code.end());
    putSizeField(body, bitmap.size);
    body.insert(body.end(), {0x00, low(bitmap.width), low(bitmap.height), 0x01});
    putData(body, bitmap.rowData, bitmap.size);
    body.push_back(0x00);
    return request;
}

Request callerGroupLogo(const GSMBitmap& bitmap) {
    Request request{0x03, {0x00, 0x01, 0x00, 0x13, low(bitmap.groupIndex)}};
    auto& body = request.body;
    body.push_back(static_cast<uint8_t>(bitmap.groupName.size()));
    body.insert(body.end(), bitmap.groupName.begin(), bitmap.groupName.end());
    body.push_back(low(bitmap.groupRingtone));
    body.push_back(bitmap.groupLogoOn != 0 ? 0x01 : 0x00);
    putSizeField(body, bitmap.size);
    body.insert(body.end(), {0x00, low(bitmap.width), low(bitmap.height), 0x01});
    putData(body, bitmap.rowData, bitmap.size);
    return request;
}

Request startupLogo(const GSMBitmap& bitmap) {
    Request request{0x05,
                    {0x00, 0x01, 0x00, 0x18, 0x01, 0x01, low(bitmap.height), low(bitmap.width)}};
    putData(request.body, bitmap.stripeData, bitmap.size);
    request.body.insert(request.body.end(), {0x00, low(bitmap.width), 0x00});
    return request;
}

Request pictureImage(const GSMBitmap& bitmap) {
    Request request{0x47,
                    {0x00, 0x01, 0x00, 0x03, low(bitmap.location), 0x00, 0x81, 0x00, 0x00, 0x00,
                     low(bitmap.width), low(bitmap.height), 0x01}};
    putData(request.body, bitmap.rowData, bitmap.size);
    request.body.push_back(0x00);
    return request;
}

}  // namespace

uint8_t pictureFitsUpload(const GSMBitmap& bitmap) {
    if (bitmap.kind == bkStartupLogo && bitmap.size == 0) return stNotAvailable;
    if (bitmap.size < 0 || bitmap.size > kBitmapBytes || !fitsOneByte(bitmap.width) ||
        !fitsOneByte(bitmap.height)) {
        return stTooLong;
    }
    return stDone;
}

uint8_t logoUploadRequest(const GSMBitmap& bitmap, Request& request) {
    switch (bitmap.kind) {
        case bkOperatorLogo:
        case bkCallerGroupLogo:
        case bkPictureMessage:
        case bkStartupLogo:
            break;
        default:
            return stNotAvailable;
    }
    if (const uint8_t refused = pictureFitsUpload(bitmap); refused != stDone) return refused;
    if (bitmap.kind == bkCallerGroupLogo && bitmap.groupName.size() > 0xFF) return stTooLong;
    if (bitmap.kind == bkPictureMessage && !fitsOneByte(bitmap.location)) return stNoSuchLocation;
    switch (bitmap.kind) {
        case bkOperatorLogo:
            request = operatorLogo(bitmap);
            break;
        case bkCallerGroupLogo:
            request = callerGroupLogo(bitmap);
            break;
        case bkStartupLogo:
            request = startupLogo(bitmap);
            break;
        default:
            request = pictureImage(bitmap);
            break;
    }
    return stDone;
}

GSMBitmap emptyOperatorLogo() {
    GSMBitmap logo;
    logo.kind = bkOperatorLogo;
    logo.width = 72;
    logo.height = 14;
    logo.size = 126;
    logo.networkCode = "00F000";
    return logo;
}

uint8_t ringtoneRequest05(std::span<const uint8_t> ringtone, uint8_t location, Request& request) {
    if (ringtone.size() > 0xFF) return stTooLong;
    request = {0x05,
               {0x00, 0x01, 0x00, 0x36, location, 0x00, static_cast<uint8_t>(ringtone.size())}};
    request.body.insert(request.body.end(), ringtone.begin(), ringtone.end());
    return stDone;
}

Request ringtoneRequest12(std::span<const uint8_t> ringtone) {
    Request request{0x12, {0x0C, 0x01, 0x06, 0x05, 0x04, 0x15, 0x81, 0x15, 0x81}};
    request.body.insert(request.body.end(), ringtone.begin(), ringtone.end());
    request.body.insert(request.body.end(), 8, 0x00);
    return request;
}

}  // namespace phonelib::nokia
