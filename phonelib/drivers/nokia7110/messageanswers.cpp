// The type 0x14 answers of stored messages and folders.
//
//   08  the message: 4 read state (bit 1: not read yet / not sent), 5 the
//       folder, 6-7 the location, from 8 the stored form (status at 8, then
//       the 61xx layout one byte later), one more byte at the end
//   09  read error: 4 = 02 no such location, 07 empty
//   7B  folder list: 4 count, then per folder its id and its name as 16-bit
//       characters closed by a character with low byte 0
//   6C  folder status: 4-5 count, then the locations (16 bits each)
#include <algorithm>

#include "phonelib/drivers/nokia61xx/messages.h"
#include "phonelib/drivers/nokia7110/messages.h"

namespace phonelib::nokia7110 {

namespace {

constexpr size_t kStoredFrom = 8;
// The folder byte at 5 puts every later field one byte after its place in
// the 61xx answer.
constexpr size_t kFieldShift = 1;

}  // namespace

bool decodeStoredMessage(std::span<const uint8_t> body, GSMSMS& message) {
    if (body.size() <= kStoredFrom) return false;
    if (!nokia::decodeStoredMessage(body, message, kFieldShift)) return false;
    message.location = body[6] << 8 | body[7];

    const size_t stored = body.size() - kStoredFrom - 1;
    message.storedBody.fill(0);
    if (stored > static_cast<size_t>(kStoredBodyBytes)) {
        message.storedBodyLength = 0;
        return true;
    }
    std::copy_n(body.begin() + kStoredFrom, stored, message.storedBody.begin());
    message.storedBodyLength = static_cast<int32_t>(stored);
    return true;
}

bool decodeFolderList(std::span<const uint8_t> body, tsmsinfo& folders) {
    if (body.size() < 5) return false;
    const int32_t announced = std::min<int32_t>(body[4], kMaxFolders);
    int32_t count = 0;
    size_t p = 5;
    while (count < announced && p < body.size()) {
        tsmsfolder& folder = folders.folders[static_cast<size_t>(count)];
        folder.folderId = body[p++];
        folder.folderName.clear();
        folder.messageCount = 0;
        for (; p + 1 < body.size(); p += 2) {
            if (body[p + 1] == 0x00) break;
            folder.folderName.push_back(static_cast<char>(body[p + 1]));
        }
        p += 2;  // past the closing character
        ++count;
    }
    folders.folderCount = count;
    return true;
}

bool decodeFolderStatus(std::span<const uint8_t> body, FolderStatus& status) {
    if (body.size() < 6) return false;
    const size_t announced = static_cast<size_t>(body[4] << 8 | body[5]);
    const size_t count =
        std::min({announced, (body.size() - 6) / 2, static_cast<size_t>(kFolderLocations)});
    status.locations.fill(0);
    for (size_t i = 0; i < count; ++i) {
        status.locations[i] = body[6 + 2 * i] << 8 | body[7 + 2 * i];
    }
    status.messageCount = static_cast<int32_t>(count);
    return true;
}

}  // namespace phonelib::nokia7110
