// Nokia 3310 phones with software older than 4.24 give only the numbers of
// their phonebook, not the names: before a transfer the user is told so.
#pragma once

#include <QString>
#include <cstdint>
#include <optional>

namespace corvina {

// The notice for this phone, or nothing when it needs none. The version is
// read as a decimal number with every "v" and "V" removed; a version that
// is no number needs no notice.
std::optional<QString> phonebookSoftwareNotice(uint8_t modelNumber, const QString& version);

}  // namespace corvina
