#include "corvina/profiles/profilelibrary.h"

#include "phonelib/api/phonelib.h"

namespace corvina {

ProfileLibrary ProfileLibrary::library() {
    ProfileLibrary lib;
    lib.family = &phonelib::GetProfileFamily;
    lib.modelId = [] {
        uint8_t id = 0;
        phonelib::GetModelName(id);
        return id;
    };
    lib.modelCode = &phonelib::GetModelCode;
    lib.downloadGroupnames = &phonelib::DownloadGroupnames;
    lib.groupName = [](int32_t index) {
        std::string name;
        phonelib::GetGroupname(index, name);
        return name;
    };
    lib.getProfile = &phonelib::GetProfile;
    lib.setProfile = &phonelib::SetProfile;
    lib.phoneCodes = &phonelib::ProfilePhoneCodes;
    lib.ringtoneName = &phonelib::getringtonename;
    return lib;
}

}  // namespace corvina
