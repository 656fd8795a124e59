// The modules behind the main window's left button column, and which of
// them the connected phone can use.
#pragma once

#include <QRect>
#include <QSize>
#include <cstdint>

namespace corvina {

// Button index in the left column.
enum class Module : int {
    Messages = 0,
    Logos = 1,
    Calendar = 2,
    Phonebook = 3,
    Diverts = 4,
    Profiles = 5,
    Information = 6,
};
constexpr int kModuleCount = 7;

// Whether the phone with this model number offers the module: Siemens ME45,
// C45 and S45 have no diverts and profiles in reach, Nokia 3210 and 51xx
// no calendar.
bool moduleAvailable(Module module, uint8_t modelNumber);

// Where a module window sits in the main window's client area: margins of
// 13/800 of the width and 17/600 of the height (rounded up), widened by 6
// and heightened by 4 pixels.
QRect moduleGeometry(QSize clientArea);

}  // namespace corvina
