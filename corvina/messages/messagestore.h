// The messages read from the phone, each with its place (folder id,
// location, folder name), and the phone's folder list beside them.
//
// The store has no limit. Sorting puts the consecutive messages of one
// folder newest first by their full time stamp (two-digit years 90-99 are
// 19xx, the others 20xx); messages of different folders keep their order.
#pragma once

#include <QString>
#include <optional>
#include <vector>

#include "records/typendefinitionen.h"

namespace corvina {

struct StoredMessage {
    GSMSMS message;
    int folderId = 0;
    int location = 0;
    QString folder;

    QString text() const;       // the whole text (8-bit data as hex text)
    QString number() const;     // the remote number
    uint8_t smartKind() const;  // by the destination port of 8-bit data
    // The "Text" cell: line breaks as "...", 8-bit data by their kind
    // ("[Klingelton]").
    QString cellText() const;
};

// One row of the table: a message, or the parts of a long message that the
// phone keeps one by one (one concatenation reference, sender, folder and
// part count), in part order.
struct MessageRow {
    std::vector<int> parts;    // store indexes; the first is the row's entry
    int partCount = 1;         // parts the message has
    std::vector<int> missing;  // numbers of the parts the store lacks

    int entry() const { return parts.front(); }
};

class MessageStore {
  public:
    void clear();
    void setFolders(const tsmsinfo& folders) { folders_ = folders; }
    const tsmsinfo& folders() const { return folders_; }
    QStringList folderNames() const;
    // The folder id of a folder name; nothing when the list lacks it.
    std::optional<int> folderId(const QString& name) const;

    void add(StoredMessage entry) { entries_.push_back(std::move(entry)); }
    // A message that came in while connected: it takes the place of what the
    // store held at its folder and location, goes first among its folder's
    // messages (sorted by time from there) and, on a phone with folders,
    // into the folder list, whose name for it it takes.
    void addArrived(StoredMessage entry);
    const std::vector<StoredMessage>& entries() const { return entries_; }
    const StoredMessage& at(int index) const { return entries_.at(static_cast<size_t>(index)); }
    int count() const { return static_cast<int>(entries_.size()); }

    void sortNewestFirst();
    // The entries a folder choice shows: received (0) and outgoing (2)
    // messages of the folder (`folder` empty: of every folder).
    std::vector<int> shown(const QString& folder) const;
    // The same as rows, the parts of a long text message joined into one.
    std::vector<MessageRow> rows(const QString& folder) const;
    // The whole text of a row: its parts in order, a missing part as `gap`
    // with %1 its number.
    QString rowText(const MessageRow& row, const QString& gap) const;

    // Drops the entry and its location from the folder list (it was
    // deleted on the phone).
    void remove(int index);
    // The smallest location >= 1 no stored folder uses for the target;
    // folder 8 counts its own locations apart from all others.
    int freeLocation(int targetFolderId) const;
    // The entry now also (copy) or only (move) lives at the new place;
    // returns the index of the copy, or of the moved entry.
    int copyTo(int index, int targetFolderId, int location);
    void moveTo(int index, int targetFolderId, int location);

  private:
    tsmsfolder* folder(int folderId);
    void addLocation(int folderId, int location);
    void dropLocation(int folderId, int location);

    std::vector<StoredMessage> entries_;
    tsmsinfo folders_;
};

// "YYYYMMDDhhmmss" from the record's "DD.MM.YY" and "hh:mm:ss".
QString timestampKey(const GSMSMS& message);
// The text with every line feed and carriage return shown as "...".
QString tableText(const QString& text);

}  // namespace corvina
