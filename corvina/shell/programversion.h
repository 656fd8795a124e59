// The program's version, from the build.
#pragma once

#include <QString>

namespace corvina {

// "Corvina 0.1.0": the name and major.minor.patch.
QString programVersionText();

}  // namespace corvina
