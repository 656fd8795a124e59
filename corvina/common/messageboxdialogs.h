// UserDialogs shown as message boxes that do not block: each opens over the
// parent window and answers through its callback when the user closes it.
#pragma once

#include <QWidget>

#include "corvina/common/userdialogs.h"

namespace corvina {

UserDialogs messageBoxDialogs(QWidget* parent);

}  // namespace corvina
