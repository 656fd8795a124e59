#include "corvina/common/callergroupchoices.h"

#include "codecs/tools/cp1252.h"
#include "corvina/language/language.h"
#include "phonelib/api/phonelib.h"

namespace corvina {

namespace {

constexpr int kLastEntryGroup = 5;
constexpr int kLastLogoGroup = 4;

// Names the library gives for a group that has none of its own.
bool meansNoGroup(const std::string& name) {
    return name.find_first_not_of(' ') == std::string::npos || name == "-" || name == "Keine";
}

}  // namespace

GroupNameCalls GroupNameCalls::library() {
    return {&phonelib::DownloadGroupnames, [](int32_t index) {
                std::string name;
                phonelib::GetGroupname(index, name);
                return name;
            }};
}

std::vector<CallerGroupChoice> readCallerGroupChoices(CallerGroupList kind,
                                                      const GroupNameCalls& calls) {
    // Whatever the phone answers, the library's list holds the best names
    // there are: the phone's own, or the defaults it was given.
    calls.download();
    std::vector<CallerGroupChoice> choices;
    if (kind == CallerGroupList::Logos) {
        for (int index = 0; index <= kLastLogoGroup; ++index) {
            QString name = tools::fromCp1252(calls.groupName(index));
            if (name.trimmed().isEmpty() || name == QLatin1String("-")) {
                name = tx("gruppenwahl_1", "Gruppe ") + QString::number(index + 1);
            }
            choices.push_back({index, name});
        }
        return choices;
    }
    for (int index = 0; index <= kLastEntryGroup; ++index) {
        const std::string name = calls.groupName(index);
        if (!meansNoGroup(name)) choices.push_back({index, tools::fromCp1252(name)});
    }
    choices.push_back({});
    return choices;
}

int choicePosition(const std::vector<CallerGroupChoice>& choices, int groupIndex) {
    int blank = -1;
    for (size_t i = 0; i < choices.size(); ++i) {
        if (!choices[i].isBlank() && choices[i].index == groupIndex) return static_cast<int>(i);
        if (choices[i].isBlank() && blank < 0) blank = static_cast<int>(i);
    }
    if (blank >= 0) return blank;
    return choices.empty() ? -1 : 0;
}

}  // namespace corvina
