// Applies the loaded language file to a window: its caption and the
// captions and hints of its controls.
//
// The window's object name is the section; a control takes part when it has
// an object name and is not marked dynamic (its text set by the program at
// run time). Keys: "<window>.Caption", "<window>.<control>.Caption" and
// "<window>.<control>.Hint". Tab pages take their tab caption.
#pragma once

#include <QWidget>

#include "corvina/language/languagefile.h"

namespace corvina {

// Gives a control the name under which the language file knows it.
template <class W>
W* named(W* control, const char* name) {
    control->setObjectName(QString::fromLatin1(name));
    return control;
}

// Marks a named control whose text the program sets at run time.
void markDynamic(QWidget* control);
// Marks a module window that is laid into the main window: its controls
// form a section of their own, named after it.
void markSection(QWidget* moduleWindow);

// Sets every text of the window from the loaded language; texts the file
// does not name (or names "fsdef") return to their built-in German.
void applyLanguage(QWidget* window);

// The built-in texts of the window by key, for the language file generator.
LanguageFile::Section builtInTexts(QWidget* window);

}  // namespace corvina
