#include "corvina/phonebook/phonebookcalls.h"

#include "phonelib/api/phonelib.h"

namespace corvina {

PhonebookCalls PhonebookCalls::library() {
    return {GroupNameCalls::library(),     &phonelib::GetGroupIndex,
            &phonelib::GetCapacity,        &phonelib::GetPhoneInfos,
            &phonelib::ReadPhoneBookEntry, &phonelib::WritePhoneBookEntry,
            &phonelib::GetWAPlink,         &phonelib::WriteWAPlink};
}

}  // namespace corvina
