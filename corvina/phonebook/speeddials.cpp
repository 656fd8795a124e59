#include "corvina/phonebook/speeddials.h"

#include <algorithm>

#include "codecs/tools/cp1252.h"
#include "corvina/connection/modelnumbers.h"
#include "corvina/language/language.h"
#include "corvina/phonebook/phonebooktransfer.h"
#include "corvina/phonebook/uploadchecks.h"
#include "phonelib/api/status.h"

namespace corvina {

namespace {

std::vector<SpeedDialRow> blankRows() {
    std::vector<SpeedDialRow> rows;
    for (int key = kFirstSpeedDialKey; key <= kLastSpeedDialKey; ++key) {
        SpeedDialRow row;
        row.key = key;
        rows.push_back(row);
    }
    return rows;
}

// The number a key dials: `index` counts from 1; an index the entry does not
// have (0 from phones that do not say) dials its first number.
QString dialledNumber(const TPhoneBookEntry& entry, int32_t index) {
    const int32_t count = std::min<int32_t>(entry.numberCount, int32_t(entry.numbers.size()));
    if (count <= 0) return {};
    const int32_t at = index >= 1 && index <= count ? index - 1 : 0;
    return tools::fromCp1252(entry.numbers[size_t(at)].number);
}

// The number a row gives a key: the first of the general cell, else the
// first number the row has at all.
QString firstNumber(const PhonebookRow& row) {
    for (int column = colGeneral; column <= kLastNumberColumn; ++column) {
        const QStringList numbers = numberLines(row.value(column));
        if (!numbers.isEmpty()) return numbers.first();
    }
    return {};
}

}  // namespace

SpeedDials::SpeedDials(PhonebookCalls calls, UserDialogs dialogs, Phone phone, KeyPrompt prompt)
    : calls_(std::move(calls)),
      dialogs_(std::move(dialogs)),
      phone_(std::move(phone)),
      prompt_(std::move(prompt)),
      rows_(blankRows()) {}

QString SpeedDials::memoryName(uint8_t memory) {
    return memory == memSim ? QStringLiteral("SIM") : QStringLiteral("Telefon");
}

SpeedDialRow& SpeedDials::rowOf(int key) {
    return rows_.at(size_t(key - kFirstSpeedDialKey));
}

void SpeedDials::notifyChanged() {
    if (changed) changed();
}

QStringList SpeedDials::takeNotices() {
    QStringList notices;
    notices.swap(notices_);
    return notices;
}

// --- Reading -----------------------------------------------------------------------

void SpeedDials::read(uint8_t /*memory*/, std::function<void()> done) {
    if (isSiemens(phone_.modelNumber())) return done();
    const QString imei = phone_.imei();
    // Once read, the keys of the same phone stay as the user left them.
    if (readImei_ && (imei.isEmpty() || readImei_->isEmpty() || *readImei_ == imei)) {
        return done();
    }
    reading_ = blankRows();
    readComplete_ = true;
    capacity_ = TCapacity{.memory = memSpeedDials};
    sequence_.add([this] { return calls_.capacity(capacity_); },
                  [this, done = std::move(done)](uint8_t result) mutable {
                      if (result != phonelib::stDone && result != phonelib::stNotAvailable) {
                          readComplete_ = false;
                          return done();
                      }
                      // Keys run from 2 to 9 whatever size the phone gives (some count
                      // the eight keys, some nine places); the read stops once every key
                      // in use is found.
                      const int used = capacity_.used >= 0 ? capacity_.used : kLastSpeedDialKey;
                      readKey(kFirstSpeedDialKey, kLastSpeedDialKey, used, 0, std::move(done));
                  });
}

void SpeedDials::readKey(int key, int last, int used, int occupied, std::function<void()> done) {
    if (key > last || occupied >= used) {
        rows_ = reading_;
        if (readComplete_) readImei_ = phone_.imei();
        notifyChanged();
        return done();
    }
    sequence_.add(
        [this, key] {
            entry_ = TPhoneBookEntry{};
            entry_.memory = memSpeedDials;
            entry_.location = key;
            return calls_.read(entry_);
        },
        [this, key, last, used, occupied, done = std::move(done)](uint8_t result) mutable {
            if (result == phonelib::stNotConnected) {
                readComplete_ = false;
                return readKey(last + 1, last, used, occupied, std::move(done));
            }
            if (result == phonelib::stNoAnswer) readComplete_ = false;
            // A key that is not set names no memory (or is refused as empty):
            // it shows unset instead of the entry at location = key.
            if (result != phonelib::stDone ||
                (entry_.memory != memSim && entry_.memory != memPhone)) {
                return readKey(key + 1, last, used, occupied, std::move(done));
            }
            numberIndex_ = entry_.memory == memSim ? 1 : entry_.speedDialNumberIndex;
            readTarget(key, last, used, occupied, std::move(done));
        });
}

void SpeedDials::readTarget(int key, int last, int used, int occupied, std::function<void()> done) {
    const uint8_t memory = entry_.memory;
    const int location = entry_.location;
    sequence_.add([this] { return calls_.read(entry_); },
                  [this, key, last, used, occupied, memory, location,
                   done = std::move(done)](uint8_t result) mutable {
                      if (result == phonelib::stNotConnected) {
                          readComplete_ = false;
                          return readKey(last + 1, last, used, occupied, std::move(done));
                      }
                      if (result != phonelib::stDone) {
                          if (result == phonelib::stNoAnswer) readComplete_ = false;
                          return readKey(key + 1, last, used, occupied, std::move(done));
                      }
                      SpeedDialRow& row = reading_.at(size_t(key - kFirstSpeedDialKey));
                      row.name = tools::fromCp1252(entry_.name);
                      row.group = tools::fromCp1252(entry_.group.groupName).trimmed();
                      row.number = dialledNumber(entry_, numberIndex_);
                      if (!row.number.isEmpty()) {
                          row.memoryName = memoryName(memory);
                          row.location = QString::number(location);
                      }
                      const int nowOccupied = occupied + (entry_.empty == 0 ? 1 : 0);
                      readKey(key + 1, last, used, nowOccupied, std::move(done));
                  });
}

// --- Writing -----------------------------------------------------------------------

void SpeedDials::write(uint8_t memory, std::function<void()> done) {
    if (isSiemens(phone_.modelNumber())) return done();
    const QString name = memoryName(memory);
    std::vector<TPhoneBookEntry> records;
    QStringList skipped;
    const auto record = [&](int key, int location) {
        TPhoneBookEntry dial;
        dial.memory = memSpeedDials;
        dial.location = key;
        dial.speedDialMemory = memory == memSim ? 0 : 1;
        dial.speedDialNumberIndex = memory == memSim ? 0 : 1;
        dial.speedDialLocation = location;
        records.push_back(dial);
    };
    for (const SpeedDialRow& row : rows_) {
        if (row.memoryName != name) continue;
        bool number = false;
        const int location = row.location.toInt(&number);
        if (!row.name.isEmpty() && !number) {
            skipped << tx("kurzwahl_1", "Kurzwahl %1: Platz \"%2\" ist keine Zahl")
                           .arg(row.key)
                           .arg(row.location);
            continue;
        }
        record(row.key, row.name.isEmpty() ? 0 : location);
    }
    for (const int key : clearPending_[memory]) record(key, 0);
    if (!skipped.isEmpty()) {
        notices_ << tx("kurzwahl_2", "Diese Kurzwahlen wurden nicht geschrieben:") + "\n" +
                        listForMessage(skipped);
    }
    writeNext(std::move(records), 0, std::move(done));
}

void SpeedDials::writeNext(std::vector<TPhoneBookEntry> records, size_t next,
                           std::function<void()> done) {
    if (next >= records.size()) {
        if (status) status({});
        return done();
    }
    const int key = records[next].location;
    if (status) {
        status(tx("kurzwahl_3", "Kurzwahl ") + QString::number(key) +
               tx("kurzwahl_4", " wird geschrieben."));
    }
    entry_ = records[next];
    sequence_.add(
        [this] { return calls_.write(entry_); },
        [this, records = std::move(records), next, done = std::move(done)](uint8_t result) mutable {
            const TPhoneBookEntry& dial = records[next];
            const uint8_t memory = dial.speedDialMemory == 0 ? memSim : memPhone;
            if (result == phonelib::stDone) {
                if (dial.speedDialLocation == 0) std::erase(clearPending_[memory], dial.location);
                return writeNext(std::move(records), next + 1, std::move(done));
            }
            QStringList failed;
            const size_t last = result == phonelib::stNotConnected ? records.size() : next + 1;
            for (size_t i = next; i < last; ++i) {
                failed << tx("kurzwahl_5", "Kurzwahl %1 (%2)")
                              .arg(records[i].location)
                              .arg(statusReason(result));
            }
            notices_ << tx("kurzwahl_2", "Diese Kurzwahlen wurden nicht geschrieben:") + "\n" +
                            listForMessage(failed);
            writeNext(std::move(records), last, std::move(done));
        });
}

// --- References --------------------------------------------------------------------

void SpeedDials::moveReference(int oldLocation, uint8_t oldMemory, uint8_t newMemory,
                               int newLocation) {
    if (oldLocation == newLocation && oldMemory == newMemory) return;
    const QString from = memoryName(oldMemory);
    const QString to = memoryName(newMemory);
    const QString target = QString::number(newLocation);
    const QString source = QString::number(oldLocation);
    const QString hint = tx("telefonbuch_115", "Hinweis");
    std::vector<int> deleted;
    for (SpeedDialRow& row : rows_) {
        if (row.location != target || row.memoryName != to) continue;
        row = SpeedDialRow{row.key, {}, {}, {}, {}, target};
        deleted.push_back(row.key);
        std::vector<int>& pending = clearPending_[newMemory];
        if (std::find(pending.begin(), pending.end(), row.key) == pending.end())
            pending.push_back(row.key);
        dialogs_.tell({Severity::Warning, hint,
                       tx("kurzwahl_6", "Die Referenz der Kurzwahl Nr.") +
                           QString::number(row.key) +
                           tx("kurzwahl_7", " auf den Speichereintrag Nr.") + target +
                           tx("kurzwahl_8", " wurde gelöscht!")});
    }
    for (SpeedDialRow& row : rows_) {
        if (row.location != source || row.memoryName != from) continue;
        if (std::find(deleted.begin(), deleted.end(), row.key) != deleted.end()) continue;
        row.location = target;
        row.memoryName = to;
        dialogs_.tell({Severity::Warning, hint,
                       tx("kurzwahl_6", "Die Referenz der Kurzwahl Nr.") +
                           QString::number(row.key) + tx("kurzwahl_10", " wurde aktualisiert:") +
                           "\n\n" + tx("kurzwahl_11", "Alte Referenz: ") + source + " in " + from +
                           "\n\n" + tx("kurzwahl_12", "Neue Referenz: ") + target + " in " + to});
    }
    notifyChanged();
}

// --- Assigning ---------------------------------------------------------------------

void SpeedDials::assign(const PhonebookRow& row, uint8_t memory) {
    if (!row.location() || row.isEmpty()) return;
    askKey(row, memory);
}

void SpeedDials::askKey(const PhonebookRow& row, uint8_t memory) {
    prompt_([this, row, memory](std::optional<QString> text) {
        if (!text || text->trimmed().isEmpty()) return;
        bool number = false;
        const int key = text->trimmed().toInt(&number);
        if (!number || key < kFirstSpeedDialKey || key > kLastSpeedDialKey) {
            dialogs_.ask({Severity::Warning, tx("kurzwahl_13", "Fehler!"),
                          tx("kurzwahl_14", "Bitte geben Sie eine Zahl zwischen 2 und 9 an!")},
                         [this, row, memory](Answer) { askKey(row, memory); });
            return;
        }
        const SpeedDialRow& taken = rowOf(key);
        if (!taken.isSet()) return place(key, row, memory);
        dialogs_.ask(
            {Severity::Question, tx("telefonbuch_115", "Hinweis"),
             tx("kurzwahl_15", "Diese Kurzwahlnummer ist bereits mit folgendem Eintrag belegt:") +
                 "\n\n" + taken.name + "\n" + taken.number + "\n\n" +
                 tx("kurzwahl_16", "Möchten Sie die Kurzwahl ersetzen?"),
             AnswerButtons::YesNo},
            [this, key, row, memory](Answer answer) {
                if (answer == Answer::Yes) place(key, row, memory);
            });
    });
}

void SpeedDials::place(int key, const PhonebookRow& row, uint8_t memory) {
    rowOf(key) = SpeedDialRow{key,
                              row.value(colName),
                              firstNumber(row),
                              row.value(colGroup).trimmed(),
                              memoryName(memory),
                              QString::number(*row.location())};
    // A clear still due would undo the new key at an upload.
    for (auto& [pendingMemory, keys] : clearPending_) std::erase(keys, key);
    notifyChanged();
    dialogs_.tell({Severity::Warning, tx("telefonbuch_115", "Hinweis"),
                   tx("kurzwahl_17", "Kurzwahl wird beim nächsten ") +
                       (memory == memSim ? tx("kurzwahl_18", "Upload des SIM-Telefonbuches")
                                         : tx("kurzwahl_19", "Upload des internen Telefonbuches")) +
                       tx("kurzwahl_20", " aktualisiert!")});
}

}  // namespace corvina
