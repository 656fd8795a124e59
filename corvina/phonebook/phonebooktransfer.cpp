#include "corvina/phonebook/phonebooktransfer.h"

#include <QPointer>

#include "codecs/tools/cp1252.h"
#include "corvina/connection/modelnumbers.h"
#include "corvina/language/language.h"
#include "corvina/phonebook/entryrows.h"
#include "corvina/phonebook/uploadchecks.h"
#include "phonelib/api/status.h"

namespace corvina {

namespace {

constexpr uint8_t kSl45 = 4;
constexpr int kEmptyLocationsBeforeEnd = 4;  // the SL45 address book has no reliable count
constexpr uint8_t kNokia3210 = 10;
constexpr uint8_t kNokia51xx = 15;

bool twoTextsOnly(uint8_t model) {
    return model == 19 || model == 21;
}

QString count(int value) {
    return value < 0 ? QStringLiteral("?") : QString::number(value);
}

}  // namespace

QString statusReason(uint8_t status) {
    switch (status) {
        case phonelib::stNotAvailable:
            return tx("telefonbuch_30", "nicht unterstützt");
        case phonelib::stNoAnswer:
            return tx("telefonbuch_31", "keine Antwort vom Telefon");
        case phonelib::stRefused:
            return tx("telefonbuch_32", "vom Telefon abgelehnt");
        case phonelib::stNotConnected:
            return tx("telefonbuch_33", "kein Telefon verbunden");
        case phonelib::stNoSuchLocation:
            return tx("telefonbuch_34", "Speicherstelle gibt es nicht");
        case phonelib::stTooLong:
            return tx("telefonbuch_35", "zu lang für das Telefon");
        default:
            return tx("telefonbuch_36", "Fehler %1").arg(status);
    }
}

namespace {

// A location the phone would not read or write: which one, why, and what
// the user should do.
QString locationFailureText(const QString& opening, int location, const QString& reason,
                            const QString& advice) {
    return opening + QString::number(location) + " (" + reason + ")" +
           tx("telefonbuch_41", " aufgetreten! Bitte überprüfen Sie den Eintrag im Telefon!") +
           '\n' + advice;
}

}  // namespace

PhonebookTransfer::PhonebookTransfer(PhonebookCalls calls, UserDialogs dialogs,
                                     PhonebookSeams seams, QObject* parent)
    : QObject(parent),
      calls_(std::move(calls)),
      dialogs_(std::move(dialogs)),
      seams_(std::move(seams)) {
    sequence_.setRetryInterval(100);
}

// --- The machine -----------------------------------------------------------------

void PhonebookTransfer::begin(PhonebookTable& table, uint8_t modelNumber, Kind kind) {
    table_ = &table;
    model_ = modelNumber;
    kind_ = kind;
    active_ = true;
    cancelled_ = false;
    linkLost_ = false;
    waitingForAnswer_ = false;
    ++run_;
    emit started();
}

void PhonebookTransfer::ask(const Question& question, std::function<void(Answer)> then) {
    const unsigned run = run_;
    waitingForAnswer_ = true;
    QPointer<PhonebookTransfer> self(this);
    dialogs_.ask(question, [self, run, then = std::move(then)](Answer answer) {
        if (!self || !self->active_ || self->run_ != run) return;
        self->waitingForAnswer_ = false;
        then(answer);
    });
}

void PhonebookTransfer::request(std::function<uint8_t()> libraryCall,
                                std::function<void(uint8_t)> then) {
    const unsigned run = run_;
    sequence_.add(std::move(libraryCall), [this, run, then = std::move(then)](uint8_t status) {
        if (!active_ || run != run_) return;
        if (status == phonelib::stNotConnected || (linkLost_ && status != phonelib::stDone))
            return endLinkLost();
        then(status);
    });
}

bool PhonebookTransfer::proceed() {
    if (linkLost_) {
        endLinkLost();
        return false;
    }
    if (cancelled_) {
        end(End::Cancelled);
        return false;
    }
    return true;
}

void PhonebookTransfer::linkLost() {
    if (!active_) return;
    linkLost_ = true;
    // A question on the screen holds nothing up: the transfer ends now and
    // its answer is ignored.
    if (waitingForAnswer_) endLinkLost();
}

void PhonebookTransfer::stop() {
    active_ = false;
    ++run_;
    sequence_.cancel();
}

void PhonebookTransfer::end(End how) {
    if (!active_) return;
    stop();
    if (how == End::Cancelled && cancelled_) {
        emit status(
            kind_ == Kind::Download
                ? tx("telefonbuch_1", "Download abgebrochen: gelesen bis Speicherstelle %1.")
                      .arg(location_)
                : tx("telefonbuch_2", "Upload abgebrochen: %1 von %2 Einträgen geschrieben.")
                      .arg(written_)
                      .arg(toWrite_.size()));
    }
    if (kind_ == Kind::Download && how != End::Done) table_->state().uploadAllowed = false;
    emit finished(how);
}

void PhonebookTransfer::endLinkLost() {
    const bool download = kind_ == Kind::Download;
    QString text = tx("telefonbuch_3", "Die Verbindung zum Telefon ist unterbrochen.") + '\n';
    if (download) {
        text += tx("telefonbuch_4",
                   "Der Download endete bei Speicherstelle %1; die gelesenen Einträge bleiben "
                   "sichtbar. Ein Upload ist erst nach einem vollständigen Download möglich.")
                    .arg(location_);
    } else {
        text += tx("telefonbuch_5",
                   "%1 von %2 Einträgen wurden geschrieben; die Tabelle bleibt, "
                   "wie sie ist.")
                    .arg(written_)
                    .arg(toWrite_.size());
    }
    dialogs_.tell({Severity::Error, tx("telefonbuch_6", "Verbindung unterbrochen"), text});
    end(End::LinkLost);
}

void PhonebookTransfer::reportCapacityFailure() {
    if (model_ == kNokia3210 || model_ == kNokia51xx) {
        dialogs_.tell(
            {Severity::Warning, tx("telefonbuch_7", "Hinweis"),
             tx("telefonbuch_8",
                "Das interne Telefonbuch wird von Ihrem Mobiltelefon nicht unterstützt!")});
    } else {
        dialogs_.tell({Severity::Error, tx("telefonbuch_9", "Fehler"),
                       tx("telefonbuch_10",
                          "Die Kapazität konnte nicht ermittelt werden, so dass "
                          "ein Download nicht möglich ist!") +
                           '\n' +
                           tx("telefonbuch_11",
                              "Evtl. wird dieses Telefonbuch nicht vom Handy unterstützt!")});
    }
    if (kind_ == Kind::Download) table_->state().uploadAllowed = false;
    end(End::Failed);
}

void PhonebookTransfer::showCapacity(int total, int free, int used) {
    emit capacityText(count(total) + tx("telefonbuch_12", " insgesammt, davon ") + count(free) +
                      tx("telefonbuch_13", " frei und ") + count(used) +
                      tx("telefonbuch_14", " belegt."));
}

// --- Download ----------------------------------------------------------------------

void PhonebookTransfer::download(PhonebookTable& table, uint8_t modelNumber) {
    if (active_) return;
    const auto start = [this, &table, modelNumber] {
        begin(table, modelNumber, Kind::Download);
        location_ = 0;
        found_ = 0;
        emptyInARow_ = 0;
        complete_ = true;
        if (isNokia(model_)) return downloadGroupNames();
        downloadCapacity();
    };
    if (!table.hasUnsentEdits()) return start();
    QPointer<PhonebookTransfer> self(this);
    dialogs_.ask({Severity::Warning, tx("telefonbuch_15", "Download"),
                  tx("telefonbuch_16",
                     "Die Tabelle enthält Änderungen, die noch nicht ins "
                     "Telefon übertragen wurden. Der Download ersetzt sie.") +
                      "\n\n" + tx("telefonbuch_17", "Möchten Sie trotzdem herunterladen?"),
                  AnswerButtons::YesNo},
                 [self, start](Answer answer) {
                     if (self && !self->active_ && answer == Answer::Yes) start();
                 });
}

void PhonebookTransfer::downloadGroupNames() {
    if (!proceed()) return;
    emit status(tx("telefonbuch_18", "Gruppennamen werden abgerufen..."));
    // The names the library then holds serve whether the phone answered or not.
    request(calls_.groups.download, [this](uint8_t) {
        emit status(tx("telefonbuch_19", "Gruppennamen erhalten!"));
        downloadCapacity();
    });
}

void PhonebookTransfer::withSpeedDials(bool reading, std::function<void()> then) {
    const uint8_t memory = table_->memory();
    if (memory != memSim && memory != memPhone) return then();
    const unsigned run = run_;
    QPointer<PhonebookTransfer> self(this);
    auto next = [self, run, then = std::move(then)] {
        if (self && self->active_ && self->run_ == run) then();
    };
    if (reading) return seams_.speedDials->read(memory, std::move(next));
    seams_.speedDials->write(memory, std::move(next));
}

void PhonebookTransfer::downloadCapacity() {
    if (!proceed()) return;
    withSpeedDials(true, [this] { downloadCapacityQuery(); });
}

void PhonebookTransfer::downloadCapacityQuery() {
    if (!proceed()) return;
    const uint8_t memory = table_->memory();
    capacity_ = TCapacity{.memory = memory};
    request([this] { return calls_.capacity(capacity_); },
            [this](uint8_t result) {
                if (result != phonelib::stDone) return reportCapacityFailure();
                showCapacity(capacity_.total, capacity_.free, capacity_.used);
                downloadIdentity();
            });
}

void PhonebookTransfer::downloadIdentity() {
    if (!proceed()) return;
    info_ = TPhoneInfo{};
    request([this] { return calls_.phoneInfos(info_); },
            [this](uint8_t result) {
                table_->setRows({});
                table_->forgetHistory(true);
                TableTransferState& state = table_->state();
                state.downloaded = true;
                state.uploadAllowed = false;
                state.capacity = capacity_.total;
                state.downloadImei =
                    result == phonelib::stDone ? tools::fromCp1252(info_.serialNumber) : QString();
                emit tableChanged();
                downloadNext();
            });
}

void PhonebookTransfer::downloadNext() {
    if (!proceed()) return;
    const bool usedKnown = capacity_.used >= 0;
    const bool sl45AddressBook = model_ == kSl45 && table_->memory() == memAddressBook;
    if (usedKnown && found_ >= capacity_.used) return downloadFinish();
    if (sl45AddressBook && emptyInARow_ > kEmptyLocationsBeforeEnd) {
        capacity_.used = found_;
        capacity_.free = capacity_.total - found_;
        showCapacity(capacity_.total, capacity_.free, capacity_.used);
        table_->removeTrailingEmptyRows();
        return downloadFinish();
    }
    if (location_ >= capacity_.total) return downloadFinish();

    const int location = location_ + 1;
    emit progress(location, capacity_.total);
    entry_ = TPhoneBookEntry{};  // a fresh record: nothing of the last location leaks in
    entry_.memory = table_->memory();
    entry_.location = location;
    request([this] { return calls_.read(entry_); },
            [this, location](uint8_t result) { downloadRead(location, result); });
}

void PhonebookTransfer::downloadRead(int location, uint8_t result) {
    location_ = location;
    if (result == phonelib::stDone) {
        if (entry_.empty) {
            ++emptyInARow_;
            keepRow(rowOfEntry(entry_, location));
        } else {
            ++found_;
            emptyInARow_ = 0;
            keepRow(rowOfEntry(seams_.contacts->merged(entry_, model_), location));
        }
        return downloadNext();
    }

    // The phone would not give this location: it stays marked and is never
    // written unless the user fills it.
    PhonebookRow unread;
    unread.setLocation(location);
    unread.unread = true;
    keepRow(std::move(unread));
    const QString text = locationFailureText(
        tx("telefonbuch_40", "Es ist ein Fehler beim Lesen des Telefonbucheintrages Nr."), location,
        statusReason(result),
        tx("telefonbuch_42",
           "Sie sollten den Download danach erneut ausführen, um die "
           "Datenintegrität sicherzustellen.") +
            '\n' + tx("telefonbuch_43", "Wollen Sie den Download fortsetzen?"));
    ask({Severity::Error, tx("telefonbuch_44", "Achtung!"), text, AnswerButtons::YesNo},
        [this](Answer answer) {
            if (answer == Answer::Yes) {
                table_->state().downloaded = false;
                downloadNext();
            } else {
                complete_ = false;
                downloadFinish();
            }
        });
}

void PhonebookTransfer::keepRow(PhonebookRow row) {
    table_->appendRow(std::move(row));
    emit tableChanged();
}

void PhonebookTransfer::downloadFinish() {
    TableTransferState& state = table_->state();
    state.downloadCount = state.downloaded ? found_ : -1;
    if (capacity_.used < 0) showCapacity(capacity_.total, capacity_.total - found_, found_);
    state.uploadAllowed = complete_;
    seams_.contacts->downloadFinished();
    seams_.store->saveTemporary(*table_);
    emit status(complete_ ? tx("telefonbuch_45", "Download beendet!")
                          : tx("telefonbuch_46",
                               "Download beendet bei Speicherstelle %1; ein "
                               "Upload ist erst nach einem vollständigen "
                               "Download möglich.")
                                .arg(location_));
    emit tableChanged();
    stop();
    emit finished(complete_ ? End::Done : End::Failed);
}

// --- Upload ------------------------------------------------------------------------

void PhonebookTransfer::upload(PhonebookTable& table, uint8_t modelNumber) {
    if (active_) return;
    begin(table, modelNumber, Kind::Upload);
    written_ = 0;
    toWrite_.clear();
    failures_.clear();
    invalidRows_.clear();
    if (table.hasEntries()) return uploadCapacity();
    const QString text =
        table.memory() == memAddressBook
            ? tx("telefonbuch_50", "Das komplette Adressbuch wird gelöscht. Wollen Sie fortfahren?")
            : tx("telefonbuch_51",
                 "Das komplette Telefonbuch wird gelöscht. Wollen Sie fortfahren?");
    ask({Severity::Warning, tx("telefonbuch_7", "Hinweis"), text, AnswerButtons::YesNo},
        [this](Answer answer) {
            if (answer == Answer::Yes) return uploadCapacity();
            end(End::Cancelled);
        });
}

void PhonebookTransfer::uploadCapacity() {
    if (!proceed()) return;
    capacity_ = TCapacity{.memory = table_->memory()};
    request([this] { return calls_.capacity(capacity_); },
            [this](uint8_t result) {
                if (result != phonelib::stDone) return reportCapacityFailure();
                if (capacity_.used >= 0)
                    showCapacity(capacity_.total, capacity_.free, capacity_.used);
                table_->state().capacity = capacity_.total;
                uploadFit();
            });
}

void PhonebookTransfer::uploadFit() {
    table_->sortByLocation();
    const int total = capacity_.total;
    bool beyond = false;
    for (const PhonebookRow& row : table_->rows()) {
        if (!row.isEmpty() && row.location().value_or(0) > total) beyond = true;
    }
    const auto refuseIfTooMany = [this, total] {
        // Empty rows beyond the memory name locations the phone does not have.
        for (int i = table_->size() - 1; i >= 0; --i) {
            const PhonebookRow& row = table_->row(i);
            if (row.isEmpty() && !row.unread && row.location().value_or(0) > total)
                table_->removeRow(i);
        }
        emit tableChanged();
        const int excess = table_->occupiedCount() - total;
        if (excess <= 0) return uploadCheck();
        dialogs_.tell(
            {Severity::Error, tx("telefonbuch_52", "Kapazität"),
             tx("telefonbuch_53",
                "Die Speicherkapazität des Handys reicht nicht aus, um alle Daten aufnehmen zu "
                "können oder der gewählte Telefonspeicher wird vom Gerät nicht unterstützt!") +
                 '\n' + tx("telefonbuch_54", "Löschen Sie bitte vor dem Upload ") +
                 QString::number(excess) + tx("telefonbuch_55", " Speicherstelle(n)!")});
        end(End::Failed);
    };
    if (table_->occupiedCount() <= total && !beyond) return refuseIfTooMany();
    ask({Severity::Question, tx("telefonbuch_52", "Kapazität"),
         tx("telefonbuch_56",
            "In der Tabelle sind mehr Einträge vorhanden als der gewählte "
            "Speicher aufnehmen kann. Soll der Speicher verdichtet werden?"),
         AnswerButtons::YesNo},
        [this, refuseIfTooMany](Answer answer) {
            if (answer == Answer::Yes) {
                table_->beginEdit();
                for (const LocationMove& move : table_->compact()) {
                    seams_.speedDials->moveReference(move.from, table_->memory(), table_->memory(),
                                                     move.to);
                }
            }
            refuseIfTooMany();
        });
}

void PhonebookTransfer::uploadCheck() {
    const UploadCheck check = checkUpload(*table_, capacity_.total);
    if (!check.refusals.isEmpty()) {
        dialogs_.tell({Severity::Error, tx("telefonbuch_57", "Upload nicht möglich"),
                       tx("telefonbuch_58", "Es wurde nichts ins Telefon geschrieben:") + "\n\n" +
                           listForMessage(check.refusals)});
        return end(End::Failed);
    }
    invalidRows_ = check.invalidRows;
    unencodable_ = check.unencodable;
    uploadAskInvalidLocations(0);
}

void PhonebookTransfer::uploadAskInvalidLocations(size_t from) {
    if (from >= invalidRows_.size()) return uploadAskUnencodable();
    // The row is not written; the user decides whether the others are.
    const QString text =
        tx("telefonbuch_60", "Eine Speicherstelle in der Tabelle ist ungültig: Zeile") +
        QString::number(invalidRows_[from] + 1) + '\n' +
        tx("telefonbuch_61", "Der Eintrag kann nicht aufgespielt werden.") + "\n\n" +
        tx("telefonbuch_62", "Wollen Sie den Upload fortsetzen?");
    ask({Severity::Error, tx("telefonbuch_44", "Achtung!"), text, AnswerButtons::YesNo},
        [this, from](Answer answer) {
            if (answer == Answer::Yes) return uploadAskInvalidLocations(from + 1);
            end(End::Cancelled);
        });
}

void PhonebookTransfer::uploadAskUnencodable() {
    if (unencodable_.isEmpty()) return uploadConfirm();
    const QString text = tx("telefonbuch_63",
                            "Diese Zeichen kann das Telefon nicht darstellen; sie kämen als "
                            "„?“ an:") +
                         "\n\n" + listForMessage(unencodable_) + "\n\n" +
                         tx("telefonbuch_64", "Möchten Sie trotzdem hochladen?");
    ask({Severity::Warning, tx("telefonbuch_65", "Zeichensatz"), text, AnswerButtons::YesNo},
        [this](Answer answer) {
            if (answer == Answer::Yes) return uploadConfirm();
            end(End::Cancelled);
        });
}

void PhonebookTransfer::uploadConfirm() {
    const QString text = tx("telefonbuch_66",
                            "Die von Ihrem Handy unterstützen Datenfelder (Telefonnummer, "
                            "Adresse etc.) der aktuellen Einträge werden nun im Handy "
                            "aktualisiert.") +
                         "\n\n" + tx("telefonbuch_67", "Möchten Sie den Upload jetzt beginnen?");
    ask({Severity::Question, tx("telefonbuch_68", "Synchronisieren"), text, AnswerButtons::YesNo},
        [this](Answer answer) {
            if (answer != Answer::Yes) return end(End::Cancelled);
            seams_.contacts->uploadStarted(table_->memory());
            uploadIdentity();
        });
}

void PhonebookTransfer::uploadIdentity() {
    if (!proceed()) return;
    info_ = TPhoneInfo{};
    request([this] { return calls_.phoneInfos(info_); },
            [this](uint8_t result) { uploadPad(result == phonelib::stDone); });
}

void PhonebookTransfer::uploadPad(bool identified) {
    // Locations the table does not show are cleared on the phone: all of
    // them for a table from another phone or one read with gaps, else those
    // up to what the download found. Only locations no row holds.
    const TableTransferState& state = table_->state();
    const QString imei = identified ? tools::fromCp1252(info_.serialNumber) : QString();
    int padTo = 0;
    if (!state.downloaded || (identified && imei != state.downloadImei)) {
        padTo = capacity_.total;
    } else if (!imei.isEmpty() && imei == state.downloadImei) {
        padTo = state.downloadCount;
    }
    for (int location = 1; location <= padTo; ++location) {
        if (table_->indexOfLocation(location) < 0) {
            PhonebookRow row;
            row.setLocation(location);
            table_->appendRow(std::move(row));
        }
    }
    table_->sortByLocation();
    for (const PhonebookRow& row : table_->rows()) {
        if (row.location().value_or(0) >= 1 && !row.unread) toWrite_.push_back(*row.location());
    }
    emit tableChanged();
    uploadNext();
}

void PhonebookTransfer::uploadNext() {
    if (!proceed()) return;
    const size_t done = written_ + size_t(failures_.size());
    if (done >= toWrite_.size()) return uploadFinish();
    const int location = toWrite_[done];
    emit progress(static_cast<int>(done) + 1, static_cast<int>(toWrite_.size()));
    const int index = table_->indexOfLocation(location);
    if (index < 0) return uploadFinish();  // the table changed under the upload: stop safely
    row_ = table_->row(index);
    EntryOptions options;
    options.memory = table_->memory();
    options.groupIndex = groupIndexForUpload(row_.value(colGroup), calls_);
    options.twoTextsOnly = twoTextsOnly(model_);
    entry_ = entryOfRow(row_, location, options);
    request([this] { return calls_.write(entry_); },
            [this, location](uint8_t result) { uploadWritten(location, result); });
}

void PhonebookTransfer::uploadWritten(int location, uint8_t result) {
    if (result == phonelib::stDone) {
        ++written_;
        seams_.contacts->rowWritten(row_, entry_);
        if (const int index = table_->indexOfLocation(location); index >= 0)
            table_->row(index).changed = false;
        return uploadNext();
    }
    const QString reason = statusReason(result);
    failures_.append(QString::number(location) + " (" + reason + ")");
    const QString text =
        locationFailureText(tx("telefonbuch_70",
                               "Es ist ein Fehler beim Schreiben des Telefonbucheintrages an "
                               "Speicherstelle "),
                            location, reason,
                            tx("telefonbuch_71",
                               "Sie sollten den Upload danach erneut ausführen, um die "
                               "Datenintegrität sicherzustellen.") +
                                '\n' + tx("telefonbuch_72", "Wollen Sie den Upload fortsetzen?"));
    ask({Severity::Error, tx("telefonbuch_44", "Achtung!"), text, AnswerButtons::YesNo},
        [this](Answer answer) {
            if (answer == Answer::Yes) return uploadNext();
            uploadFinish();
        });
}

void PhonebookTransfer::uploadFinish() {
    TableTransferState& state = table_->state();
    if (!state.downloaded) table_->removeTrailingEmptyRows();
    state.downloaded = true;
    withSpeedDials(false, [this] { uploadReport(); });
}

void PhonebookTransfer::uploadReport() {
    const uint8_t memory = table_->memory();
    seams_.contacts->uploadFinished(memory);
    seams_.store->saveTemporary(*table_);
    table_->forgetHistory(false);
    const size_t notWritten = toWrite_.size() - written_;
    emit status(tx("telefonbuch_73", "Upload beendet! %1 von %2 Einträgen geschrieben.")
                    .arg(written_)
                    .arg(toWrite_.size()));
    if (notWritten > 0) {
        QStringList lines = failures_;
        if (written_ + size_t(failures_.size()) < toWrite_.size()) {
            lines << tx("telefonbuch_74", "nicht mehr versucht: ab Speicherstelle %1")
                         .arg(toWrite_[written_ + size_t(failures_.size())]);
        }
        dialogs_.tell({Severity::Warning, tx("telefonbuch_7", "Hinweis"),
                       tx("telefonbuch_75", "Diese Speicherstellen wurden nicht geschrieben:") +
                           "\n\n" + listForMessage(lines)});
    }
    emit tableChanged();
    stop();
    emit finished(notWritten == 0 ? End::Done : End::Failed);
}

}  // namespace corvina
