// The upload messages of operator logos, start-up logos and picture images.
//
// Operator logo (type 0x0A): 00 01 01 A3 01 X, network code (3 bytes),
// 00 04, size + 8, width, height, 00, size, 00 00, row data, 00.
// Start-up logo (type 0x7A): 00 01 00 EC 15 00 00 00 04 C0 02 00 height
// C0 03 00 width C0 04, size (16 bits), stripe data.
// Picture image (type 0x14): 00 01 00 50 07 21 00 slot 07, 32 bytes 00, 04,
// 00 00 00 00, 01, width, height, size (16 bits), row data, the text's
// length in characters, the text packed in septets, 01.
// The start-up logo and picture image bodies are one byte longer than what
// they carry; that last byte is sent as 00.
#include "codecs/tools/gsmtext.h"
#include "codecs/tools/hextext.h"
#include "codecs/tools/septets.h"
#include "phonelib/api/status.h"
#include "phonelib/drivers/nokia61xx/logos.h"
#include "phonelib/drivers/nokia7110/logos.h"

namespace phonelib::nokia7110 {

namespace {

void putData(std::vector<uint8_t>& body, const std::array<uint8_t, kBitmapBytes>& data,
             int32_t size) {
    body.insert(body.end(), data.begin(), data.begin() + size);
}

uint8_t operatorLogo(const GSMBitmap& bitmap, std::vector<Request>& requests) {
    if (bitmap.size + 8 > 0xFF) return stTooLong;
    std::string code = tools::hextobytes(bitmap.networkCode);
    code.resize(3, '\0');
    for (const uint8_t copy : {0x00, 0x01}) {
        Request request{0x0A, {0x00, 0x01, 0x01, 0xA3, 0x01, copy}};
        auto& body = request.body;
        body.insert(body.end(), code.begin(), code.end());
        body.insert(body.end(), {0x00, 0x04, lowByte(bitmap.size + 8), lowByte(bitmap.width),
                                 lowByte(bitmap.height), 0x00, lowByte(bitmap.size), 0x00, 0x00});
        putData(body, bitmap.rowData, bitmap.size);
        body.push_back(0x00);
        requests.push_back(std::move(request));
    }
    return stDone;
}

Request startupLogo(const GSMBitmap& bitmap) {
    Request request{0x7A,
                    {0x00,
                     0x01,
                     0x00,
                     0xEC,
                     0x15,
                     0x00,
                     0x00,
                     0x00,
                     0x04,
                     0xC0,
                     0x02,
                     0x00,
                     lowByte(bitmap.height),
                     0xC0,
                     0x03,
                     0x00,
                     lowByte(bitmap.width),
                     0xC0,
                     0x04,
                     highByte(bitmap.size),
                     lowByte(bitmap.size)}};
    putData(request.body, bitmap.stripeData, bitmap.size);
    request.body.push_back(0x00);
    return request;
}

uint8_t pictureImage(const GSMBitmap& bitmap, std::vector<Request>& requests) {
    if (!fitsOneByte(bitmap.location)) return stNoSuchLocation;
    std::string text = bitmap.groupName;
    if (text.size() > 0xFF) return stTooLong;
    tools::latintogsm(text);
    const std::string packed = tools::hextobytes(tools::packseptets(text));
    Request request{0x14,
                    {0x00, 0x01, 0x00, 0x50, 0x07, 0x21, 0x00, lowByte(bitmap.location), 0x07}};
    auto& body = request.body;
    body.insert(body.end(), 32, 0x00);
    body.insert(body.end(), {0x04, 0x00, 0x00, 0x00, 0x00, 0x01, lowByte(bitmap.width),
                             lowByte(bitmap.height), highByte(bitmap.size), lowByte(bitmap.size)});
    putData(body, bitmap.rowData, bitmap.size);
    body.push_back(static_cast<uint8_t>(text.size()));
    body.insert(body.end(), packed.begin(), packed.end());
    body.insert(body.end(), {0x01, 0x00});
    requests.push_back(std::move(request));
    return stDone;
}

}  // namespace

uint8_t logoUploadRequests(const GSMBitmap& bitmap, std::vector<Request>& requests) {
    requests.clear();
    switch (bitmap.kind) {
        case bkOperatorLogo:
        case bkStartupLogo:
        case bkPictureMessage:
            break;
        default:
            return stNotAvailable;
    }
    if (const uint8_t refused = nokia::pictureFitsUpload(bitmap); refused != stDone) return refused;
    switch (bitmap.kind) {
        case bkOperatorLogo:
            return operatorLogo(bitmap, requests);
        case bkStartupLogo:
            requests.push_back(startupLogo(bitmap));
            return stDone;
        default:
            return pictureImage(bitmap, requests);
    }
}

Request startupLogoReadRequest() {
    return {0x7A, {0x00, 0x01, 0x01, 0xEE, 0x15}};
}

}  // namespace phonelib::nokia7110
