// The mailboxes only the 7110 family has, beside the shared Nokia ones
// (nokia61xx/mailboxes.h): the folder list and the status of one folder,
// both completed by the short-message flag, and the identity flag of the
// type 0x40 answers.
#pragma once

#include <array>
#include <atomic>
#include <cstdint>

#include "records/typendefinitionen.h"

namespace phonelib::nokia7110 {

struct FolderStatus {
    int32_t messageCount = 0;
    std::array<int32_t, kFolderLocations> locations{};
};

struct Mailboxes {
    tsmsinfo folderList;
    FolderStatus folderStatus;
    // Set by the 0x40 identity answers only, so that the keep-alive's
    // version answers (which set ReplyState, also while an operation runs)
    // cannot end an identity wait early or clear its answer.
    std::atomic<uint8_t> identityFlag{0};
};

// Library thread only.
Mailboxes& mailboxes();

}  // namespace phonelib::nokia7110
