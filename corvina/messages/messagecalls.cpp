#include "corvina/messages/messagecalls.h"

#include "phonelib/api/phonelib.h"

namespace corvina {

MessageCalls MessageCalls::library() {
    MessageCalls calls;
    calls.folders = [](tsmsinfo& info) { return phonelib::getsmsinfos(info); };
    calls.read = [](uint8_t folder, int32_t location, GSMSMS& message) {
        return phonelib::GetSMS(folder, location, message);
    };
    calls.send = [](const GSMSMS& message, int32_t recipient, int32_t recipients) {
        return phonelib::SendSMS(message, recipient, recipients);
    };
    calls.remove = [](uint8_t folder, int32_t location) {
        return phonelib::deletesms(folder, location);
    };
    calls.write = [](uint8_t folder, int32_t location, const GSMSMS& message) {
        return phonelib::writesms(folder, location, message);
    };
    calls.centre = [](std::string& number) { return phonelib::GetSMSCenter(number); };
    return calls;
}

MessageFamily messageFamilyOf(uint8_t modelNumber) {
    if (modelNumber <= 9) return MessageFamily::Siemens;
    if (modelNumber <= 17) return MessageFamily::Nokia61xx;
    return MessageFamily::FolderPhone;
}

bool hasMessageFolders(uint8_t modelNumber) {
    return (modelNumber >= 18 && modelNumber <= 21) || modelNumber == 24;
}

}  // namespace corvina
