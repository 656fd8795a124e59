// Small builders for the choice panels of the print selection dialog.
#pragma once

#include <QButtonGroup>
#include <QGroupBox>
#include <QRadioButton>
#include <QStringList>

namespace corvina {

// A titled group of radio buttons numbered 0, 1, …; the first is checked.
QButtonGroup* radioGroup(QWidget* parent, QGroupBox*& box, const char* name, const QString& title,
                         const QStringList& captions);

}  // namespace corvina
