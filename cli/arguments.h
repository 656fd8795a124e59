// Reading the arguments of corvina-cli commands and reporting what the
// phone answered, in German.
#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>
#include <string>

namespace cli {

// A whole number from min to max; nothing for anything else.
std::optional<int32_t> wholeNumber(const QString& text, int32_t min, int32_t max);

// The same, with a message on stderr naming `what` when it does not fit.
std::optional<int> numberArgument(const QString& text, const char* what, int low, int high);

// The words of a fixed list, given by name or by position; nothing (and a
// message) otherwise.
std::optional<int> choiceArgument(const QString& text, const char* what, const QStringList& names);

// Removes a flag ("--flash") from the arguments; true when it was there.
bool takeFlag(QStringList& arguments, const QString& flag);
// Removes an option with its value ("--text Hallo"); nothing when absent.
// A missing value is reported and gives an empty string.
std::optional<QString> takeOption(QStringList& arguments, const QString& option);

// What a status byte of the library means.
std::string statusText(uint8_t status);

// Prints "`what`: <meaning> (Status n)" and returns the exit status 1.
int failed(const std::string& what, uint8_t status);

// A run over locations stopped because the link to the phone ended: prints
// "Verbindung zum Telefon verloren nach Platz N" with the last location the
// run dealt with (or "vor Platz M", M the current one, when it dealt with
// none yet) and returns the exit status 1.
int linkLost(std::optional<int32_t> lastDone, int32_t current);

// A command line that does not fit the command: prints the usage, returns 2.
int usageError(const char* usage);

// A terminal text (UTF-8) as the phone's Windows-1252 bytes, and back.
std::string phoneText(const QString& text);
QString terminalText(const std::string& phoneBytes);

// A UTF-8 literal as Windows-1252 bytes, for printRecord.
std::string cp1252(const char* utf8);

}  // namespace cli
