// The built-in German texts of the program as a language file: the keyed
// texts its sources look up and the captions of its windows. The shipped
// german.lng is this file; a test keeps them equal.
#pragma once

#include <QStringList>

#include "corvina/language/languagefile.h"

namespace corvina {

// `sourceFolder`: the program's sources (corvina/). Keys found with two
// different defaults are added to `problems`.
LanguageFile builtInLanguageFile(const QString& sourceFolder, QStringList& problems);

}  // namespace corvina
