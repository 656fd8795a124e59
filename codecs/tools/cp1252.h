// Phone texts are Windows-1252 bytes; Qt texts are Unicode. These two
// convert at the edges (terminal output, widgets) and nowhere else.
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace tools {

QString fromCp1252(std::string_view bytes);
// Characters that Windows-1252 cannot hold become '?'.
std::string toCp1252(const QString& text);

}  // namespace tools
