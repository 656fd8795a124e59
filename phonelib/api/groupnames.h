// Caller-group names and the two default SMS folder names.
//
// The table holds indices 0..12: the caller groups and, at 11 and 12, the
// two special names that the Nokia 7110 family shows for "all groups" and
// "no group". The program hands its defaults over at start; reading the
// groups from the phone replaces them. Safe to use from any thread.
#pragma once

#include <array>
#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

namespace phonelib {

constexpr int kGroupNames = 13;

// The names these phones show for groups 0..5 when a group has no name of
// its own.
const std::string& defaultGroupName(int group);

class GroupNames {
  public:
    // "-" for an index outside 0..12.
    std::string name(int32_t index) const;
    void setName(int32_t index, const std::string& name);
    // Copies the names into the table from index 0 on.
    void setDefaults(const std::vector<std::string>& names);

    // -1 for "" and " "; otherwise the highest index 0..10 holding exactly
    // this name, and 0 when none does.
    int32_t index(const std::string& name) const;

    // Readable list of the groups selected by a profile's bit mask.
    std::string callerGroupNames(int32_t mask, uint8_t modelId) const;

    void setFolderNames(const std::string& first, const std::string& second);
    std::array<std::string, 2> folderNames() const;

  private:
    mutable std::mutex mutex_;
    std::array<std::string, kGroupNames> names_;
    std::array<std::string, 2> folders_;
};

}  // namespace phonelib
