// The text lookup: every user-visible text of the program is looked up by a
// key with its German default, in the loaded language file.
//
// The lookup belongs to the main thread, like the windows that show the
// texts; other threads hand their facts to it and let it phrase them.
#pragma once

#include <QString>
#include <optional>

#include "corvina/language/languagefile.h"

namespace corvina {

class Language {
  public:
    // The program's one lookup.
    static Language& current();

    // Loads the file; when it cannot be read, the built-in German texts stay
    // and the result is false.
    bool load(const QString& path);
    // Back to the built-in German texts.
    void unload();
    bool loaded() const { return file_.has_value(); }
    // The loaded file's name without folder and extension ("english"); empty
    // with the built-in texts.
    QString name() const { return name_; }

    // The value of the key in section "Misc", with "*|*" as line breaks.
    // The default when no file is loaded, or when the file lacks the key or
    // holds "fsdef" for it.
    QString text(const QString& key, const QString& germanDefault) const;

    // The text of a window's control (section = window name); nothing when
    // the built-in text stays: no file, a missing key or "fsdef".
    std::optional<QString> controlText(const QString& window, const QString& key) const;

  private:
    std::optional<LanguageFile> file_;
    QString name_;
};

// "*|*" in a language value stands for a line break.
QString splitLanguageLines(QString value);

// Shorthand for Language::current().text(key, germanDefault). Call it with
// two string literals: the language file generator collects them.
QString tx(const char* key, const char* germanDefault);

}  // namespace corvina
