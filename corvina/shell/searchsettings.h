// The port search of the program: the real library and serial ports, and
// the settings it starts from and keeps a success in.
#pragma once

#include "corvina/connection/searchport.h"

namespace corvina {

SearchPort::Dependencies searchWithStoredSettings();

}  // namespace corvina
