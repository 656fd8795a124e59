// Which help page a window or dialog belongs to: F1 opens the page of the
// nearest widget, from the one with the focus outwards, that names one.
#pragma once

#include <QString>

class QWidget;

namespace corvina {

void setHelpPage(QWidget* widget, const QString& page);
// The page of the widget or of its nearest parent that names one; empty
// when none does.
QString helpPageOf(const QWidget* widget);

}  // namespace corvina
