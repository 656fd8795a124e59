// The type 0x14 requests of stored messages and folders.
//
//   read          00 01 01 07 F L_hi L_lo 01 65
//   delete        00 01 01 0A F L_hi L_lo
//   write         00 01 01 04 01 F L_hi L_lo, the stored body
//   folder list   00 01 01 7A 00 00
//   folder status 00 01 01 6B F 0F 01
//   new folder    00 01 01 77 29, the name as 00 c, 00 00 01 01
#include "phonelib/api/status.h"
#include "phonelib/drivers/nokia7110/messages.h"

namespace phonelib::nokia7110 {

namespace {

}  // namespace

uint8_t messageReadRequest(uint8_t folder, int32_t location, Request& request) {
    if (!fitsSixteenBits(location)) return stNoSuchLocation;
    request = {0x14, {0x00, 0x01, 0x01, 0x07, folder, highByte(location), lowByte(location), 0x01, 0x65}};
    return stDone;
}

uint8_t messageDeleteRequest(uint8_t folder, int32_t location, Request& request) {
    if (!fitsSixteenBits(location)) return stNoSuchLocation;
    request = {0x14, {0x00, 0x01, 0x01, 0x0A, folder, highByte(location), lowByte(location)}};
    return stDone;
}

uint8_t messageWriteRequest(uint8_t folder, int32_t location, const GSMSMS& message,
                            Request& request) {
    if (!fitsSixteenBits(location)) return stNoSuchLocation;
    if (message.storedBodyLength <= 0 || message.storedBodyLength > kStoredBodyBytes) {
        return stTooLong;
    }
    request = {0x14, {0x00, 0x01, 0x01, 0x04, 0x01, folder, highByte(location), lowByte(location)}};
    request.body.insert(request.body.end(), message.storedBody.begin(),
                        message.storedBody.begin() + message.storedBodyLength);
    return stDone;
}

Request folderListRequest() {
    return {0x14, {0x00, 0x01, 0x01, 0x7A, 0x00, 0x00}};
}

Request folderStatusRequest(uint8_t folder) {
    return {0x14, {0x00, 0x01, 0x01, 0x6B, folder, 0x0F, 0x01}};
}

Request folderCreateRequest(const std::string& name) {
    Request request{0x14, {0x00, 0x01, 0x01, 0x77, 0x29}};
    for (const char c : name) {
        request.body.insert(request.body.end(), {0x00, static_cast<uint8_t>(c)});
    }
    request.body.insert(request.body.end(), {0x00, 0x00, 0x01, 0x01});
    return request;
}

}  // namespace phonelib::nokia7110
