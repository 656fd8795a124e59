// Reading command arguments and reporting library results in German.
#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>
#include <string>

namespace cli {

// A whole number from min to max; nothing for anything else.
std::optional<int32_t> wholeNumber(const QString& text, int32_t min, int32_t max);

// Removes a flag ("--flash") from the arguments; true when it was there.
bool takeFlag(QStringList& arguments, const QString& flag);
// Removes an option with its value ("--text Hallo"); nothing when absent.
// A missing value is reported and gives an empty string.
std::optional<QString> takeOption(QStringList& arguments, const QString& option);

// What a status byte of the library means, for an error message.
std::string statusText(uint8_t status);
// Prints "what: status text" as an error and returns exit status 1.
int failed(const std::string& what, uint8_t status);
// Prints the usage of a command as an error and returns exit status 2.
int usageError(const char* usage);

}  // namespace cli
