// The tips of the day shipped with the program: "tipofday.ini" (German)
// and "tipofday_english.ini", section "Tips" with keys 1 to n ("*|*" for
// a line break) and the number of tips as "Count" in section "CurrentTip".
// The program never writes them; which tip comes next is the user's
// (settings/tipstate.h).
#pragma once

#include <QString>
#include <map>
#include <optional>

namespace corvina {

struct TipFile {
    int count = 0;
    std::map<int, QString> tips;  // by number, 1..count
};

// The shipped file for the language ("de" or "en"); empty when missing.
QString tipFilePath(const QString& language);
// Nothing when the file cannot be read.
std::optional<TipFile> readTipFile(const QString& path);

struct TipChoice {
    int number = 0;
    QString text;
    int next = 1;  // the number to show after it
};

// The tip `wanted`, or the first one after it that exists, wrapping after
// Count; nothing when the file holds no tip.
std::optional<TipChoice> chooseTip(const TipFile& file, int wanted);

}  // namespace corvina
