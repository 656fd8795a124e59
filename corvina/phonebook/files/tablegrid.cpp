#include "corvina/phonebook/files/tablegrid.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

#include "codecs/tools/cp1252.h"
#include "corvina/language/language.h"

namespace corvina {

std::vector<UnencodableCharacter> unencodableCharacters(const TableGrid& rows) {
    std::vector<UnencodableCharacter> found;
    for (size_t r = 0; r < rows.size(); ++r) {
        for (size_t c = 0; c < rows[r].size(); ++c) {
            const QString& text = rows[r][c].text;
            for (const QChar ch : text) {
                if (ch.unicode() < 0x80 || ch == u'?') continue;
                if (tools::toCp1252(QString(ch)) == "?")
                    found.push_back({static_cast<int>(r) + 1, static_cast<int>(c), ch});
            }
        }
    }
    return found;
}

QString decodeTextFile(const QByteArray& bytes) {
    if (bytes.startsWith("\xEF\xBB\xBF")) return QString::fromUtf8(bytes.mid(3));
    bool ascii = true;
    for (const char b : bytes) {
        if (static_cast<unsigned char>(b) >= 0x80) {
            ascii = false;
            break;
        }
    }
    if (ascii) return QString::fromLatin1(bytes);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError()) return text;
    return tools::fromCp1252(
        std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
}

QString fileLineText(const QString& path, int line) {
    return tx("telefonbuchdateien_1", "Datei ") + QFileInfo(path).fileName() +
           tx("telefonbuchdateien_2", ", Zeile ") + QString::number(line) + QStringLiteral(": ");
}

std::optional<QByteArray> readTableFileBytes(const QString& path, QString* error) {
    const QString name =
        tx("telefonbuchdateien_1", "Datei ") + QFileInfo(path).fileName() + QStringLiteral(": ");
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = name + file.errorString();
        return std::nullopt;
    }
    if (file.size() > kMaxTableFileBytes) {
        *error = name + tx("telefonbuchdateien_3",
                           "Die Datei ist größer als 64 MiB und wird nicht gelesen.");
        return std::nullopt;
    }
    QByteArray bytes = file.readAll();
    if (file.error() != QFile::NoError) {
        *error = name + file.errorString();
        return std::nullopt;
    }
    return bytes;
}

bool writeTableFileBytes(const QString& path, const QByteArray& bytes, QString* error) {
    // The data folder does not exist before the program's first file.
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        return true;
    *error = tx("telefonbuchdateien_1", "Datei ") + QFileInfo(path).fileName() +
             QStringLiteral(": ") + file.errorString();
    return false;
}

}  // namespace corvina
