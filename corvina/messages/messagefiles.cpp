#include "corvina/messages/messagefiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <algorithm>
#include <optional>

#include "codecs/tools/cp1252.h"
#include "corvina/language/language.h"
#include "corvina/messages/messagestore.h"

namespace corvina {

namespace {

constexpr int kTemplateRecord = 512;
constexpr int kTemplateField = 256;
constexpr int kListRecord = 277;
constexpr int kListNameField = 21;
constexpr int kMembersField = 256;
constexpr qint64 kFileLimit = 64 * 1024 * 1024;

// A short string: length byte, then the characters, padded to `field`.
void putShortString(QByteArray& out, const std::string& bytes, int field) {
    const int length = std::min<int>(static_cast<int>(bytes.size()), field - 1);
    QByteArray value(field, '\0');
    value[0] = static_cast<char>(length);
    std::copy_n(bytes.begin(), length, value.begin() + 1);
    out += value;
}

// The short string at `at`; nothing when its length byte passes its field.
std::optional<QString> shortString(const QByteArray& bytes, qsizetype at, int field) {
    const int length = static_cast<uint8_t>(bytes[at]);
    if (length > field - 1) return std::nullopt;
    return tools::fromCp1252(
        std::string_view(bytes.constData() + at + 1, static_cast<size_t>(length)));
}

template <typename Record>
bool readWhole(const QString& path, FileRead<Record>& read, QByteArray& bytes) {
    QFile file(path);
    if (!file.exists()) {
        read.missing = true;
        return false;
    }
    if (file.size() > kFileLimit) {
        read.error =
            tx("sms2_50", "%1: die Datei ist zu groß.").arg(QDir::toNativeSeparators(path));
        return false;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        read.error =
            QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path), file.errorString());
        return false;
    }
    bytes = file.readAll();
    return true;
}

QString damageLine(const QString& path, int record, const QString& what) {
    return tx("sms2_51", "%1, Eintrag %2: %3")
        .arg(QFileInfo(path).fileName())
        .arg(record)
        .arg(what);
}

QString partialRecord() {
    return tx("sms2_52", "unvollständig, übergangen");
}

QString badLength() {
    return tx("sms2_53", "Längenangabe passt nicht ins Feld, übergangen");
}

}  // namespace

FileRead<MessageTemplate> readTemplates(const QString& path) {
    FileRead<MessageTemplate> read;
    QByteArray bytes;
    if (!readWhole(path, read, bytes)) return read;
    return templatesOf(bytes, path);
}

FileRead<MessageTemplate> templatesOf(const QByteArray& bytes, const QString& path) {
    FileRead<MessageTemplate> read;
    const qsizetype records = bytes.size() / kTemplateRecord;
    for (qsizetype i = 0; i < records; ++i) {
        const qsizetype at = i * kTemplateRecord;
        const auto name = shortString(bytes, at, kTemplateField);
        const auto text = shortString(bytes, at + kTemplateField, kTemplateField);
        if (!name || !text) {
            read.damage << damageLine(path, static_cast<int>(i + 1), badLength());
            continue;
        }
        read.records.push_back({*name, *text});
    }
    if (bytes.size() % kTemplateRecord != 0)
        read.damage << damageLine(path, static_cast<int>(records + 1), partialRecord());
    return read;
}

QByteArray templateBytes(const std::vector<MessageTemplate>& templates) {
    QByteArray out;
    out.reserve(static_cast<qsizetype>(templates.size()) * kTemplateRecord);
    for (const MessageTemplate& t : templates) {
        putShortString(out, tools::toCp1252(t.name), kTemplateField);
        putShortString(out, tools::toCp1252(t.text), kTemplateField);
    }
    return out;
}

bool writeTemplates(const QString& path, const std::vector<MessageTemplate>& templates,
                    QString* error) {
    return writeMessageFile(path, templateBytes(templates), error);
}

FileRead<RecipientList> readRecipientLists(const QString& path) {
    FileRead<RecipientList> read;
    QByteArray bytes;
    if (!readWhole(path, read, bytes)) return read;
    return recipientListsOf(bytes, path);
}

FileRead<RecipientList> recipientListsOf(const QByteArray& bytes, const QString& path) {
    FileRead<RecipientList> read;
    const qsizetype records = bytes.size() / kListRecord;
    for (qsizetype i = 0; i < records; ++i) {
        const qsizetype at = i * kListRecord;
        const auto name = shortString(bytes, at, kListNameField);
        const auto members = shortString(bytes, at + kListNameField, kMembersField);
        if (!name || !members) {
            read.damage << damageLine(path, static_cast<int>(i + 1), badLength());
            continue;
        }
        RecipientList list{*name, members->split(QLatin1Char(':'))};
        // Every member ends in ":"; what follows the last one is a member
        // an old program cut off.
        const QString cut = list.members.takeLast();
        if (!cut.isEmpty())
            read.damage << damageLine(
                path, static_cast<int>(i + 1),
                tx("sms2_54", "abgeschnittener Empfänger \"%1\" übergangen").arg(cut));
        list.members.removeAll(QString());
        read.records.push_back(std::move(list));
    }
    if (bytes.size() % kListRecord != 0)
        read.damage << damageLine(path, static_cast<int>(records + 1), partialRecord());
    return read;
}

QByteArray recipientListBytes(const std::vector<RecipientList>& lists, QStringList* leftOut) {
    QByteArray out;
    for (const RecipientList& list : lists) {
        std::string members;
        for (const QString& member : list.members) {
            const std::string bytes = tools::toCp1252(member) + ':';
            if (members.size() + bytes.size() > kMembersField - 1) {
                if (leftOut) *leftOut << QStringLiteral("%1: %2").arg(list.name, member);
                continue;
            }
            members += bytes;
        }
        putShortString(out, tools::toCp1252(list.name.left(kListNameLimit)), kListNameField);
        putShortString(out, members, kMembersField);
    }
    return out;
}

bool writeRecipientLists(const QString& path, const std::vector<RecipientList>& lists,
                         QString* error, QStringList* leftOut) {
    return writeMessageFile(path, recipientListBytes(lists, leftOut), error);
}

void putRecipientList(std::vector<RecipientList>& lists, RecipientList list) {
    list.name = list.name.left(kListNameLimit);
    for (RecipientList& present : lists) {
        if (present.name == list.name) {
            present = std::move(list);
            return;
        }
    }
    lists.push_back(std::move(list));
}

QString messageFilePath(const QString& fileName) {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(folder);
    const QString path = QDir(folder).filePath(fileName);
    const QString beside = QDir(QCoreApplication::applicationDirPath()).filePath(fileName);
    if (!QFileInfo::exists(path) && QFileInfo::exists(beside)) QFile::copy(beside, path);
    return path;
}

QByteArray messageTextBytes(const std::vector<MessageFileRow>& rows) {
    QStringList blocks;
    for (const MessageFileRow& row : rows) {
        blocks << QStringLiteral("SENDER: ") + row.number + QStringLiteral("\r\n") +
                      QStringLiteral("DATUM: ") + row.date + QStringLiteral("  ") + row.time +
                      QStringLiteral("\r\nORDNER: ") + row.folder +
                      QStringLiteral("\r\nINHALT: \r\n") + tableText(row.text) +
                      QStringLiteral("\r\n");
    }
    const std::string bytes = tools::toCp1252(blocks.join(QStringLiteral("\r\n\r\n")));
    return QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

QByteArray messageCsvBytes(const std::vector<MessageFileRow>& rows) {
    const auto field = [](const QString& value) {
        QString quoted = value;
        quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
        return QLatin1Char('"') + quoted + QLatin1Char('"');
    };
    QString csv = QStringLiteral("Nr.,Datum,Uhrzeit,Nummer,Ordner,Text\r\n");
    for (const MessageFileRow& row : rows) {
        csv += QString::number(row.location) + QLatin1Char(',') + field(row.date) +
               QLatin1Char(',') + field(row.time) + QLatin1Char(',') + field(row.number) +
               QLatin1Char(',') + field(row.folder) + QLatin1Char(',') + field(row.text) +
               QStringLiteral("\r\n");
    }
    return csv.toUtf8();
}

bool writeMessageFile(const QString& path, const QByteArray& bytes, QString* error) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        if (error)
            *error =
                QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path), file.errorString());
        return false;
    }
    return true;
}

}  // namespace corvina
