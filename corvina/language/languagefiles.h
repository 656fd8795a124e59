// Where the language files are and which there are.
#pragma once

#include <QString>
#include <QStringList>

namespace corvina {

// The folder of the shipped language files (beside the program, in the
// installed data folder or in the source tree's data folder).
QString languageFolder();
// The names of the language files in that folder, without extension,
// sorted: "english", "german".
QStringList languageNames();
// The full name of a language file given by its file name ("german.lng").
QString languagePath(const QString& fileName);

}  // namespace corvina
