// Output of the command-line tool: one record per line, fields separated by
// tabs, texts converted from the phone's Windows-1252 to the terminal's UTF-8.
#pragma once

#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

namespace cli {

// A line of tab-separated fields given as Windows-1252 bytes.
void printRecord(std::initializer_list<std::string_view> fields);
// The same for a number of fields known only at run time.
void printFields(std::span<const std::string_view> fields);
// A message to stderr, given in UTF-8.
void printError(const std::string& message);
// A progress note to stderr, overwritten by the next one.
void printProgress(const std::string& message);

}  // namespace cli
