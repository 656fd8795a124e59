// What the connected Nokia phone does the way of the 7110 family: model
// ids 18 to 21 keep messages in folders, write calendar notes at the
// location the phone names and code profiles their own way; ids 19 to 21
// also name phonebook locations by 16 bits.
#pragma once

#include <cstdint>

namespace cli {

bool foldersAndNotesOf7110();
bool phonebookOf7110();

// The highest location a request can name: 65535 for the 7110 ways, else 255.
int32_t highestLocation(bool sevenTenWay);

}  // namespace cli
