// The library calls of the profile window; tests replace them.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "phonelib/api/profilesettings.h"
#include "records/typendefinitionen.h"

namespace corvina {

struct ProfileLibrary {
    std::function<phonelib::ProfileFamily()> family;
    std::function<uint8_t()> modelId;
    std::function<std::string()> modelCode;
    std::function<uint8_t()> downloadGroupnames;
    std::function<std::string(int32_t index)> groupName;
    std::function<uint8_t(TProfile&)> getProfile;
    std::function<uint8_t(const TProfile&)> setProfile;
    std::function<std::optional<phonelib::ProfileSetting>(phonelib::ProfileFamily,
                                                          const TProfile& values, TProfile& codes)>
        phoneCodes;
    std::function<std::string(int32_t number, const std::string& modelCode)> ringtoneName;

    static ProfileLibrary library();
};

}  // namespace corvina
