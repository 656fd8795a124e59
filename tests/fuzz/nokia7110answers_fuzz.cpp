// Feeds untrusted message bodies to the decoders of the Nokia 7110 family's
// answers: phonebook blocks, stored messages, folders, calendar notes and
// logos. The sanitizers catch any read past the body; the checks below
// catch records left inconsistent.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "phonelib/drivers/nokia7110/calendar.h"
#include "phonelib/drivers/nokia7110/logos.h"
#include "phonelib/drivers/nokia7110/messages.h"
#include "phonelib/drivers/nokia7110/phonebook.h"
#include "phonelib/drivers/nokia7110/replies.h"

using namespace phonelib::nokia7110;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::span<const uint8_t> body(data, size);

    TPhoneBookEntry entry;
    decodeEntry(body, entry);
    size_t text = entry.name.size();
    for (const auto& number : entry.numbers) text += number.number.size();
    for (const auto& item : entry.texts) text += item.text.size();
    if (text > size || entry.group.size < 0 || entry.group.size > kBitmapBytes) std::abort();

    GSMSMS message;
    if (decodeStoredMessage(body, message) &&
        (message.storedBodyLength < 0 || message.storedBodyLength > kStoredBodyBytes)) {
        std::abort();
    }

    tsmsinfo folders;
    decodeFolderList(body, folders);
    FolderStatus status;
    decodeFolderStatus(body, status);
    if (folders.folderCount > kMaxFolders || status.messageCount > kFolderLocations) std::abort();

    TCalendarEntry note;
    decodeCalendarNote(body, note);
    if (note.text.size() + note.number.size() > size) std::abort();
    TCalendarInfo info;
    decodeCalendarInfo(body, info);

    GSMBitmap logo;
    if (decodeNetworkLogo(body, logo) && (logo.size < 0 || logo.size > kBitmapBytes)) std::abort();
    if (decodeStartupLogo(body, logo) && (logo.size < 0 || logo.size > kBitmapBytes)) std::abort();
    return 0;
}
