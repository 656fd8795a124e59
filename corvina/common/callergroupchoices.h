// The caller groups a user can pick from, read through the library's group
// name list. Two lists are offered:
// - for phonebook entries the groups 0..5 whose names mean a group (not the
//   placeholder "Keine", nor an empty name or "-"), then one blank item that
//   stands for no group;
// - for caller-group logos the groups 0..4, every one, without a blank item.
// Each item keeps its group index, so a skipped name never shifts the group
// that a choice stands for.
#pragma once

#include <QString>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace corvina {

// The library calls behind the list; tests replace them.
struct GroupNameCalls {
    std::function<uint8_t()> download;              // DownloadGroupnames
    std::function<std::string(int32_t)> groupName;  // GetGroupname

    static GroupNameCalls library();
};

struct CallerGroupChoice {
    int index = -1;  // group 0..5; -1 for the blank item (no group)
    QString name;    // empty for the blank item

    bool isBlank() const { return index < 0; }
    bool operator==(const CallerGroupChoice&) const = default;
};

enum class CallerGroupList {
    Entries,  // groups 0..5 that have a name, then the blank item
    Logos,    // groups 0..4, no blank item
};

// Asks the phone for its group names first; when it cannot be asked (no
// phone, or a phone without groups) the names the library holds serve.
std::vector<CallerGroupChoice> readCallerGroupChoices(CallerGroupList kind,
                                                      const GroupNameCalls& calls);

// The position of the group in the list; a group the list does not hold
// gives the blank item, or the first item of a list without one (-1 for an
// empty list).
int choicePosition(const std::vector<CallerGroupChoice>& choices, int groupIndex);

}  // namespace corvina
