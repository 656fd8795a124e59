// The file dialog for saving a text file (".txt"): it opens without blocking
// and hands the chosen path on.
#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace corvina {

void chooseTextFileToSave(QWidget* parent, std::function<void(const QString& path)> save);

}  // namespace corvina
