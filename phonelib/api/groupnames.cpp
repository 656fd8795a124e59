#include "phonelib/api/groupnames.h"

namespace phonelib {

const std::string& defaultGroupName(int group) {
    static const std::array<std::string, 6> kDefaults = {"Familie",  "VIP",    "Freunde",
                                                         "Kollegen", "Andere", "Keine"};
    static const std::string kNone = "-";
    return group >= 0 && group < static_cast<int>(kDefaults.size()) ? kDefaults[group] : kNone;
}

std::string GroupNames::name(int32_t index) const {
    if (index < 0 || index >= kGroupNames) return "-";
    std::lock_guard lock(mutex_);
    return names_[index];
}

void GroupNames::setName(int32_t index, const std::string& name) {
    if (index < 0 || index >= kGroupNames) return;
    std::lock_guard lock(mutex_);
    names_[index] = name;
}

void GroupNames::setDefaults(const std::vector<std::string>& names) {
    std::lock_guard lock(mutex_);
    for (size_t i = 0; i < names.size() && i < names_.size(); ++i) names_[i] = names[i];
}

int32_t GroupNames::index(const std::string& name) const {
    if (name.empty() || name == " ") return -1;
    std::lock_guard lock(mutex_);
    int32_t found = 0;
    for (int32_t i = 0; i <= 10; ++i) {
        if (names_[i] == name) found = i;
    }
    return found;
}

std::string GroupNames::callerGroupNames(int32_t mask, uint8_t modelId) const {
    std::lock_guard lock(mutex_);
    std::string text;
    for (int bit = 0; bit < 4; ++bit) {
        if (mask & (1 << bit)) text += names_[bit] + ", ";
    }
    if (mask & 0x10) text += names_[4];
    if (text.size() >= 2 && text.compare(text.size() - 2, 2, ", ") == 0)
        text.resize(text.size() - 2);

    const bool family7110 = modelId >= 19 && modelId <= 21;
    if (family7110) {
        if (mask == 0) return names_[12];
        if (mask == 255) return names_[11];
    } else if (mask == 0 || (mask & 0x20)) {
        return "-";
    }
    return text;
}

void GroupNames::setFolderNames(const std::string& first, const std::string& second) {
    std::lock_guard lock(mutex_);
    folders_ = {first, second};
}

std::array<std::string, 2> GroupNames::folderNames() const {
    std::lock_guard lock(mutex_);
    return folders_;
}

}  // namespace phonelib
