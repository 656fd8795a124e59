#include "corvina/phonebook/files/vcard.h"

#include <QStringDecoder>

#include "corvina/language/language.h"
#include "corvina/phonebook/files/tablegrid.h"

namespace corvina {
namespace {

constexpr int kFoldBytes = 75;

QString unescaped(QStringView text) {
    QString result;
    result.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != u'\\' || i + 1 == text.size()) {
            result += text[i];
            continue;
        }
        const QChar next = text[++i];
        result += (next == u'n' || next == u'N') ? QChar(u'\n') : next;
    }
    return result;
}

QByteArray quotedPrintableDecoded(const QByteArray& text) {
    QByteArray bytes;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == '=' && i + 2 < text.size() &&
            QByteArray("0123456789ABCDEFabcdef").contains(text[i + 1]) &&
            QByteArray("0123456789ABCDEFabcdef").contains(text[i + 2])) {
            bytes += static_cast<char>(text.mid(i + 1, 2).toInt(nullptr, 16));
            i += 2;
        } else if (text[i] == '=' && i + 1 == text.size()) {
            // a soft line break at the very end
        } else {
            bytes += text[i];
        }
    }
    return bytes;
}

QString decodedText(const QByteArray& bytes, const QString& charset) {
    if (!charset.isEmpty() && charset.compare(QStringLiteral("UTF-8"), Qt::CaseInsensitive) != 0) {
        QStringDecoder decoder(charset.toLatin1().constData());
        if (decoder.isValid()) return decoder.decode(bytes);
    }
    return decodeTextFile(bytes);
}

// Parses "group.NAME;PARAM=a,b;BARE:value" into the property.
bool parseLine(const QByteArray& logical, VCardProperty& property) {
    qsizetype colon = -1;
    bool quoted = false;
    for (qsizetype i = 0; i < logical.size(); ++i) {
        if (logical[i] == '"')
            quoted = !quoted;
        else if (logical[i] == ':' && !quoted) {
            colon = i;
            break;
        }
    }
    if (colon <= 0) return false;
    const QString head = QString::fromUtf8(logical.left(colon));
    QStringList parts;
    QString part;
    quoted = false;
    for (const QChar c : head) {
        if (c == u'"')
            quoted = !quoted;
        else if (c == u';' && !quoted) {
            parts.append(part);
            part.clear();
        } else
            part += c;
    }
    parts.append(part);
    QString name = parts.takeFirst();
    const qsizetype dot = name.indexOf(u'.');
    if (dot >= 0) {
        property.group = name.left(dot);
        name = name.mid(dot + 1);
    }
    property.name = name.trimmed().toUpper();
    if (property.name.isEmpty()) return false;
    QString encoding;
    QString charset;
    for (const QString& param : parts) {
        const qsizetype equals = param.indexOf(u'=');
        const QString key = (equals < 0 ? QString() : param.left(equals)).trimmed().toUpper();
        const QString value = equals < 0 ? param.trimmed() : param.mid(equals + 1).trimmed();
        if (equals < 0 || key == QStringLiteral("TYPE")) {
            for (const QString& type : value.split(u',', Qt::SkipEmptyParts))
                property.types.append(type.toLower());
            if (equals < 0 &&
                value.compare(QStringLiteral("QUOTED-PRINTABLE"), Qt::CaseInsensitive) == 0)
                encoding = value.toUpper();
        } else if (key == QStringLiteral("PREF")) {
            property.types.append(QStringLiteral("pref"));
        } else if (key == QStringLiteral("ENCODING")) {
            encoding = value.toUpper();
        } else if (key == QStringLiteral("CHARSET")) {
            charset = value;
        }
    }
    const QByteArray value = logical.mid(colon + 1);
    if (encoding == QStringLiteral("QUOTED-PRINTABLE"))
        property.value = decodedText(quotedPrintableDecoded(value), charset);
    else if (encoding == QStringLiteral("B") || encoding == QStringLiteral("BASE64"))
        property.value = QString::fromLatin1(value);  // binary: only its raw bytes matter
    else
        property.value = decodedText(value, charset);
    return true;
}

bool isQuotedPrintable(const QByteArray& line) {
    const qsizetype colon = line.indexOf(':');
    return colon > 0 && line.left(colon).toUpper().contains("QUOTED-PRINTABLE");
}

// Folds at 75 bytes without splitting a UTF-8 sequence.
QByteArray folded(const QByteArray& line) {
    QByteArray result;
    qsizetype start = 0;
    int limit = kFoldBytes;
    while (line.size() - start > limit) {
        qsizetype end = start + limit;
        while (end > start && (static_cast<unsigned char>(line[end]) & 0xC0) == 0x80) --end;
        result += line.mid(start, end - start) + "\r\n ";
        start = end;
        limit = kFoldBytes - 1;
    }
    return result + line.mid(start) + "\r\n";
}

}  // namespace

QString VCardProperty::text() const {
    return unescaped(value);
}

QStringList VCardProperty::components(QChar separator) const {
    QStringList result;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= value.size(); ++i) {
        if (i < value.size() && value[i] == u'\\') {
            ++i;
            continue;
        }
        if (i == value.size() || value[i] == separator) {
            result.append(unescaped(QStringView(value).mid(start, i - start)));
            start = i + 1;
        }
    }
    return result;
}

const VCardProperty* VCard::first(const QString& name) const {
    for (const VCardProperty& property : properties)
        if (property.name == name) return &property;
    return nullptr;
}

std::vector<const VCardProperty*> VCard::all(const QString& name) const {
    std::vector<const VCardProperty*> found;
    for (const VCardProperty& property : properties)
        if (property.name == name) found.push_back(&property);
    return found;
}

void VCard::set(const QString& name, const QString& text, const QStringList& types) {
    for (VCardProperty& property : properties) {
        if (property.name != name) continue;
        property.value = VCardCodec::escaped(text);
        property.types = types;
        property.group.clear();
        property.raw.clear();
        return;
    }
    add(name, text, types);
}

void VCard::add(const QString& name, const QString& text, const QStringList& types) {
    VCardProperty property;
    property.name = name;
    property.types = types;
    property.value = VCardCodec::escaped(text);
    auto end = properties.end();
    if (!properties.empty() && properties.back().name == QStringLiteral("END")) --end;
    properties.insert(end, std::move(property));
}

void VCard::addStructured(const QString& name, const QStringList& components,
                          const QStringList& types, QChar separator) {
    add(name, QString(), types);
    auto it = properties.end();
    if (properties.back().name == QStringLiteral("END")) --it;
    --it;
    QStringList escapedParts;
    for (const QString& component : components) escapedParts.append(VCardCodec::escaped(component));
    it->value = escapedParts.join(separator);
}

QByteArray VCard::encode() const {
    QByteArray bytes;
    for (const VCardProperty& property : properties)
        bytes += property.raw.isEmpty() ? VCardCodec::propertyLines(property) : property.raw;
    return bytes;
}

QString VCardCodec::escaped(const QString& text) {
    QString result;
    result.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\\')
            result += QStringLiteral("\\\\");
        else if (c == u',')
            result += QStringLiteral("\\,");
        else if (c == u';')
            result += QStringLiteral("\\;");
        else if (c == u'\r') {
            if (i + 1 < text.size() && text[i + 1] == u'\n') ++i;
            result += QStringLiteral("\\n");
        } else if (c == u'\n')
            result += QStringLiteral("\\n");
        else
            result += c;
    }
    return result;
}

QByteArray VCardCodec::propertyLines(const VCardProperty& property) {
    QByteArray line;
    if (!property.group.isEmpty()) line += property.group.toUtf8() + '.';
    line += property.name.toUtf8();
    if (!property.types.isEmpty()) line += ";TYPE=" + property.types.join(u',').toUpper().toUtf8();
    line += ':' + property.value.toUtf8();
    return folded(line);
}

VCardRead VCardCodec::decode(const QByteArray& bytes, const QString& path) {
    VCardRead read;
    // Physical lines with their own bytes (line ends included).
    std::vector<QByteArray> lines;
    qsizetype start = 0;
    while (start < bytes.size()) {
        qsizetype end = bytes.indexOf('\n', start);
        end = end < 0 ? bytes.size() : end + 1;
        lines.push_back(bytes.mid(start, end - start));
        start = end;
    }
    const auto content = [](const QByteArray& line) {
        QByteArray text = line;
        while (text.endsWith('\n') || text.endsWith('\r')) text.chop(1);
        return text;
    };
    bool inCard = false;
    bool skipping = false;
    VCard card;
    qsizetype cardBytes = 0;
    for (size_t l = 0; l < lines.size();) {
        const int lineNumber = static_cast<int>(l) + 1;
        QByteArray raw = lines[l];
        QByteArray logical = content(raw);
        ++l;
        // Folded continuations, and soft line breaks of quoted-printable.
        while (l < lines.size()) {
            const QByteArray next = lines[l];
            if (next.startsWith(' ') || next.startsWith('\t')) {
                logical += content(next).mid(1);
            } else if (logical.endsWith('=') && isQuotedPrintable(logical)) {
                logical.chop(1);  // a soft line break
                logical += content(next);
            } else
                break;
            raw += next;
            ++l;
        }
        if (logical.trimmed().isEmpty()) continue;
        const QByteArray upper = logical.trimmed().toUpper();
        if (upper == "BEGIN:VCARD") {
            if (inCard) {
                read.error = fileLineText(path, lineNumber) +
                             tx("telefonbuchdateien_9",
                                "Eine Visitenkarte beginnt, bevor die vorige endet.");
                read.cards.clear();
                return read;
            }
            inCard = true;
            skipping = false;
            card = VCard();
            card.firstLine = lineNumber;
            cardBytes = 0;
        }
        if (!inCard) continue;
        cardBytes += raw.size();
        if (cardBytes > kMaxCardBytes && !skipping) {
            skipping = true;
            read.notices.append(
                fileLineText(path, card.firstLine) +
                tx("telefonbuchdateien_10", "Visitenkarte größer als 1 MiB, übersprungen."));
        }
        VCardProperty property;
        if (!skipping) {
            if (!parseLine(logical, property)) {
                read.error = fileLineText(path, lineNumber) +
                             tx("telefonbuchdateien_11",
                                "Die Zeile hat keinen Eigenschaftsnamen mit Doppelpunkt.");
                read.cards.clear();
                return read;
            }
            property.raw = raw;
            card.properties.push_back(std::move(property));
        }
        if (upper == "END:VCARD") {
            if (!skipping) read.cards.push_back(std::move(card));
            inCard = false;
        }
    }
    if (inCard) {
        read.error = fileLineText(path, card.firstLine) +
                     tx("telefonbuchdateien_12", "Die Visitenkarte endet nicht (END:VCARD fehlt).");
        read.cards.clear();
    }
    return read;
}

}  // namespace corvina
