#include "corvina/phonebook/entryeditorrules.h"

#include <algorithm>

#include "codecs/tools/cp1252.h"
#include "corvina/connection/modelnumbers.h"
#include "corvina/language/language.h"

namespace corvina {

namespace {

constexpr int kSimNameWithGroup = 15;
constexpr std::array<int32_t, kFixedFurtherNumbers> kAddressBookTypes = {ntMobile, ntHome, ntWork,
                                                                         ntFax};

// Nokia 62xx, 6310 and 7110 (and, before the first connection, any phone)
// take longer names and numbers in the phone memory.
bool longFields(uint8_t model, uint8_t activeMemory) {
    return ((model >= 19 && model <= 21) || model == kNoModelYet) && activeMemory != memSim;
}

bool holdsTwoTextsOnly(uint8_t model) {
    return model == 19 || model == 21;
}

std::vector<EditorNumber> emptyFurther(bool addressBookLayout) {
    std::vector<EditorNumber> further(kFixedFurtherNumbers);
    if (addressBookLayout) {
        for (int i = 0; i < kFixedFurtherNumbers; ++i) further[i].type = kAddressBookTypes[i];
    }
    return further;
}

// Puts a number into the fixed field of its type when that is free (the
// address-book layout), else into the field after the last filled one, or a
// field of its own after the others.
void placeNumber(std::vector<EditorNumber>& further, const EditorNumber& number, bool fixedTypes) {
    if (fixedTypes) {
        const auto* slot =
            std::find(kAddressBookTypes.begin(), kAddressBookTypes.end(), number.type);
        if (slot != kAddressBookTypes.end()) {
            EditorNumber& field = further[size_t(slot - kAddressBookTypes.begin())];
            if (field.number.isEmpty()) {
                field.number = number.number;
                return;
            }
        }
    } else {
        const auto lastFilled = std::find_if(further.rbegin(), further.rend(),
                                             [](const auto& f) { return !f.number.isEmpty(); });
        const auto next = static_cast<size_t>(further.rend() - lastFilled);
        if (next < further.size()) {
            further[next] = number;
            return;
        }
    }
    further.push_back(number);
}

void splitAddress(const QString& address, EditorFields& f) {
    const QStringList lines = textLines(address);
    f.street = lines.value(0) == QLatin1String(" ") ? QString() : lines.value(0);
    QString second = lines.value(1);
    if (second.isEmpty()) second = QStringLiteral("   ");
    const int blank = second.indexOf(QLatin1Char(' '));
    const QString zip = blank < 0 ? second : second.left(blank);
    QString town = blank < 0 ? QString() : second.mid(blank + 1);
    while (town.startsWith(QLatin1Char(' '))) town.remove(0, 1);
    f.zipTown = (zip + QLatin1Char(' ') + town).trimmed();
    f.country = lines.value(2);
    f.addressRest = lines.mid(3);
}

QString composedAddress(const EditorFields& f) {
    QStringList lines{f.street, f.zipTown.trimmed(), f.country};
    lines << f.addressRest;
    while (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
    return lines.join(QStringLiteral("\r\n"));
}

QString locationWarning(int limit) {
    return tx("eintrag_1",
              "Bitte geben Sie im Eingabefeld für die Speicherstelle des Eintrags eine gültige "
              "Speicherstelle an! (1-") +
           QString::number(limit) + QLatin1Char(')');
}

}  // namespace

QString filterNumberText(const QString& text) {
    QString kept;
    for (const QChar c : text) {
        if (c.isDigit() || c == QLatin1Char('+') || c == QLatin1Char('*') || c == QLatin1Char('#'))
            kept += c;
    }
    if (kept.size() > 1) kept = kept.left(1) + kept.mid(1).remove(QLatin1Char('+'));
    return kept;
}

EntryEditorRules::EntryEditorRules(PhonebookTables tables, PhonebookCalls calls,
                                   PhonebookSeams seams)
    : tables_(tables), calls_(std::move(calls)), seams_(std::move(seams)) {}

EditorSetup EntryEditorRules::setup(uint8_t activeMemory, uint8_t modelNumber) const {
    EditorSetup s;
    s.activeMemory = activeMemory;
    s.modelNumber = modelNumber;
    s.addressBookLayout = activeMemory == memAddressBook &&
                          (isSiemensWithAddressBook(modelNumber) || modelNumber == kNoModelYet);
    if (longFields(modelNumber, activeMemory)) {
        s.limits.name = 50;
        s.limits.standard = 48;
    }
    if (activeMemory == memAddressBook) {
        s.memoryItems = {tx("eintrag_2", "Adressbuch")};
        s.memoryCodes = {memAddressBook};
    } else {
        s.memoryItems = {tx("eintrag_3", "SIM-Karte"), tx("eintrag_4", "Intern")};
        s.memoryCodes = {memSim, memPhone};
        s.memoryItem = activeMemory == memPhone ? 1 : 0;
    }
    const int lastGroup = isNokia(modelNumber) ? 5 : 0;
    bool anyBlank = false;
    for (int index = 0; index <= lastGroup; ++index) {
        const QString name = tools::fromCp1252(calls_.groups.groupName(index));
        if (name.trimmed().isEmpty()) {
            anyBlank = true;
            s.groups.push_back({});
        } else {
            s.groups.push_back({index, name});
            s.groupsEnabled = true;
        }
    }
    if (!anyBlank) s.groups.push_back({});
    return s;
}

EditorFields EntryEditorRules::blank(const EditorSetup& setup, const QString& handedNumber) const {
    EditorFields f;
    f.further = emptyFurther(setup.addressBookLayout);
    f.group = choicePosition(setup.groups, -1);
    f.memoryItem = setup.memoryItem;
    f.location = locationForMemoryItem(setup, setup.memoryItem);
    f.standard.number = handedNumber;
    return f;
}

EditorFields EntryEditorRules::load(const EditorSetup& setup, const PhonebookRow& row,
                                    const QString& handedNumber) const {
    EditorFields f;
    f.location = row.cells[colLocation];
    f.memoryItem = setup.memoryItem;
    const QString name = row.value(colName);
    const int comma = name.indexOf(QStringLiteral(", "));
    if (setup.addressBookLayout && comma >= 0) {
        f.name = name.left(comma);
        f.firstName = name.mid(comma + 2);
    } else {
        f.name = name;
    }

    // The group of that name in the list, else the blank item: never a
    // neighbour's name, never a place past the list.
    const QString group = row.value(colGroup);
    f.group = choicePosition(setup.groups, -1);
    if (!group.trimmed().isEmpty()) {
        const int32_t index = calls_.groupIndex(tools::toCp1252(group));
        for (size_t i = 0; i < setup.groups.size(); ++i) {
            if (setup.groups[i].index == index && setup.groups[i].name == group)
                f.group = static_cast<int>(i);
        }
    }

    f.further = emptyFurther(setup.addressBookLayout);
    if (!handedNumber.isEmpty()) {
        f.standard = {handedNumber, ntGeneral};
    } else {
        std::array<QStringList, kNumberColumns> lines;
        int standard = -1;
        for (int c = kFirstNumberColumn; c <= kLastNumberColumn; ++c) {
            lines[c - kFirstNumberColumn] = numberLines(row.value(c));
            if (standard < 0 && !lines[c - kFirstNumberColumn].isEmpty()) standard = c;
        }
        if (isNumberColumn(row.bold) && !lines[row.bold - kFirstNumberColumn].isEmpty())
            standard = row.bold;
        if (standard >= 0) {
            f.standard = {lines[standard - kFirstNumberColumn].takeFirst(),
                          numberTypeOfColumn(standard)};
        }
        for (int c = kFirstNumberColumn; c <= kLastNumberColumn; ++c) {
            for (const QString& number : lines[c - kFirstNumberColumn]) {
                placeNumber(f.further, {number, numberTypeOfColumn(c)}, setup.addressBookLayout);
            }
        }
    }

    f.email = row.value(colEmail);
    f.address = row.value(colAddress);
    if (setup.addressBookLayout) splitAddress(f.address, f);
    f.note = row.value(colNote);
    f.company = row.value(colCompany);
    f.url = row.value(colUrl);
    return f;
}

QString EntryEditorRules::locationForMemoryItem(const EditorSetup& setup, int memoryItem) const {
    const size_t item =
        std::clamp<size_t>(size_t(std::max(memoryItem, 0)), 0, setup.memoryCodes.size() - 1);
    return QString::number(tables_.of(setup.memoryCodes.at(item)).firstFreeLocation());
}

void EntryEditorRules::writeFields(const EditorSetup& setup, const EditorFields& f,
                                   PhonebookRow& row) const {
    if (setup.addressBookLayout && !(f.name.isEmpty() && f.firstName.isEmpty())) {
        row.setField(colName, f.name + QStringLiteral(", ") + f.firstName);
    } else {
        row.setField(colName, f.name);
    }
    const bool groupChosen = f.group >= 0 && f.group < static_cast<int>(setup.groups.size()) &&
                             !setup.groups[size_t(f.group)].isBlank();
    row.setField(colGroup, groupChosen ? setup.groups[size_t(f.group)].name : QString());

    std::array<QStringList, kNumberColumns> lines;
    row.bold = -1;
    if (!f.standard.number.trimmed().isEmpty()) {
        const int column = columnOfNumberType(f.standard.type);
        lines[column - kFirstNumberColumn] << f.standard.number;
        row.bold = column;
    }
    for (const EditorNumber& number : f.further) {
        if (number.number.trimmed().isEmpty()) continue;
        lines[columnOfNumberType(number.type) - kFirstNumberColumn] << number.number;
    }
    for (int c = kFirstNumberColumn; c <= kLastNumberColumn; ++c) {
        row.setField(c, numberCell(lines[c - kFirstNumberColumn]));
    }

    row.setField(colEmail, f.email);
    row.setField(colAddress, setup.addressBookLayout ? composedAddress(f) : f.address);
    row.setField(colNote, f.note);
    row.setField(colCompany, f.company);
    row.setField(colUrl, f.url);
}

EntryEditorRules::Outcome EntryEditorRules::ok(const EditorSetup& setup, EditorFields fields,
                                               const Origin& origin, Answers& answers) {
    Outcome out;
    const size_t item =
        std::clamp<size_t>(size_t(std::max(fields.memoryItem, 0)), 0, setup.memoryCodes.size() - 1);
    const uint8_t memory = setup.memoryCodes.at(item);
    PhonebookTable& target = tables_.of(memory);
    const bool groupChosen = fields.group >= 0 &&
                             fields.group < static_cast<int>(setup.groups.size()) &&
                             !setup.groups[size_t(fields.group)].isBlank();

    if (holdsTwoTextsOnly(setup.modelNumber) &&
        !(setup.addressBookLayout ? composedAddress(fields) : fields.address).isEmpty() &&
        !fields.email.isEmpty() && !fields.note.isEmpty()) {
        out.notices.push_back(
            {Severity::Warning, tx("eintrag_5", "Hinweis"),
             tx("eintrag_6",
                "Der Telefonbucheintrag enthält zuviele Texte. Das Handy kann nur "
                "zwei Texte aufnehmen.") +
                 '\n' +
                 tx("eintrag_7",
                    "Die Bemerkung wird deshalb nicht übertragen sondern in der "
                    "Kontakt-Datei gespeichert.")});
    }

    if (memory == memSim && groupChosen && fields.name.size() > kSimNameWithGroup) {
        if (!answers.cutName) {
            out.kind = Outcome::Ask;
            out.asks = Outcome::Asks::CutName;
            out.question = {Severity::Warning, tx("eintrag_5", "Hinweis"),
                            tx("eintrag_8",
                               "Bitte beachten Sie, daß bei Auswahl einer Gruppe der Name nur 15 "
                               "Zeichen enthalten darf!") +
                                '\n' +
                                tx("eintrag_9", "Der Name wird deshalb gekürzt; es entfällt: ") +
                                QStringLiteral("„%1“").arg(fields.name.mid(kSimNameWithGroup)),
                            AnswerButtons::OkCancel};
            return out;
        }
        if (!*answers.cutName) {
            out.kind = Outcome::StayOpen;
            return out;
        }
        fields.name.truncate(kSimNameWithGroup);
    }

    bool numeric = false;
    const int location = fields.location.trimmed().toInt(&numeric);
    const int limit = target.locationLimit();
    if (!numeric || location < 1 || location > limit) {
        out.kind = Outcome::StayOpen;
        out.question = {Severity::Warning, tx("eintrag_10", "Achtung"), locationWarning(limit)};
        return out;
    }

    const bool fromRow = origin.location > 0 && (origin.use == Use::Edit);
    const bool isOrigin = fromRow && origin.memory == memory && origin.location == location;
    const int taken = target.indexOfLocation(location);
    const bool occupied = taken >= 0 && !isOrigin && !target.row(taken).isEmpty();
    if (occupied && !answers.collision) {
        const PhonebookRow& row = target.row(taken);
        out.kind = Outcome::Ask;
        out.asks = Outcome::Asks::Collision;
        out.question = {
            Severity::Question, tx("eintrag_5", "Hinweis"),
            tx("eintrag_11", "Diese Speicherstelle ist bereits mit folgendem Eintrag belegt:") +
                "\n\n" + row.value(colName) + '\n' +
                numberLines(row.value(colGeneral)).join(QLatin1Char('\n')) + "\n\n" +
                tx("eintrag_12",
                   "Soll die vorhandene Speicherstelle zur nächsten freien Stelle "
                   "verschoben werden?") +
                '\n' +
                tx("eintrag_13",
                   "(Ansonsten wird die vorhandene Speicherstelle komplett "
                   "übeschrieben!)"),
            AnswerButtons::YesNoCancel};
        return out;
    }
    if (occupied && *answers.collision == Answer::Cancel) {
        out.kind = Outcome::Cancelled;
        return out;
    }
    const bool unread = taken >= 0 && !isOrigin && !occupied && target.row(taken).unread;
    if (unread && !answers.overwriteUnread) {
        out.kind = Outcome::Ask;
        out.asks = Outcome::Asks::OverwriteUnread;
        out.question = {Severity::Warning, tx("eintrag_5", "Hinweis"),
                        tx("eintrag_14",
                           "Diese Speicherstelle konnte beim Download nicht gelesen "
                           "werden. Was das Telefon dort hält, wird beim nächsten "
                           "Upload überschrieben.") +
                            "\n\n" + tx("eintrag_15", "Möchten Sie den Eintrag dort speichern?"),
                        AnswerButtons::YesNo};
        return out;
    }
    if (unread && !*answers.overwriteUnread) {
        out.kind = Outcome::StayOpen;
        return out;
    }

    // Every answer is in: change the tables.
    target.beginEdit();
    PhonebookTable& originTable = tables_.of(origin.memory);
    if (fromRow && &originTable != &target) originTable.beginEdit();
    if (occupied && *answers.collision == Answer::Yes) {
        const int free = target.firstFreeLocation();
        target.moveContent(taken, free);
        seams_.speedDials->moveReference(location, memory, memory, free);
    }
    if (fromRow && !isOrigin) {
        const int to = target.rowAt(location);
        const int from = originTable.indexOfLocation(origin.location);
        if (from >= 0) {
            target.row(to).copyContentFrom(originTable.row(from));
            originTable.row(from).clearContent();
            originTable.row(from).changed = true;
        }
        seams_.speedDials->moveReference(origin.location, origin.memory, memory, location);
    }
    PhonebookRow& row = target.row(target.rowAt(location));
    writeFields(setup, fields, row);
    row.unread = row.unread && row.isEmpty();  // only an entry the user gave replaces it
    row.changed = true;
    target.sortByLocation();
    out.kind = Outcome::Stored;
    out.memory = memory;
    out.location = location;
    return out;
}

void EntryEditorRules::record(Outcome::Asks asks, Answer answer, Answers& answers) {
    switch (asks) {
        case Outcome::Asks::CutName:
            answers.cutName = answer == Answer::Ok;
            break;
        case Outcome::Asks::Collision:
            answers.collision = answer;
            break;
        case Outcome::Asks::OverwriteUnread:
            answers.overwriteUnread = answer == Answer::Yes;
            break;
    }
}

EntryEditorRules::Outcome EntryEditorRules::paste(const PhonebookRow& source, uint8_t memory) {
    Outcome out;
    PhonebookTable& target = tables_.of(memory);
    const int location = target.firstFreeLocation();
    if (location > target.locationLimit()) {
        out.kind = Outcome::StayOpen;
        out.question = {Severity::Warning, tx("eintrag_10", "Achtung"),
                        locationWarning(target.locationLimit())};
        return out;
    }
    PhonebookRow& row = target.row(target.rowAt(location));
    row.copyContentFrom(source);
    row.unread = false;
    row.changed = true;
    target.sortByLocation();
    out.memory = memory;
    out.location = location;
    return out;
}

EntryEditorRules::Outcome EntryEditorRules::copy(const ContactCopy& contact, uint8_t memory,
                                                 uint8_t modelNumber, Answers& answers) {
    const EditorSetup s = setup(memory, modelNumber);
    EditorFields f = blank(s);
    f.memoryItem = static_cast<int>(std::find(s.memoryCodes.begin(), s.memoryCodes.end(), memory) -
                                    s.memoryCodes.begin());
    f.location = QString::number(tables_.of(memory).firstFreeLocation());
    const int blankAt = contact.name.lastIndexOf(QLatin1Char(' '));
    if (s.addressBookLayout && blankAt > 0) {
        f.name = contact.name.mid(blankAt + 1);
        f.firstName = contact.name.left(blankAt);
    } else {
        f.name = contact.name;
    }
    for (size_t i = 0; i < s.groups.size(); ++i) {
        if (!s.groups[i].isBlank() && s.groups[i].name == contact.group) f.group = int(i);
    }
    for (size_t i = 0; i < contact.numbers.size(); ++i) {
        if (i == 0) {
            f.standard = contact.numbers[0];
        } else {
            placeNumber(f.further, contact.numbers[i], s.addressBookLayout);
        }
    }
    f.email = contact.email;
    f.address = contact.address;
    if (s.addressBookLayout) {
        const QStringList lines = textLines(contact.address);
        f.street = lines.value(0);
        f.zipTown = lines.value(1);
        f.country = lines.value(2);
        f.addressRest = lines.mid(3);
    }
    f.note = contact.note;
    f.company = contact.company;
    f.url = contact.url;
    return ok(s, f, {Use::Copy, memory, 0}, answers);
}

}  // namespace corvina
