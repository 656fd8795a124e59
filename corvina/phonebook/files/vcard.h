// The own vCard reader and writer (versions 2.1 to 4.0 read, 3.0 written).
//
//   BEGIN:VCARD
//   VERSION:3.0
//   item1.TEL;TYPE=CELL,PREF:+49 171 555     group, name, parameters, value
//   NOTE:zwei\nZeilen                        escaped: line end, comma, semicolon, backslash
//   PHOTO;ENCODING=b;TYPE=JPEG:/9j/4AAQ...   (long lines folded: CR LF and
//    ...                                      one blank go)
//   END:VCARD
//
// 2.1 cards may give bare types ("TEL;CELL;HOME:"), ENCODING=QUOTED-PRINTABLE
// with soft line breaks ("=" at a line end) and CHARSET. Every property
// keeps the bytes it was read from, so a card written back changes only
// the properties that were changed or added.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

namespace corvina {

struct VCardProperty {
    QString group;      // "item1", or empty
    QString name;       // upper case
    QStringList types;  // lower case: TYPE values, bare 2.1 types, "pref" for PREF=
    QString value;      // decoded (quoted-printable, charset), still escaped
    QByteArray raw;     // the lines read, line ends included; empty for a new property

    // The value with its text escapes undone.
    QString text() const;
    // The components of a structured value (N, ADR, ORG; CATEGORIES split
    // by ","), each unescaped.
    QStringList components(QChar separator = u';') const;
    bool hasType(const QString& type) const { return types.contains(type); }
};

struct VCard {
    std::vector<VCardProperty> properties;
    int firstLine = 0;  // line of BEGIN:VCARD in its file

    const VCardProperty* first(const QString& name) const;
    std::vector<const VCardProperty*> all(const QString& name) const;
    // Replaces the value of the first property `name`, or adds it before END.
    void set(const QString& name, const QString& text, const QStringList& types = {});
    void add(const QString& name, const QString& text, const QStringList& types = {});
    // A value of several parts: N and ADR split by ";", CATEGORIES by ",".
    void addStructured(const QString& name, const QStringList& components,
                       const QStringList& types = {}, QChar separator = u';');
    // The card's bytes: read properties as they were, new ones as 3.0 lines
    // (UTF-8, CR LF, folded at 75 bytes).
    QByteArray encode() const;
};

struct VCardRead {
    std::vector<VCard> cards;
    QString error;        // "Datei x.vcf, Zeile 12: ..." for a damaged file
    QStringList notices;  // cards skipped (over 1 MiB), each named
    bool ok() const { return error.isEmpty(); }
};

class VCardCodec {
  public:
    static constexpr qsizetype kMaxCardBytes = 1024 * 1024;
    static VCardRead decode(const QByteArray& bytes, const QString& path);
    // Text escaping of 3.0 values.
    static QString escaped(const QString& text);
    // One property as folded 3.0 lines.
    static QByteArray propertyLines(const VCardProperty& property);
};

}  // namespace corvina
