// The message centre's own files: the templates "vorlagen.smo" and the
// recipient lists "empfaenger.emp", and the messages saved as text or CSV.
//
//   vorlagen.smo    512-byte records, no header:
//                   0   name: length byte + 255 characters (Windows-1252)
//                   256 text: length byte + 255 characters
//   empfaenger.emp  277-byte records, no header:
//                   0   list name: length byte + 20 characters
//                   21  members: length byte + 255 characters, each member
//                       followed by ":"
//
// Reading keeps every good record; a damaged one (a partial record at the
// end, a length byte beyond its field) is reported with file and record
// number. Every write goes to a temporary file renamed over the old one, so
// a failed write leaves the old file as it was.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

namespace corvina {

struct MessageTemplate {
    QString name;
    QString text;
};

struct RecipientList {
    QString name;
    QStringList members;
};

constexpr int kTemplateTextLimit = 255;
constexpr int kListNameLimit = 20;

// What a read found. `missing`: the file does not exist; `error`: it exists
// but cannot be read (then nothing else holds).
template <typename Record>
struct FileRead {
    std::vector<Record> records;
    bool missing = false;
    QString error;
    QStringList damage;  // one line per damaged record

    bool usable() const { return error.isEmpty(); }
};

FileRead<MessageTemplate> readTemplates(const QString& path);
// The records of a file's bytes; `path` names the file in damage lines.
FileRead<MessageTemplate> templatesOf(const QByteArray& bytes, const QString& path);
QByteArray templateBytes(const std::vector<MessageTemplate>& templates);
bool writeTemplates(const QString& path, const std::vector<MessageTemplate>& templates,
                    QString* error);

FileRead<RecipientList> readRecipientLists(const QString& path);
FileRead<RecipientList> recipientListsOf(const QByteArray& bytes, const QString& path);
// The members that did not fit a list's 255 characters are added to
// `leftOut` ("list: member"); they are not stored.
QByteArray recipientListBytes(const std::vector<RecipientList>& lists,
                              QStringList* leftOut = nullptr);
bool writeRecipientLists(const QString& path, const std::vector<RecipientList>& lists,
                         QString* error, QStringList* leftOut = nullptr);

// Saves `list` under its name (cut to 20 characters): a list of that name
// takes the new members in place, otherwise it is appended.
void putRecipientList(std::vector<RecipientList>& lists, RecipientList list);

// Where the files live: the user's data folder. A file of that name beside
// the program is copied there the first time.
QString messageFilePath(const QString& fileName);

// One message as saved to a file.
struct MessageFileRow {
    QString number, date, time, folder, text;
    int location = 0;
};

// "SENDER: …", "DATUM: …  …", "ORDNER: …", "INHALT: ", the text as the
// table shows it; two empty lines between messages. Windows-1252, CR LF.
QByteArray messageTextBytes(const std::vector<MessageFileRow>& rows);
// RFC 4180, UTF-8: Nr., Datum, Uhrzeit, Nummer, Ordner, Text.
QByteArray messageCsvBytes(const std::vector<MessageFileRow>& rows);
bool writeMessageFile(const QString& path, const QByteArray& bytes, QString* error);

}  // namespace corvina
