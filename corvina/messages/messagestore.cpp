#include "corvina/messages/messagestore.h"

#include <QStringList>
#include <algorithm>
#include <map>
#include <optional>
#include <tuple>

#include "codecs/tools/cp1252.h"
#include "corvina/reports/messagereport.h"

namespace corvina {

namespace {

constexpr int kSeparateFolder = 8;
constexpr uint8_t kUnknownSmartKind = 255;  // 8-bit data of no known port

// The concatenation element of a header (length byte first): 00 with an
// 8-bit reference or 08 with a 16-bit one, then part count and part number.
struct Concatenation {
    int reference = 0;
    int count = 1;
    int number = 1;
};

std::optional<Concatenation> concatenationOf(const GSMSMS& message) {
    const std::string& header = message.userDataHeader;
    const auto at = [&](size_t i) { return static_cast<uint8_t>(header[i]); };
    for (size_t i = 1; i + 1 < header.size();) {
        const uint8_t element = at(i);
        const size_t length = at(i + 1);
        if (i + 2 + length > header.size()) break;
        if (element == 0x00 && length == 3) return Concatenation{at(i + 2), at(i + 3), at(i + 4)};
        if (element == 0x08 && length == 4)
            return Concatenation{at(i + 2) << 8 | at(i + 3), at(i + 4), at(i + 5)};
        i += 2 + length;
    }
    return std::nullopt;
}

}  // namespace

QString StoredMessage::text() const {
    if (!message.utf8Text.empty()) return QString::fromStdString(message.utf8Text);
    return tools::fromCp1252(message.text);
}

uint8_t StoredMessage::smartKind() const {
    if (!message.eightBit) return message.smartKind;
    // Header elements: identifier, length, value; 05 holds 16-bit ports
    // (destination first).
    const std::string& header = message.userDataHeader;
    for (size_t i = 1; i + 1 < header.size();) {
        const auto element = static_cast<uint8_t>(header[i]);
        const size_t length = static_cast<uint8_t>(header[i + 1]);
        if (element == 0x05 && length >= 2 && i + 3 < header.size()) {
            const int port =
                static_cast<uint8_t>(header[i + 2]) << 8 | static_cast<uint8_t>(header[i + 3]);
            switch (port) {
                case 0x1581:
                    return skRingtone;
                case 0x1582:
                    return skOperatorLogo;
                case 0x1583:
                    return skCallerGroupLogo;
                case 0x158A:
                    return skPictureMessage;
                default:
                    break;
            }
        }
        i += 2 + length;
    }
    return kUnknownSmartKind;
}

QString StoredMessage::cellText() const {
    if (message.eightBit) return QLatin1Char('[') + smartKindName(smartKind()) + QLatin1Char(']');
    return tableText(text());
}

QString StoredMessage::number() const {
    return tools::fromCp1252(message.remoteNumber);
}

QString timestampKey(const GSMSMS& message) {
    const QString date = QString::fromStdString(message.date);
    const QString time = QString::fromStdString(message.time);
    const int year = date.mid(6, 2).toInt();
    const QString century = year >= 90 ? QStringLiteral("19") : QStringLiteral("20");
    QString clock = time;
    clock.remove(QLatin1Char(':'));
    return century + date.mid(6, 2) + date.mid(3, 2) + date.mid(0, 2) + clock;
}

QString tableText(const QString& text) {
    QString shown = text;
    shown.replace(QLatin1Char('\n'), QStringLiteral("..."));
    shown.replace(QLatin1Char('\r'), QStringLiteral("..."));
    return shown;
}

void MessageStore::clear() {
    entries_.clear();
    folders_ = tsmsinfo{};
}

QStringList MessageStore::folderNames() const {
    QStringList names;
    for (int i = 0; i < std::min(folders_.folderCount, kMaxFolders); ++i)
        names << tools::fromCp1252(folders_.folders[static_cast<size_t>(i)].folderName);
    return names;
}

std::optional<int> MessageStore::folderId(const QString& name) const {
    for (int i = 0; i < std::min(folders_.folderCount, kMaxFolders); ++i) {
        const tsmsfolder& f = folders_.folders[static_cast<size_t>(i)];
        if (tools::fromCp1252(f.folderName) == name) return f.folderId;
    }
    return std::nullopt;
}

void MessageStore::sortNewestFirst() {
    auto run = entries_.begin();
    while (run != entries_.end()) {
        auto end = std::find_if(run, entries_.end(),
                                [&](const StoredMessage& e) { return e.folder != run->folder; });
        std::stable_sort(run, end, [](const StoredMessage& a, const StoredMessage& b) {
            return timestampKey(a.message) > timestampKey(b.message);
        });
        run = end;
    }
}

std::vector<int> MessageStore::shown(const QString& folder) const {
    std::vector<int> rows;
    for (int i = 0; i < count(); ++i) {
        const StoredMessage& e = entries_[static_cast<size_t>(i)];
        if (e.message.status != 0 && e.message.status != 2) continue;
        if (!folder.isEmpty() && e.folder != folder) continue;
        rows.push_back(i);
    }
    return rows;
}

std::vector<MessageRow> MessageStore::rows(const QString& folder) const {
    std::vector<MessageRow> rows;
    // Rows of long messages by folder, sender, reference and part count.
    std::map<std::tuple<QString, QString, int, int>, size_t> longRows;
    std::map<size_t, std::map<int, int>> partsOf;  // row → part number → index
    for (int index : shown(folder)) {
        const StoredMessage& e = at(index);
        const auto concatenation = concatenationOf(e.message);
        if (e.message.eightBit || !concatenation || concatenation->count < 2 ||
            concatenation->number < 1 || concatenation->number > concatenation->count) {
            rows.emplace_back().parts = {index};
            continue;
        }
        const auto key =
            std::tuple(e.folder, e.number(), concatenation->reference, concatenation->count);
        auto found = longRows.find(key);
        if (found == longRows.end() || partsOf[found->second].contains(concatenation->number)) {
            found = longRows.insert_or_assign(key, rows.size()).first;
            rows.emplace_back().partCount = concatenation->count;
        }
        partsOf[found->second][concatenation->number] = index;
    }
    for (auto& [row, parts] : partsOf) {
        MessageRow& r = rows[row];
        for (int number = 1; number <= r.partCount; ++number) {
            const auto part = parts.find(number);
            if (part == parts.end())
                r.missing.push_back(number);
            else
                r.parts.push_back(part->second);
        }
    }
    return rows;
}

QString MessageStore::rowText(const MessageRow& row, const QString& gap) const {
    if (row.parts.size() == 1 && row.missing.empty()) return at(row.entry()).text();
    QString text;
    size_t next = 0;
    for (int number = 1; number <= row.partCount; ++number) {
        if (std::find(row.missing.begin(), row.missing.end(), number) != row.missing.end())
            text += gap.arg(number);
        else if (next < row.parts.size())
            text += at(row.parts[next++]).text();
    }
    return text;
}

tsmsfolder* MessageStore::folder(int folderId) {
    for (int i = 0; i < std::min(folders_.folderCount, kMaxFolders); ++i) {
        if (folders_.folders[static_cast<size_t>(i)].folderId == folderId)
            return &folders_.folders[static_cast<size_t>(i)];
    }
    return nullptr;
}

void MessageStore::addLocation(int folderId, int location) {
    tsmsfolder* f = folder(folderId);
    if (!f || f->messageCount >= kFolderLocations || f->messageCount < 0) return;
    f->locations[static_cast<size_t>(f->messageCount++)] = location;
}

void MessageStore::dropLocation(int folderId, int location) {
    tsmsfolder* f = folder(folderId);
    if (!f) return;
    const int used = std::clamp(f->messageCount, 0, kFolderLocations);
    auto end = f->locations.begin() + used;
    auto kept = std::remove(f->locations.begin(), end, location);
    f->messageCount = static_cast<int>(kept - f->locations.begin());
}

void MessageStore::remove(int index) {
    const StoredMessage& e = at(index);
    dropLocation(e.folderId, e.location);
    entries_.erase(entries_.begin() + index);
}

void MessageStore::addArrived(StoredMessage entry) {
    const auto same = std::find_if(entries_.begin(), entries_.end(), [&](const StoredMessage& e) {
        return e.folderId == entry.folderId && e.location == entry.location;
    });
    if (same != entries_.end()) {
        dropLocation(same->folderId, same->location);
        entries_.erase(same);
    }
    // Phones without folders (id 0) name the place by the message's status.
    if (entry.folderId != 0) {
        if (const tsmsfolder* f = folder(entry.folderId))
            entry.folder = tools::fromCp1252(f->folderName);
        addLocation(entry.folderId, entry.location);
    }
    const auto first = std::find_if(entries_.begin(), entries_.end(), [&](const StoredMessage& e) {
        return e.folder == entry.folder;
    });
    entries_.insert(first == entries_.end() ? entries_.begin() : first, std::move(entry));
    sortNewestFirst();
}

int MessageStore::freeLocation(int targetFolderId) const {
    std::vector<int> used;
    const bool separate = targetFolderId == kSeparateFolder;
    for (int i = 0; i < std::min(folders_.folderCount, kMaxFolders); ++i) {
        const tsmsfolder& f = folders_.folders[static_cast<size_t>(i)];
        if ((f.folderId == kSeparateFolder) != separate) continue;
        used.insert(used.end(), f.locations.begin(),
                    f.locations.begin() + std::clamp(f.messageCount, 0, kFolderLocations));
    }
    for (const StoredMessage& e : entries_) {
        if ((e.folderId == kSeparateFolder) == separate) used.push_back(e.location);
    }
    int location = 1;
    while (std::find(used.begin(), used.end(), location) != used.end()) ++location;
    return location;
}

int MessageStore::copyTo(int index, int targetFolderId, int location) {
    StoredMessage copy = at(index);
    copy.folderId = targetFolderId;
    copy.location = location;
    if (const tsmsfolder* f = folder(targetFolderId))
        copy.folder = tools::fromCp1252(f->folderName);
    addLocation(targetFolderId, location);
    entries_.push_back(std::move(copy));
    return count() - 1;
}

void MessageStore::moveTo(int index, int targetFolderId, int location) {
    StoredMessage& e = entries_.at(static_cast<size_t>(index));
    dropLocation(e.folderId, e.location);
    e.folderId = targetFolderId;
    e.location = location;
    if (const tsmsfolder* f = folder(targetFolderId)) e.folder = tools::fromCp1252(f->folderName);
    addLocation(targetFolderId, location);
}

}  // namespace corvina
