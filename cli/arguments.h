// Reading the arguments of corvina-cli commands and reporting what the
// phone answered, in German.
#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>
#include <string>

namespace cli {

// A whole number in [low, high]; nothing (and a message on stderr naming
// `what`) otherwise.
std::optional<int> numberArgument(const QString& text, const char* what, int low, int high);

// The words of a fixed list, given by name or by position; nothing (and a
// message) otherwise.
std::optional<int> choiceArgument(const QString& text, const char* what, const QStringList& names);

// What a status byte of the library means.
std::string statusText(uint8_t status);

// Prints "`what` fehlgeschlagen: <meaning> (Status n)" and returns the exit
// status 1.
int failed(const std::string& what, uint8_t status);

// A command line that does not fit the command: prints the usage, returns 2.
int usageError(const char* usage);

// A terminal text (UTF-8) as the phone's Windows-1252 bytes, and back.
std::string phoneText(const QString& text);
QString terminalText(const std::string& phoneBytes);

// A UTF-8 literal as Windows-1252 bytes, for printRecord.
std::string cp1252(const char* utf8);

}  // namespace cli
