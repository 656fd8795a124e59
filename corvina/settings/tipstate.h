// Whether and which tip of the day comes at the next start: "Nummer" in
// section "CurrentTip" of "tipofday.ini" in the user's configuration folder.
// 0: no tips at start; n: tip n is the next. Missing: 1 (tips are on by
// default); a value that is not a number reads as 1.
#pragma once

#include <QString>

namespace corvina {

QString tipStatePath();

int readTipNumber(const QString& path = tipStatePath());
// Written through a temporary file; false with the reason in *error.
bool writeTipNumber(int number, QString* error, const QString& path = tipStatePath());

}  // namespace corvina
