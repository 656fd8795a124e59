// The ".lng" language file: an INI-style text with one section "Misc" for
// the keyed texts and one section per window for the texts of its controls.
//
// Values are taken as they stand after the '=' up to the end of the line,
// spaces included (no quoting, no list splitting, no comments within a
// value). The file is read as UTF-8;
// a file that is not valid UTF-8 is read as Windows-1252, the encoding of
// older language files.
#pragma once

#include <QMap>
#include <QString>
#include <optional>

namespace corvina {

class LanguageFile {
  public:
    using Section = QMap<QString, QString>;

    static LanguageFile parse(const QByteArray& text);
    // Nothing when the file cannot be read.
    static std::optional<LanguageFile> read(const QString& path);

    // The raw value; nothing when the section or key is absent.
    std::optional<QString> value(const QString& section, const QString& key) const;
    void setValue(const QString& section, const QString& key, const QString& value);

    const QMap<QString, Section>& sections() const { return sections_; }

    // UTF-8 text with sections and keys in sorted order, "Misc" first.
    QByteArray serialize() const;
    // Written through a temporary file; false when that fails.
    bool write(const QString& path) const;

  private:
    QMap<QString, Section> sections_;
};

}  // namespace corvina
